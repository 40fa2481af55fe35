#include "core/service/access_levels.h"

namespace q6 {
namespace {

using enum LevelSwitch;
constexpr std::array<bool, 4> kFromLevel1{false, true, true, true};
constexpr std::array<bool, 4> kFromLevel2{false, false, true, true};
constexpr std::array<bool, 4> kLevel2Only{false, false, true, false};
constexpr std::array<bool, 4> kLevel3Only{false, false, false, true};
constexpr std::array<bool, 4> kAlways{true, true, true, true};

// Every level sets every row, so any level may follow any other.
constexpr LevelRow kLevelTable[] = {
    {"MpGeraetedatenLaden", Enabled, kFromLevel1},
    {"MpGeraetedatenSpeichern", Enabled, kFromLevel1},
    {"RgNetzSetup", Enabled, kFromLevel1},
    {"GbFreileitung", Enabled, kFromLevel1},
    {"LbUAcStart", Enabled, kFromLevel1},
    {"UdUAcStart", Enabled, kFromLevel1},
    {"LbUAcNenn", Enabled, kFromLevel1},
    {"UdUAcNenn", Enabled, kFromLevel1},
    {"LbUacNachzuend", Enabled, kFromLevel1},
    {"UdUacNachzuend", Enabled, kFromLevel1},
    {"LbUAcVorStart", Enabled, kFromLevel1},
    {"UdUAcVorStart", Enabled, kFromLevel1},
    {"LbTimeVorStartrampe", Enabled, kFromLevel1},
    {"UdTimeVorStartrampe", Enabled, kFromLevel1},
    {"LbTimeStartrampe", Enabled, kFromLevel1},
    {"UdTimeStartrampe", Enabled, kFromLevel1},
    {"LbDauerStartspannung", Enabled, kFromLevel1},
    {"UdDauerStartspannung", Enabled, kFromLevel1},
    {"LbTimeNachzuend", Enabled, kFromLevel1},
    {"UdTimeNachzuend", Enabled, kFromLevel1},
    {"RgVersion", Visible, kFromLevel2},
    {"RgLeistungsklasse", Visible, kFromLevel2},
    {"GbLeistungsgrenzwerte", Visible, kFromLevel2},
    {"GbHardware", Visible, kFromLevel2},
    {"EdUz", Visible, kLevel2Only},
    {"LbUz", Visible, kLevel2Only},
    {"EdIdc", Visible, kLevel2Only},
    {"LbIdc", Visible, kLevel2Only},
    {"TsDimmprofil", Visible, kAlways},
    {"TsGeraeteeinstellungen", Visible, kAlways},
    {"TSFehlerspeicher", Visible, kAlways},
    {"TsKalibrierung", Visible, kFromLevel2},
    {"TsRam", Visible, kFromLevel2},
    {"TsEeprom", Visible, kFromLevel2},
    {"TsEntwicklung", Visible, kFromLevel2},
    {"TsExport", Visible, kLevel3Only},
    {"TsTest", Visible, kLevel3Only},
    {"MpProduktion", Visible, kFromLevel2},
    {"err_mem_clear_bt", Visible, kFromLevel2},
};

struct Password {
  std::string_view text;
  int level;
};
// Compared in this order, exactly.
constexpr Password kPasswords[] = {{"pqtzrw5", 1}, {"Ulmen7361", 2}, {"fobe2473", 3}};

}  // namespace

std::span<const LevelRow> LevelTable() { return kLevelTable; }

int PasswordToLevel(std::string_view password) {
  for (const auto& [text, level] : kPasswords)
    if (text == password) return level;
  return kNoLevel;
}

}  // namespace q6
