#pragma once

#include <span>
#include <string>
#include <string_view>

namespace q6 {

// How a key's value is written and read, and which kind of control it belongs to.
enum class KeyKind {
  Time,        // a time field, "HH:mm:ss"
  Number,      // a spin field, decimal
  Flag,        // a check box, "1" or "0"
  Item,        // a radio group, the selected item index
  PowerClass,  // the power class radio group, the class value of the selected item
};

struct SettingKey {
  std::string_view name;
  KeyKind kind;
  std::string_view control;
  // Seconds of the day for a time; the value (flag: 1 on, 0 off) for the others.
  int fallback;
};

// One section of a settings file: the keys in the order they are written and in the order they
// are read, and whether the date of saving comes first.
struct SettingsSection {
  std::string_view name;
  bool dated;
  std::span<const SettingKey* const> saveOrder;
  std::span<const SettingKey* const> loadOrder;
};

// A kind of settings file: its sections and its file dialogs.
struct SettingsFileKind {
  std::span<const SettingsSection> sections;
  std::string_view filter;
  std::string_view openDefaultExt;
  std::string_view saveDefaultExt;
  // Appended by the extension rule; with the dot.
  std::string_view extension;
  // Whether the menu command validates all fields once the file is loaded.
  bool validateAfterLoad;
};

extern const SettingsFileKind kDimmProfileFile;
extern const SettingsFileKind kDeviceSettingsFile;
extern const SettingsFileKind kProductDataFile;

// The name unchanged when one of its last four characters is a dot, else with `extension`.
std::string ApplyExtensionRule(std::string_view name, std::string_view extension);

}  // namespace q6
