#pragma once

#include <cstdint>
#include <optional>

namespace q6 {

// old × numerator ÷ denominator, rounded to the nearest integer with halves to the even
// neighbour. Nothing when the denominator is 0 or the gain leaves the 16-bit word.
std::optional<std::uint16_t> ScaledGain(std::int64_t old, std::int64_t numerator,
                                        std::int64_t denominator);

// The AC output the dimmer regulates to during calibration, in tenths of a volt.
inline constexpr std::int64_t kCalibrationSetpointTenths = 2300;

enum class StepKey { Up, Down };
// What the window does with a wheel turn: nothing, consumed, or sent on to the focused control
// as an arrow key.
enum class WheelAction { Pass, Handled, KeyUp, KeyDown };

}  // namespace q6
