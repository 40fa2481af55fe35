#pragma once

#include <cstdint>
#include <string>

namespace q6 {

// Number formats of the live view. `decimal` is the separator of the user's regional settings.

// A word in tenths, shown whole, halves rounded away from zero.
std::string TenthsWhole(std::uint16_t tenths);
// A word in tenths, shown with exactly one decimal.
std::string TenthsOneDecimal(std::int32_t tenths, char decimal);
// The frequency in Hz of a period in units of 100 µs; "---" when the period is 0.
std::string FrequencyFromPeriod(std::uint16_t period);
// The number followed by " %".
std::string Percent(std::uint16_t value);
// The actual power reduction as shown: above 10 %, an actual value one away from the set value
// shows the set value.
std::uint16_t ShownPowerReduction(std::uint16_t actual, std::uint16_t set);
// Seconds as "hh:mm:ss".
std::string Duration(std::uint16_t seconds);
// Seconds as hours with two decimals and " h", at most eight significant digits.
std::string OperatingHours(std::uint32_t seconds, char decimal);

}  // namespace q6
