// The platform clock's zone offsets and the daylight bias under fixed zones of the process.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "core/service/summer_time.h"
#include "platform/shell/qt_platform.h"

namespace q6 {
namespace {

// Sets the process's zone for one test and puts the previous one back.
class ZoneOfProcess {
 public:
  explicit ZoneOfProcess(const char* zone) {
    if (const char* previous = std::getenv("TZ")) previous_ = previous;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~ZoneOfProcess() {
    if (previous_.empty())
      ::unsetenv("TZ");
    else
      ::setenv("TZ", previous_.c_str(), 1);
    ::tzset();
  }

 private:
  std::string previous_;
};

TEST(TimeZone, OffsetsAndDaylightBiasComeFromTheProcessZone) {
  struct Case {
    const char* zone;
    int standardMinutes;
    int daylightMinutes;
  };
  for (const auto& [zone, standard, daylight] :
       {Case{"Europe/Berlin", 60, 120}, Case{"Asia/Tokyo", 540, 540},
        Case{"America/New_York", -300, -240}}) {
    ZoneOfProcess fixed(zone);
    const platform::QtWallClock clock;
    const auto offsets = clock.zoneOffsets();
    ASSERT_TRUE(offsets.has_value()) << zone;
    EXPECT_EQ(offsets->standardMinutes, standard) << zone;
    EXPECT_EQ(offsets->daylightMinutes, daylight) << zone;
    // A fraction of a day, negative where summer time is ahead.
    EXPECT_DOUBLE_EQ(GetDaylightBias(clock), -(daylight - standard) / 1440.0) << zone;
  }
}

}  // namespace
}  // namespace q6
