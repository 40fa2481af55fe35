#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace q6::sim {

// The dimmer's RAM over the whole 16-bit byte address space; index = byte address / 2.
using Ram = std::vector<std::uint16_t>;
inline constexpr std::size_t kRamWords = 0x8000;

// RAM words the simulated firmware keeps or acts on.
namespace ram {
inline constexpr std::uint16_t kUzMittel = 0x0030;
inline constexpr std::uint16_t kUAcMittel = 0x0032;
inline constexpr std::uint16_t kIzMittel = 0x0034;
inline constexpr std::uint16_t kTempKK1 = 0x0036;
inline constexpr std::uint16_t kTempKK2 = 0x0038;
inline constexpr std::uint16_t kPDc = 0x003A;
inline constexpr std::uint16_t kPRedSoll = 0x003C;
inline constexpr std::uint16_t kPRedIst = 0x003E;
inline constexpr std::uint16_t kFreqSoll = 0x0042;
inline constexpr std::uint16_t kFreqIst = 0x0044;
inline constexpr std::uint16_t kRegime = 0x0048;
inline constexpr std::uint16_t kDimZone = 0x004C;
inline constexpr std::uint16_t kEinbrennTimer = 0x004E;
inline constexpr std::uint16_t kBhzGesamt = 0x0050;
inline constexpr std::uint16_t kBhzGedimmt = 0x0054;
inline constexpr std::uint16_t kAnzeigeBits = 0x0060;
inline constexpr std::uint16_t kInfoBits = 0x0062;
inline constexpr std::uint16_t kStatusSetBits = 0x006C;
inline constexpr std::uint16_t kClock = 0x0070;
inline constexpr std::uint16_t kPRedUhr = 0x0078;
inline constexpr std::uint16_t kUAcSoll = 0x0082;
inline constexpr std::uint16_t kStateRequest = 0x008E;
inline constexpr std::uint16_t kManualValues = 0x0090;
inline constexpr std::uint16_t kClockSetting = 0x0100;
}  // namespace ram

// Bits of StatusSetBits.
namespace status_set {
inline constexpr std::uint16_t kTakeClock = 0x0001;
inline constexpr std::uint16_t kTakeEeprom = 0x0002;
inline constexpr std::uint16_t kTakeManual = 0x0010;
inline constexpr std::uint16_t kClearErrors = 0x0020;
}  // namespace status_set

// Operating states reported in "Regime" and requested through the state request word.
namespace regime {
inline constexpr std::uint16_t kStart = 0;
inline constexpr std::uint16_t kBurnIn = 1;
inline constexpr std::uint16_t kNormal = 10;
inline constexpr std::uint16_t kDimmed = 20;
inline constexpr std::uint16_t kManual = 40;
inline constexpr std::uint16_t kCalibration = 91;
inline constexpr std::uint16_t kReset = 94;
inline constexpr std::uint16_t kRequestNormal = 2;
}  // namespace regime

}  // namespace q6::sim
