#include "core/device/eeprom_map.h"

#include <array>
#include <string_view>

namespace q6 {
namespace {

// Words 0x0000..0x007E by row; the rest of the block is unnamed but for eight test words.
constexpr std::array<std::string_view, 64> kNamedWords = {
    "Versionskennung",
    "MajorNr/MinorNr",
    "MicroNr/BuildNr",
    "SoftwareMaterialNummer",
    "---",
    "---",
    "---",
    "---",
    "---",
    "---",
    "---",
    "---",
    "---",
    "---",
    "Gerätenummer",
    "HardwareInfo",
    "TimeWt1",
    "TimeWt2",
    "TimeWt3",
    "TimeWtEnd",
    "TimeWe1",
    "TimeWe2",
    "TimeWe3",
    "TimeWtEnd",
    "PRedWt1Wt2",
    "PRedWt3We1",
    "PRedWe2We3",
    "---",
    "Rampendauer 2",
    "GainPIstU",
    "OffsetPIstU",
    "Version",
    "ModeBits",
    "UAcSollStart",
    "UAcSollNachzünd",
    "TimeNachzünd",
    "Rampendauer 1",
    "TimeStartspannung",
    "UAcSollNenn",
    "Einbrennfrequenz",
    "Einbrennzeit",
    "PRedUpTime",
    "PRedDownTime",
    "FrequenzUmschalt",
    "UAcUmschalt",
    "ConfigBits_Sonmmerzeit",
    "UModeKFaktor",
    "---",
    "PClass",
    "PDcRedOn",
    "PDcRedOff",
    "PDcOverload",
    "TimeUacUpWechsel",
    "TimeUacDownWechsel",
    "TimeFreqUpWechsel",
    "TimeFreqDownWechsel",
    "GainUAc",
    "OffSetUAc ",
    "GainIz",
    "OffSetUz",
    "GainUz",
    "OffSetUz",
    "GainPDc",
    "PRedUpTime",
};

constexpr int kFirstTestRow = 0x00B0 / 2;
constexpr int kTestWords = 8;

}  // namespace

std::string EepWordName(int index) {
  if (index >= 0 && index < static_cast<int>(kNamedWords.size()))
    return std::string(kNamedWords[static_cast<std::size_t>(index)]);
  if (index >= kFirstTestRow && index < kFirstTestRow + kTestWords)
    return "Test[" + std::to_string(index - kFirstTestRow) + "]";
  return {};
}

}  // namespace q6
