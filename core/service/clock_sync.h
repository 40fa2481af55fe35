#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/shell/platform_services.h"

namespace q6 {

// The RAM words that set the dimmer's clock, in the order they are written.
inline constexpr std::array<std::uint16_t, 4> kClockSettingAddresses = {0x0100, 0x0102, 0x0104,
                                                                        0x0106};
// "StatusSetBits" value that makes the dimmer take over the clock-setting words.
inline constexpr std::uint16_t kTakeOverClock = 1;

// The local PC time in standard time: in the summer period the bias (a fraction of a day,
// usually negative) is added. The test uses the uncorrected time.
LocalDateTime DeviceStandardTime(const LocalDateTime& local, double daylightBias);

// minute·256 + second, weekday·256 + hour (1 = Sunday … 7 = Saturday), month·256 + day,
// year − 2000. Nothing for a year before 2000, which the year word cannot hold.
std::optional<std::array<std::uint16_t, 4>> ClockSettingWords(const LocalDateTime& t);

}  // namespace q6
