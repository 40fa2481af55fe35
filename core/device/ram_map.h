#pragma once

#include <cstdint>
#include <string>

namespace q6 {

// Display name of the RAM word in row `index` (0..79) of the image.
std::string RamWordName(int index);

// The RAM words the program interprets, by byte address.
namespace ram {
inline constexpr std::uint16_t UzMittel = 0x0030;
inline constexpr std::uint16_t UAcMittel = 0x0032;
inline constexpr std::uint16_t IzMittel = 0x0034;
inline constexpr std::uint16_t TempKK1 = 0x0036;
inline constexpr std::uint16_t TempKK2 = 0x0038;
inline constexpr std::uint16_t PDc = 0x003A;
inline constexpr std::uint16_t PRedSoll = 0x003C;
inline constexpr std::uint16_t PRedIst = 0x003E;
inline constexpr std::uint16_t PRedSps = 0x0040;
inline constexpr std::uint16_t FreqSoll = 0x0042;
inline constexpr std::uint16_t FreqIst = 0x0044;
inline constexpr std::uint16_t UAcSollSps = 0x0046;
inline constexpr std::uint16_t Regime = 0x0048;
inline constexpr std::uint16_t RegimeStart = 0x004A;
inline constexpr std::uint16_t DimZone = 0x004C;
inline constexpr std::uint16_t EinbrennTimer = 0x004E;
inline constexpr std::uint16_t BhzGesamtLow = 0x0050;
inline constexpr std::uint16_t BhzGesamtHigh = 0x0052;
inline constexpr std::uint16_t BhzGedimmtLow = 0x0054;
inline constexpr std::uint16_t BhzGedimmtHigh = 0x0056;
inline constexpr std::uint16_t TaktSollSps = 0x0058;
inline constexpr std::uint16_t TaktSollRampe = 0x005A;
inline constexpr std::uint16_t AnzeigeBits = 0x0060;
inline constexpr std::uint16_t InfoBits = 0x0062;
inline constexpr std::uint16_t MinSec = 0x0070;
inline constexpr std::uint16_t DaysHour = 0x0072;
inline constexpr std::uint16_t MonthsDate = 0x0074;
inline constexpr std::uint16_t Year = 0x0076;
inline constexpr std::uint16_t PRedUhr = 0x0078;
inline constexpr std::uint16_t PRedAn10V = 0x007C;
inline constexpr std::uint16_t PRedPoti = 0x007E;
inline constexpr std::uint16_t UAcSollRampe = 0x0080;
inline constexpr std::uint16_t UAcSoll = 0x0082;
inline constexpr std::uint16_t UGrenzLeistung = 0x0084;
inline constexpr std::uint16_t Taktuebergabe = 0x0086;
inline constexpr std::uint16_t TaktGrenzLeistung = 0x0088;
inline constexpr std::uint16_t UGrenzTemp = 0x008A;
inline constexpr std::uint16_t TaktGrenzTemp = 0x008C;
}  // namespace ram

}  // namespace q6
