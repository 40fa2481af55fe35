#pragma once

#include <cstdint>
#include <string>

namespace q6 {

// Display name of the EEPROM word in row `index` (0..167) of the image.
std::string EepWordName(int index);

// The EEPROM identity words, by byte address.
namespace eep {
inline constexpr std::uint16_t Versionskennung = 0x0000;
inline constexpr std::uint16_t MajorMinorNr = 0x0002;
inline constexpr std::uint16_t MicroBuildNr = 0x0004;
inline constexpr std::uint16_t SoftwareMaterialNummer = 0x0006;
inline constexpr std::uint16_t Geraetenummer = 0x001C;
inline constexpr std::uint16_t HardwareInfo = 0x001E;
inline constexpr std::uint16_t MaterialNumberText = 0x0100;
inline constexpr std::uint16_t ModelNameText = 0x0110;
inline constexpr std::uint16_t ProductDateText = 0x0120;
inline constexpr std::uint16_t ProductNameChar = 0x0130;
}  // namespace eep

}  // namespace q6
