#include "core/widgets/control.h"

#include <algorithm>

namespace q6 {

const char* ControlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
      return "Edit";
    case ControlKind::SpinField:
      return "SpinField";
    case ControlKind::TimeField:
      return "TimeField";
    case ControlKind::RadioGroup:
      return "RadioGroup";
    case ControlKind::CheckBox:
      return "CheckBox";
    case ControlKind::ComboBox:
      return "ComboBox";
    case ControlKind::Label:
      return "Label";
    case ControlKind::Button:
      return "Button";
    case ControlKind::Indicator:
      return "Indicator";
    case ControlKind::ProgressBar:
      return "ProgressBar";
    case ControlKind::StatusBar:
      return "StatusBar";
    case ControlKind::Memo:
      return "Memo";
    case ControlKind::Grid:
      return "Grid";
    case ControlKind::TabPage:
      return "TabPage";
    case ControlKind::PageControl:
      return "PageControl";
    case ControlKind::MenuItem:
      return "MenuItem";
    case ControlKind::GroupBox:
      return "GroupBox";
    case ControlKind::Timer:
      return "Timer";
    case ControlKind::Window:
      return "Window";
  }
  return "?";
}

Control::ObserverId Control::observe(Observer observer) {
  const ObserverId id = nextObserverId_++;
  observers_.emplace_back(id, std::move(observer));
  return id;
}

void Control::unobserve(ObserverId id) {
  std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void Control::notify(Property property) {
  // Copy: an observer may unobserve itself while being told.
  const auto observers = observers_;
  for (const auto& [id, observer] : observers) observer(property);
}

}  // namespace q6
