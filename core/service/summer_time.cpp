#include "core/service/summer_time.h"

#include <chrono>

namespace q6 {
namespace {

using namespace std::chrono;

constexpr int kLastYearWithoutSummerTime = 1980;
constexpr int kLastYearEndingInSeptember = 1995;
constexpr double kMinutesPerDay = 1440.0;

sys_seconds Instant(const LocalDateTime& t) {
  return sys_days{year{t.year} / t.month / t.day} + hours{t.hour} + minutes{t.minute} +
         seconds{t.second};
}

sys_seconds LastSundayAt(int y, month m, hours at) {
  return sys_days{year{y} / m / Sunday[last]} + at;
}

}  // namespace

bool IsSummerTime(const LocalDateTime& t) {
  if (t.year <= kLastYearWithoutSummerTime) return false;
  const sys_seconds start = LastSundayAt(t.year, March, hours{2});
  const sys_seconds end =
      LastSundayAt(t.year, t.year <= kLastYearEndingInSeptember ? September : October, hours{3});
  const sys_seconds now = Instant(t);
  return now >= start && now < end;
}

double GetDaylightBias(const WallClock& clock) {
  const auto offsets = clock.zoneOffsets();
  if (!offsets) return 0.0;
  return -(offsets->daylightMinutes - offsets->standardMinutes) / kMinutesPerDay;
}

}  // namespace q6
