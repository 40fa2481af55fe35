#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/widgets/color.h"

namespace q6 {

enum class ControlKind {
  Edit,
  SpinField,
  TimeField,
  RadioGroup,
  CheckBox,
  ComboBox,
  Label,
  Button,
  Indicator,
  ProgressBar,
  StatusBar,
  Memo,
  Grid,
  TabPage,
  PageControl,
  MenuItem,
  GroupBox,
  Timer,
  Window,
};

const char* ControlKindName(ControlKind kind);

// Which property of a control changed; a view refreshes just that aspect.
enum class Property {
  Enabled,
  Visible,
  Caption,
  Text,
  Color,
  FontColor,
  Value,
  Range,
  Items,
  ItemIndex,
  Checked,
  Lines,
  Cells,
  Panels,
  Interval,
  ReadOnly,
  Focus,
  Size,
};

class Control {
 public:
  using Observer = std::function<void(Property)>;
  using ObserverId = std::size_t;

  Control(std::string name, ControlKind kind) : name_(std::move(name)), kind_(kind) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) { assign(enabled_, enabled, Property::Enabled); }
  bool visible() const { return visible_; }
  void setVisible(bool visible) { assign(visible_, visible, Property::Visible); }

  // Views and tests watch a control; every observer hears each real change once.
  ObserverId observe(Observer observer);
  void unobserve(ObserverId id);

 protected:
  void notify(Property property);

  template <typename T>
  bool assign(T& field, const T& value, Property property) {
    if (field == value) return false;
    field = value;
    notify(property);
    return true;
  }

 private:
  std::string name_;
  ControlKind kind_;
  bool enabled_ = true;
  bool visible_ = true;
  std::vector<std::pair<ObserverId, Observer>> observers_;
  ObserverId nextObserverId_ = 1;
};

// Caption, background and text colour: shared by most visible controls.
class CaptionedControl : public Control {
 public:
  CaptionedControl(std::string name, ControlKind kind, std::string caption = {})
      : Control(std::move(name), kind), caption_(std::move(caption)) {}

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption) { assign(caption_, caption, Property::Caption); }
  Rgb color() const { return color_; }
  void setColor(Rgb color) { assign(color_, color, Property::Color); }
  Rgb fontColor() const { return fontColor_; }
  void setFontColor(Rgb color) { assign(fontColor_, color, Property::FontColor); }

 private:
  std::string caption_;
  Rgb color_ = colors::kPanel;
  Rgb fontColor_ = colors::kText;
};

}  // namespace q6
