#include "core/device/ram_map.h"

#include <array>
#include <string_view>

namespace q6 {
namespace {

// Words 0x0030..0x0096 by row; the rows after them are unused words and test words.
constexpr std::array<std::string_view, 52> kNamedWords = {
    "UzMittel",
    "UAcMittel",
    "IzMittel",
    "TempKK1",
    "TempKK2",
    "PDc",
    "PRedSoll",
    "PRedIst",
    "PRedSps",
    "FreqSoll",
    "FreqIst",
    "UAcSollSps",
    "Regime",
    "RegimeStart",
    "DimZone",
    "EinbrennTimer",
    "BhzGesamt Low",
    "BhzGesamt High",
    "BhzGedimmt Low",
    "BhzGedimmt High",
    "TaktSollSps",
    "TaktSollRampe",
    "PRedQuelle",
    "",
    "AnzeigeBits",
    "InfoBits",
    "CheckBits ",
    "JumperInfo",
    "ErrorBits",
    "ErrorBitsSave",
    "StatusSetBits",
    "StatusClearBits",
    "Min / Sec",
    "Days / Hour",
    "Months / Date",
    "--- / Year",
    "PRedUhr",
    "---",
    "PRedAn10V",
    "PRedPoti",
    "UAcSollRampe",
    "UAcSoll",
    "UGrenzLeistung",
    "Taktübergabe",
    "TaktGrenzLeistung",
    "UGrenzTemp",
    "TaktGrenzTemp",
    "---",
    "---",
    "---",
    "---",
    "---",
};

constexpr int kFirstTestRow = 64;  // 0x00B0

}  // namespace

std::string RamWordName(int index) {
  if (index >= 0 && index < static_cast<int>(kNamedWords.size()))
    return std::string(kNamedWords[static_cast<std::size_t>(index)]);
  if (index >= kFirstTestRow) return "Test[" + std::to_string(index - kFirstTestRow) + "]";
  return "---";
}

}  // namespace q6
