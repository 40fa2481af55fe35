#include "core/service/clock_sync.h"

#include <chrono>
#include <cmath>

#include "core/service/summer_time.h"

namespace q6 {
namespace {

using namespace std::chrono;

constexpr int kFirstEncodableYear = 2000;
constexpr double kMinutesPerDay = 1440.0;

std::uint16_t Pair(unsigned high, unsigned low) {
  return static_cast<std::uint16_t>((high << 8) | (low & 0xFFU));
}

}  // namespace

LocalDateTime DeviceStandardTime(const LocalDateTime& local, double daylightBias) {
  if (!IsSummerTime(local)) return local;
  const sys_days date{year{local.year} / local.month / local.day};
  const sys_seconds shifted = date + hours{local.hour} + minutes{local.minute} +
                              seconds{local.second} +
                              minutes{std::lround(daylightBias * kMinutesPerDay)};
  const sys_days day = floor<days>(shifted);
  const year_month_day ymd{day};
  const hh_mm_ss clock{shifted - day};
  return {static_cast<int>(ymd.year()),
          static_cast<int>(unsigned(ymd.month())),
          static_cast<int>(unsigned(ymd.day())),
          static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count())};
}

std::optional<std::array<std::uint16_t, 4>> ClockSettingWords(const LocalDateTime& t) {
  if (t.year < kFirstEncodableYear) return std::nullopt;
  const weekday day{sys_days{year{t.year} / t.month / t.day}};
  return std::array<std::uint16_t, 4>{
      Pair(static_cast<unsigned>(t.minute), static_cast<unsigned>(t.second)),
      Pair(day.c_encoding() + 1, static_cast<unsigned>(t.hour)),
      Pair(static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)),
      static_cast<std::uint16_t>(t.year - kFirstEncodableYear)};
}

}  // namespace q6
