#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace q6::sim {

// The dimmer's EEPROM words 0x0000..0x03FE: identity, configuration, calibration and the error
// ring; index = byte address / 2.
inline constexpr std::size_t kEepromWords = 512;
using EepromImage = std::array<std::uint16_t, kEepromWords>;

// A compatible dimmer as delivered: the program's defaults for every setting, a 3000 W power
// class and a few entries in the error ring.
EepromImage DefaultEepromImage();

// The text form of an image: one word per line, "0x<address> 0x<value>" in hexadecimal; blank
// lines and lines starting with '#' are ignored and words not listed are 0.
std::optional<EepromImage> LoadEepromImage(const std::filesystem::path& file);
bool SaveEepromImage(const std::filesystem::path& file, const EepromImage& image);

}  // namespace q6::sim
