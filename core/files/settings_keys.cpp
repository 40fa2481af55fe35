#include "core/files/settings_keys.h"

#include <array>
#include <string>

namespace q6 {
namespace {

constexpr int Clock(int hours) { return hours * 3600; }

constexpr SettingKey kWtTime1{"WT_Time1:", KeyKind::Time, "DateTimePicker_Mo1", Clock(20)};
constexpr SettingKey kWtTime2{"WT_Time2:", KeyKind::Time, "DateTimePicker_Mo2", Clock(22)};
constexpr SettingKey kWtTime3{"WT_Time3:", KeyKind::Time, "DateTimePicker_Mo3", Clock(5)};
constexpr SettingKey kWtEnd{"WT_Endtime:", KeyKind::Time, "DateTimePicker_Mo_End", Clock(6)};
// The same defaults as the Sunday-to-Thursday night, not the start-up values of the fields.
constexpr SettingKey kWeTime1{"WE_Time1:", KeyKind::Time, "DateTimePicker_Sa1", Clock(20)};
constexpr SettingKey kWeTime2{"WE_Time2:", KeyKind::Time, "DateTimePicker_Sa2", Clock(22)};
constexpr SettingKey kWeTime3{"WE_Time3:", KeyKind::Time, "DateTimePicker_Sa3", Clock(5)};
constexpr SettingKey kWeEnd{"WE_Endtime:", KeyKind::Time, "DateTimePicker_Sa_End", Clock(6)};
constexpr SettingKey kWtRed1{"WT_P_Red1:", KeyKind::Number, "UdWt1", 30};
constexpr SettingKey kWtRed2{"WT_P_Red2:", KeyKind::Number, "UdWt2", 67};
constexpr SettingKey kWtRed3{"WT_P_Red3:", KeyKind::Number, "UdWt3", 30};
constexpr SettingKey kWeRed1{"WE_P_Red1:", KeyKind::Number, "UdWe1", 30};
constexpr SettingKey kWeRed2{"WE_P_Red2:", KeyKind::Number, "UdWe2", 67};
constexpr SettingKey kWeRed3{"WE_P_Red3:", KeyKind::Number, "UdWe3", 30};
constexpr SettingKey kBurnIn{"Einbrennzeit:", KeyKind::Number, "UdEinbrennzeit", 10};
constexpr SettingKey kDarken{"TimePRedUp:", KeyKind::Number, "UdTimePRedUp", 600};
constexpr SettingKey kBrighten{"TimePRedDown:", KeyKind::Number, "UdTimePRedDown", 600};

constexpr SettingKey kPreStartVolts{"Vorstartspannung:", KeyKind::Number, "UdUAcVorStart", 180};
constexpr SettingKey kPreStartRamp{"Dauer Vorstartrampe:", KeyKind::Number, "UdTimeVorStartrampe",
                                   10};
constexpr SettingKey kStartRamp{"Dauer Startrampe:", KeyKind::Number, "UdTimeStartrampe", 10};
constexpr SettingKey kStartVolts{"Startspannung:", KeyKind::Number, "UdUAcStart", 230};
constexpr SettingKey kStartDuration{"Dauer Startspannung:", KeyKind::Number, "UdDauerStartspannung",
                                    10};
constexpr SettingKey kNominalVolts{"Nennspannung:", KeyKind::Number, "UdUAcNenn", 230};
constexpr SettingKey kReigniteVolts{"Nachzündspannung:", KeyKind::Number, "UdUacNachzuend", 240};
constexpr SettingKey kReigniteDuration{"Dauer Nachzünden:", KeyKind::Number, "UdTimeNachzuend", 2};
constexpr SettingKey kBurnInFrequency{"EinbrennFrequenz:", KeyKind::Number, "UdEinbrennFrequenz",
                                      50};
constexpr SettingKey kChangeover{"Umschaltfrequenz:", KeyKind::Number, "UdUmschaltfrequenz", 70};
constexpr SettingKey kMode{"Versorgungsnetz:", KeyKind::Item, "RgNetzSetup", 0};
constexpr SettingKey kSummerTime{"Sommerzeitkorrektur:", KeyKind::Flag, "CbSommerzeitkorrektur", 1};
constexpr SettingKey kVersion{"Version:", KeyKind::Item, "RgVersion", 0};
constexpr SettingKey kPowerClass{"Leistungsklasse:", KeyKind::PowerClass, "RgLeistungsklasse", 0};
constexpr SettingKey kReductionOn{"PDcRed:", KeyKind::Number, "UdPDcRed", 4000};
constexpr SettingKey kReductionOff{"PDcRedOff:", KeyKind::Number, "UdPdcRedOff", 3950};
constexpr SettingKey kOverload{"PDcOverload:", KeyKind::Number, "UdPDCOverload", 4150};
constexpr SettingKey kHardware{"Hardwareversion:", KeyKind::Number, "UdHardwareversion", 24};

constexpr std::array<const SettingKey*, 17> kProfileKeys = {
    &kWtTime1, &kWtTime2, &kWtTime3, &kWtEnd,  &kWeTime1, &kWeTime2, &kWeTime3, &kWeEnd,   &kWtRed1,
    &kWtRed2,  &kWtRed3,  &kWeRed1,  &kWeRed2, &kWeRed3,  &kBurnIn,  &kDarken,  &kBrighten};

constexpr std::array<const SettingKey*, 12> kDeviceSaveOrder = {
    &kPreStartVolts,   &kPreStartRamp, &kStartRamp,     &kStartVolts,
    &kStartDuration,   &kNominalVolts, &kReigniteVolts, &kReigniteDuration,
    &kBurnInFrequency, &kChangeover,   &kMode,          &kSummerTime};
constexpr std::array<const SettingKey*, 12> kDeviceLoadOrder = {
    &kPreStartRamp,    &kPreStartVolts, &kStartRamp,     &kStartVolts,
    &kStartDuration,   &kNominalVolts,  &kReigniteVolts, &kReigniteDuration,
    &kBurnInFrequency, &kMode,          &kChangeover,    &kSummerTime};

constexpr std::array<const SettingKey*, 18> kProductSaveOrder = {
    &kPreStartVolts, &kPreStartRamp,  &kStartRamp,        &kStartVolts,      &kStartDuration,
    &kNominalVolts,  &kReigniteVolts, &kReigniteDuration, &kBurnInFrequency, &kMode,
    &kChangeover,    &kVersion,       &kPowerClass,       &kReductionOn,     &kReductionOff,
    &kOverload,      &kHardware,      &kSummerTime};
// The power class comes right before its limits, so the limits of the file win.
constexpr std::array<const SettingKey*, 18> kProductLoadOrder = {
    &kPreStartRamp, &kPreStartVolts, &kStartRamp,        &kStartVolts,      &kStartDuration,
    &kNominalVolts, &kReigniteVolts, &kReigniteDuration, &kBurnInFrequency, &kMode,
    &kChangeover,   &kVersion,       &kSummerTime,       &kPowerClass,      &kReductionOn,
    &kReductionOff, &kOverload,      &kHardware};

constexpr SettingsSection kOptions{"Options", true, kProfileKeys, kProfileKeys};
constexpr std::array<SettingsSection, 1> kProfileSections = {kOptions};
constexpr std::array<SettingsSection, 1> kDeviceSections = {
    {{"Settings", true, kDeviceSaveOrder, kDeviceLoadOrder}}};
constexpr std::array<SettingsSection, 2> kProductSections = {
    {kOptions, {"Settings", false, kProductSaveOrder, kProductLoadOrder}}};

}  // namespace

constexpr SettingsFileKind kDimmProfileFile{
    kProfileSections, "(*.ini)|*.ini", "ini", "ini", ".ini", true};
constexpr SettingsFileKind kDeviceSettingsFile{kDeviceSections, "(*.cfg)|*.cfg", "cfg",
                                               "gdt",           ".cfg",          false};
constexpr SettingsFileKind kProductDataFile{
    kProductSections, "(*.prd)|*.PRD", "prd", "prd", ".prd", true};

std::string ApplyExtensionRule(std::string_view name, std::string_view extension) {
  const auto tail = name.substr(name.size() > 4 ? name.size() - 4 : 0);
  std::string result(name);
  if (tail.find('.') == std::string_view::npos) result += extension;
  return result;
}

}  // namespace q6
