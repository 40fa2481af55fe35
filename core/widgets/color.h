#pragma once

#include <cstdint>

namespace q6 {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colors {
inline constexpr Rgb kPanel{240, 240, 240};
inline constexpr Rgb kWindow{255, 255, 255};
inline constexpr Rgb kText{0, 0, 0};
inline constexpr Rgb kChanged{245, 224, 137};
inline constexpr Rgb kInvalid{255, 0, 0};
inline constexpr Rgb kLitGreen{149, 255, 149};
inline constexpr Rgb kLitYellow{255, 255, 140};
inline constexpr Rgb kLitRed{255, 0, 0};
inline constexpr Rgb kUnlit{128, 128, 128};
// The system's inactive-caption colour, as Windows ships it.
inline constexpr Rgb kInactiveCaption{191, 205, 219};
}  // namespace colors

}  // namespace q6
