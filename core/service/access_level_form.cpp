#include "core/service/access_levels.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr int kRowPasswordCaption = 65;
constexpr int kRowPasswordPrompt = 66;
constexpr int kRowPasswordDefault = 163;
// The shortest dimming transition time, by level.
constexpr int kShortTransition = 5;
constexpr int kNormalTransition = 25;
constexpr int kShortTransitionLevel = 2;

}  // namespace

void TForm1::MenuePasswort1Click() {
  const auto entry = platform_.dialogs.InputPassword(GetInfoString(kRowPasswordCaption),
                                                     GetInfoString(kRowPasswordPrompt),
                                                     GetInfoString(kRowPasswordDefault));
  if (!entry) return;
  if (const int level = PasswordToLevel(*entry); level != kNoLevel) ApplyPasswordLevel(level);
}

void TForm1::ApplyPasswordLevel(int level) {
  PasswordLevel = level;
  const int shortest = level == kShortTransitionLevel ? kShortTransition : kNormalTransition;
  config.UdTimePRedUp.setMin(shortest);
  config.UdTimePRedDown.setMin(shortest);
  for (const auto& [name, what, on] : LevelTable()) {
    Control* control = find(name);
    if (!control) continue;
    const bool state = on[static_cast<std::size_t>(level)];
    if (what == LevelSwitch::Enabled)
      control->setEnabled(state);
    else
      control->setVisible(state);
  }
  // The changeover group follows the operating mode as well as the level.
  ApplyOperatingMode();
}

void TForm1::InitAccessLevel() {
  ApplyPasswordLevel(0);
  frame.PageControl1.setActivePage(0);
  LanguageCode = "ger";
  Info.SoftwareVName = kSoftwareVersionName;
  Info.SoftwareVDate = kSoftwareVersionDate;
}

}  // namespace q6
