#include "core/device/live_format.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace q6 {
namespace {

std::string TwoDigits(unsigned value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

}  // namespace

std::string TenthsWhole(std::uint16_t tenths) { return std::to_string((tenths + 5U) / 10U); }

std::string TenthsOneDecimal(std::int32_t tenths, char decimal) {
  const std::int32_t magnitude = std::abs(tenths);
  std::string text = tenths < 0 ? "-" : "";
  return text + std::to_string(magnitude / 10) + decimal + std::to_string(magnitude % 10);
}

std::string FrequencyFromPeriod(std::uint16_t period) {
  if (period == 0) return "---";
  constexpr unsigned kTicksPerSecond = 10000;
  unsigned hertz = kTicksPerSecond / period;
  const unsigned twiceRest = 2 * (kTicksPerSecond % period);
  // Halves go to the even neighbour.
  if (twiceRest > period || (twiceRest == period && hertz % 2 == 1)) ++hertz;
  return std::to_string(hertz);
}

std::string Percent(std::uint16_t value) { return std::to_string(value) + " %"; }

std::uint16_t ShownPowerReduction(std::uint16_t actual, std::uint16_t set) {
  const int difference = static_cast<int>(actual) - static_cast<int>(set);
  return actual > 10 && (difference == 1 || difference == -1) ? set : actual;
}

std::string Duration(std::uint16_t seconds) {
  return TwoDigits(seconds / 3600U) + ":" + TwoDigits((seconds / 60U) % 60U) + ":" +
         TwoDigits(seconds % 60U);
}

std::string OperatingHours(std::uint32_t seconds, char decimal) {
  const auto hours = static_cast<double>(static_cast<float>(seconds / 3600.0));
  constexpr int kSignificant = 8;
  constexpr int kDecimals = 2;
  int wholeDigits = 1;
  for (double limit = 10.0; hours >= limit; limit *= 10.0) ++wholeDigits;
  const int decimals = std::max(0, std::min(kDecimals, kSignificant - wholeDigits));
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, hours, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  if (decimals == 0) text += '.';
  text.append(static_cast<std::size_t>(kDecimals - decimals), '0');
  text[text.find('.')] = decimal;
  return text + " h";
}

}  // namespace q6
