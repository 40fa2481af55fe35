#include "core/device/dimmer_clock.h"

#include <chrono>
#include <optional>

namespace q6 {
namespace {

std::string Padded(int value, std::size_t width) {
  std::string text = std::to_string(value);
  return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

int LowByte(std::uint16_t word) { return word & 0xFF; }
int HighByte(std::uint16_t word) { return word >> 8; }

// Seconds since the epoch, or nothing when the fields name no date and time.
std::optional<std::int64_t> EpochSeconds(int year, int month, int day, int hour, int minute,
                                         int second) {
  using namespace std::chrono;
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
    return std::nullopt;
  const year_month_day date{std::chrono::year{year},
                            std::chrono::month{static_cast<unsigned>(month)},
                            std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok() || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
    return std::nullopt;
  const auto stamp = sys_days{date} + hours{hour} + minutes{minute} + seconds{second};
  return duration_cast<seconds>(stamp.time_since_epoch()).count();
}

}  // namespace

DimmerTime DimmerTimeFromWords(std::uint16_t minSec, std::uint16_t daysHour,
                               std::uint16_t monthsDate, std::uint16_t year) {
  const int day = LowByte(monthsDate);
  const int month = HighByte(monthsDate);
  return {.year = 2000 + LowByte(year),
          .month = month == 0 ? 1 : month,
          .day = day == 0 ? 1 : day,
          .hour = LowByte(daysHour),
          .minute = HighByte(minSec)};
}

std::string DimmerTimeText(const DimmerTime& time) {
  return Padded(time.day, 2) + "." + Padded(time.month, 2) + "." + Padded(time.year, 4) +
         std::string(10, ' ') + Padded(time.hour, 2) + ":" + Padded(time.minute, 2);
}

bool DimmerClockDeviates(const DimmerTime& time, const LocalDateTime& now) {
  constexpr std::int64_t kToleratedMinutes = 5;
  const auto dimmer = EpochSeconds(time.year, time.month, time.day, time.hour, time.minute, 0);
  const auto pc = EpochSeconds(now.year, now.month, now.day, now.hour, now.minute, now.second);
  if (!dimmer || !pc) return true;
  const std::int64_t apart = *dimmer > *pc ? *dimmer - *pc : *pc - *dimmer;
  return apart / 60 > kToleratedMinutes;
}

}  // namespace q6
