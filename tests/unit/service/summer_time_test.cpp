#include "core/service/summer_time.h"

#include <gtest/gtest.h>

#include "core/service/clock_sync.h"
#include "support/fake_platform.h"

namespace q6 {
namespace {

TEST(SummerTimeTest, PeriodRunsFromLastSundayOfMarchToLastSundayOfOctober) {
  struct Case {
    LocalDateTime t;
    bool summer;
  };
  for (const auto& [t, summer] : {
           Case{{2015, 3, 29, 1, 59, 59}, false},
           Case{{2015, 3, 29, 2, 0, 0}, true},
           Case{{2015, 10, 25, 2, 59, 59}, true},
           Case{{2015, 10, 25, 3, 0, 0}, false},
           Case{{2015, 7, 15, 14, 30, 5}, true},
           Case{{2015, 1, 15, 14, 30, 5}, false},
           // Up to 1995 the period ended on the last Sunday of September.
           Case{{1995, 9, 24, 2, 59, 59}, true},
           Case{{1995, 9, 24, 3, 0, 0}, false},
           Case{{1995, 10, 1, 12, 0, 0}, false},
           Case{{1996, 9, 29, 12, 0, 0}, true},
           Case{{1996, 10, 27, 2, 59, 59}, true},
           Case{{1996, 10, 27, 3, 0, 0}, false},
           Case{{1980, 7, 1, 12, 0, 0}, false},
           Case{{1981, 7, 1, 12, 0, 0}, true},
       }) {
    EXPECT_EQ(IsSummerTime(t), summer) << t.year << "-" << t.month << "-" << t.day << " " << t.hour
                                       << ":" << t.minute << ":" << t.second;
  }
}

TEST(SummerTimeTest, DaylightBiasComesFromTheZoneOffsets) {
  test::FakePlatform platform;
  platform.zone = ZoneOffsets{60, 120};
  EXPECT_DOUBLE_EQ(GetDaylightBias(platform), -60.0 / 1440.0);
  platform.zone = ZoneOffsets{540, 540};
  EXPECT_DOUBLE_EQ(GetDaylightBias(platform), 0.0);
  platform.zone.reset();
  EXPECT_DOUBLE_EQ(GetDaylightBias(platform), 0.0);
}

TEST(ClockWordsTest, SummerTimeIsSentAsStandardTime) {
  struct Case {
    LocalDateTime local;
    double bias;
    std::array<std::uint16_t, 4> words;
  };
  constexpr double kBerlin = -60.0 / 1440.0;
  for (const auto& [local, bias, words] : {
           Case{{2015, 7, 15, 14, 30, 5}, kBerlin, {0x1E05, 0x040D, 0x070F, 15}},
           Case{{2015, 1, 15, 14, 30, 5}, kBerlin, {0x1E05, 0x050E, 0x010F, 15}},
           // A zone without daylight saving sends the summer time unchanged.
           Case{{2015, 7, 15, 14, 30, 5}, 0.0, {0x1E05, 0x040E, 0x070F, 15}},
           // Going back an hour can cross midnight into the previous day, month and weekday.
           Case{{2015, 7, 1, 0, 30, 0}, kBerlin, {0x1E00, 0x0317, 0x061E, 15}},
           Case{{2000, 1, 1, 0, 0, 0}, kBerlin, {0x0000, 0x0700, 0x0101, 0}},
       }) {
    EXPECT_EQ(ClockSettingWords(DeviceStandardTime(local, bias)), words) << local.month;
  }
}

TEST(ClockWordsTest, AYearBefore2000CannotBeEncoded) {
  EXPECT_FALSE(ClockSettingWords({1999, 12, 31, 23, 59, 59}).has_value());
}

}  // namespace
}  // namespace q6
