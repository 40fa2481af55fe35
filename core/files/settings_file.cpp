#include <algorithm>

#include "core/device/power_class.h"
#include "core/files/file_path.h"
#include "core/files/setting_values.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr std::size_t kFilePanel = 1;

// A value quoted in a message; a damaged file may hold megabytes on one line.
std::string Shortened(const std::string& value) {
  std::size_t shown = 40;
  if (value.size() <= shown) return value;
  // Cut before a character, not inside its UTF-8 sequence.
  while (shown > 0 && (static_cast<unsigned char>(value[shown]) & 0xC0) == 0x80) --shown;
  return value.substr(0, shown) + "...";
}

// A radio index outside the items selects the nearest one, so one item always stays selected.
int NearestItem(const RadioGroup& group, int index) {
  return std::clamp(index, 0, static_cast<int>(group.items().size()) - 1);
}

}  // namespace

bool TForm1::LoadSettingKey(const IniFile& ini, std::string_view section, const SettingKey& key,
                            const std::string& path) {
  const std::string controlName(key.control);
  const auto value = ini.read(section, key.name);
  const auto number = value ? ParseInteger(*value) : std::nullopt;
  const int chosen = number.value_or(key.fallback);
  switch (key.kind) {
    case KeyKind::Time: {
      const auto seconds = value ? ParseTimeOfDay(*value, fs) : key.fallback;
      if (!seconds) {
        platform_.dialogs.ShowMessage(path + ": Ungültige Uhrzeit '" + Shortened(*value) +
                                      "' bei \"" + std::string(key.name) + "\"");
        return false;
      }
      findAs<TimeField>(controlName)->setSeconds(*seconds);
      break;
    }
    case KeyKind::Number:
      findAs<SpinField>(controlName)->setValue(chosen);
      break;
    case KeyKind::Flag:
      findAs<CheckBox>(controlName)->setChecked(chosen != 0);
      break;
    case KeyKind::Item: {
      auto& group = *findAs<RadioGroup>(controlName);
      group.setItemIndex(NearestItem(group, chosen));
      break;
    }
    case KeyKind::PowerClass: {
      // Selected silently: the limits come from their own keys, not from the class.
      PowerClassValue = chosen;
      auto& group = *findAs<RadioGroup>(controlName);
      auto handler = group.OnClick.detach();
      group.setItemIndex(PowerClassToIndex(chosen));
      group.OnClick.attach(std::move(handler));
      break;
    }
  }
  return true;
}

std::string TForm1::SettingKeyText(const SettingKey& key) {
  const std::string controlName(key.control);
  switch (key.kind) {
    case KeyKind::Time:
      return FormatTimeOfDay(findAs<TimeField>(controlName)->seconds(), fs);
    case KeyKind::Number:
      return findAs<SpinField>(controlName)->text();
    case KeyKind::Flag:
      return findAs<CheckBox>(controlName)->checked() ? "1" : "0";
    case KeyKind::Item:
      return std::to_string(findAs<RadioGroup>(controlName)->itemIndex());
    case KeyKind::PowerClass:
      PowerClassValue = IndexToPowerClass(findAs<RadioGroup>(controlName)->itemIndex());
      return std::to_string(PowerClassValue);
  }
  return {};
}

bool TForm1::LoadSettingsFile(const std::string& path, const SettingsFileKind& kind) {
  const auto loaded = LoadIniFile(FilePath(path));
  if (!loaded.error.empty()) {
    platform_.dialogs.ShowMessage(loaded.error);
    return false;
  }
  for (const SettingsSection& section : kind.sections)
    for (const SettingKey* key : section.loadOrder)
      if (!LoadSettingKey(loaded.ini, section.name, *key, path)) return false;
  frame.SbInfo.setPanelText(kFilePanel, "File: " + path);
  return true;
}

void TForm1::SaveSettingsFile(const std::string& path, const SettingsFileKind& kind) {
  // The whole file is replaced at once, with the content the key-by-key writes would leave, so
  // a failure half-way never leaves a half-updated file.
  auto loaded = LoadIniFile(FilePath(path));
  if (!loaded.error.empty()) {
    platform_.dialogs.ShowMessage("Datei nicht gespeichert: " + loaded.error);
    return;
  }
  for (const SettingsSection& section : kind.sections) {
    if (section.dated)
      loaded.ini.write(section.name, "Datum:", FormatSaveMoment(platform_.clock.now(), fs));
    for (const SettingKey* key : section.saveOrder)
      loaded.ini.write(section.name, key->name, SettingKeyText(*key));
  }
  if (const auto failure = SaveIniFile(FilePath(path), loaded.ini, IniEncoding::Windows1252))
    platform_.dialogs.ShowMessage("Datei nicht gespeichert: " + *failure);
}

void TForm1::OpenSettingsFile(const SettingsFileKind& kind, const std::string& folder) {
  const auto chosen =
      platform_.dialogs.OpenFileName({.initialDir = folder,
                                      .filter = std::string(kind.filter),
                                      .fileName = {},
                                      .defaultExt = std::string(kind.openDefaultExt)});
  if (!chosen) return;
  if (LoadSettingsFile(*chosen, kind) && kind.validateAfterLoad) CheckValues(*this);
}

void TForm1::SaveSettingsFileAs(const SettingsFileKind& kind, const std::string& folder) {
  const auto chosen =
      platform_.dialogs.SaveFileName({.initialDir = folder,
                                      .filter = std::string(kind.filter),
                                      .fileName = {},
                                      .defaultExt = std::string(kind.saveDefaultExt)});
  if (chosen) SaveSettingsFile(ApplyExtensionRule(*chosen, kind.extension), kind);
}

}  // namespace q6
