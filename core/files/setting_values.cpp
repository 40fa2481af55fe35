#include "core/files/setting_values.h"

#include <charconv>
#include <cstdio>

namespace q6 {
namespace {

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

// A field of one or two digits in 0..max.
std::optional<int> ClockField(std::string_view text, int max) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || text.size() > 2 || error != std::errc{} || stop != end || value > max)
    return std::nullopt;
  return value;
}

}  // namespace

std::string FormatTimeOfDay(int seconds, const TFormatSettings& fs) {
  const std::string separator(1, fs.TimeSeparator);
  return TwoDigits(seconds / 3600) + separator + TwoDigits(seconds / 60 % 60) + separator +
         TwoDigits(seconds % 60);
}

std::optional<int> ParseTimeOfDay(std::string_view text, const TFormatSettings& fs) {
  int fields[3] = {0, 0, 0};
  constexpr int kMax[3] = {23, 59, 59};
  int count = 0;
  while (count < 3) {
    const auto separator = text.find(fs.TimeSeparator);
    const auto field = ClockField(text.substr(0, separator), kMax[count]);
    if (!field) return std::nullopt;
    fields[count++] = *field;
    if (separator == std::string_view::npos) break;
    text.remove_prefix(separator + 1);
    if (count == 3) return std::nullopt;
  }
  if (count < 2) return std::nullopt;
  return fields[0] * 3600 + fields[1] * 60 + fields[2];
}

std::optional<int> ParseInteger(std::string_view text) {
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return std::nullopt;
  }
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

std::string FormatSaveMoment(const LocalDateTime& when, const TFormatSettings& fs) {
  const std::string separator(1, fs.DateSeparator);
  std::string text = TwoDigits(when.day) + separator + TwoDigits(when.month) + separator +
                     std::to_string(when.year);
  if (when.hour == 0 && when.minute == 0 && when.second == 0) return text;
  return text + ' ' + FormatTimeOfDay(when.hour * 3600 + when.minute * 60 + when.second, fs);
}

}  // namespace q6
