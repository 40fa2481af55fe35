#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace q6 {

// One word of a device memory image.
struct TData {
  std::int32_t nr = 0;
  std::string Name;
  std::uint16_t adr = 0;
  std::uint16_t Value = 0;
};

// The polled RAM window: 80 words from 0x0030; the image keeps one spare row.
inline constexpr std::uint16_t kRamImageFirst = 0x0030;
inline constexpr int kRamImageWords = 80;
using RamImage = std::array<TData, 81>;

// The EEPROM words read in one block; the images have room for far more.
inline constexpr int kEepImageReadWords = 168;
using EepImage = std::array<TData, 513>;

// Row of an even byte address of the RAM window (0x0030..0x00CE).
constexpr int RamIndex(std::uint16_t address) { return (address - kRamImageFirst) / 2; }

// Row of an even EEPROM byte address.
constexpr int EepIndex(std::uint16_t address) { return address / 2; }

// The value of the word at a byte address of the image.
inline std::uint16_t RamWord(const RamImage& image, std::uint16_t address) {
  return image[static_cast<std::size_t>(RamIndex(address))].Value;
}
inline std::uint16_t EepWord(const EepImage& image, std::uint16_t address) {
  return image[static_cast<std::size_t>(EepIndex(address))].Value;
}

}  // namespace q6
