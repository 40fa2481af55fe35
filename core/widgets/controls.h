#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/widgets/control.h"
#include "core/widgets/event.h"

namespace q6 {

class Label : public CaptionedControl {
 public:
  explicit Label(std::string name, std::string caption = {})
      : CaptionedControl(std::move(name), ControlKind::Label, std::move(caption)) {}
};

class GroupBox : public CaptionedControl {
 public:
  explicit GroupBox(std::string name, std::string caption = {})
      : CaptionedControl(std::move(name), ControlKind::GroupBox, std::move(caption)) {}
};

// A tab page; its visibility is whether the tab is offered at all.
class TabPage : public CaptionedControl {
 public:
  explicit TabPage(std::string name, std::string caption = {})
      : CaptionedControl(std::move(name), ControlKind::TabPage, std::move(caption)) {}
};

class PageControl : public Control {
 public:
  explicit PageControl(std::string name) : Control(std::move(name), ControlKind::PageControl) {}
  int activePage() const { return activePage_; }
  void setActivePage(int index) { assign(activePage_, index, Property::ItemIndex); }
  // Size in pixels as the view lays it out; diagnostics report it.
  int width = 0;
  int height = 0;

 private:
  int activePage_ = 0;
};

class Button : public CaptionedControl {
 public:
  explicit Button(std::string name, std::string caption = {})
      : CaptionedControl(std::move(name), ControlKind::Button, std::move(caption)) {}
  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }
  // Runs the handler like a press; callers that simulate a press rely on it ignoring `enabled`.
  void click() { OnClick(); }
  Event<> OnClick;

 private:
  int tag_ = 0;
};

class MenuItem : public CaptionedControl {
 public:
  explicit MenuItem(std::string name, std::string caption = {})
      : CaptionedControl(std::move(name), ControlKind::MenuItem, std::move(caption)) {}
  bool checked() const { return checked_; }
  void setChecked(bool checked) { assign(checked_, checked, Property::Checked); }
  void click() { OnClick(); }
  Event<> OnClick;

 private:
  bool checked_ = false;
};

class Edit : public CaptionedControl {
 public:
  explicit Edit(std::string name, std::string text = {})
      : CaptionedControl(std::move(name), ControlKind::Edit) {
    setColor(colors::kWindow);
    text_ = std::move(text);
  }
  const std::string& text() const { return text_; }
  void setText(std::string text) {
    if (assign(text_, text, Property::Text)) OnChange();
  }
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly) { assign(readOnly_, readOnly, Property::ReadOnly); }
  // The user clicked into the field.
  void click() { OnClick(); }
  Event<> OnChange;
  Event<> OnClick;

 private:
  std::string text_;
  bool readOnly_ = false;
};

// An edit with its attached up-down buttons. Named after the up-down; the edit keeps its own
// name for colouring. A value set outside the range lands on the nearest bound.
class SpinField : public CaptionedControl {
 public:
  SpinField(std::string name, std::string editName, int min, int max, int value, int step = 1)
      : CaptionedControl(std::move(name), ControlKind::SpinField),
        editName_(std::move(editName)),
        min_(min),
        max_(max),
        step_(step),
        value_(std::clamp(value, min, max)) {
    setColor(colors::kWindow);
  }
  const std::string& editName() const { return editName_; }
  int value() const { return value_; }
  int min() const { return min_; }
  int max() const { return max_; }
  int step() const { return step_; }
  std::string text() const { return std::to_string(value_); }

  void setValue(int value) {
    const int clamped = std::clamp(value, min_, max_);
    if (clamped == value_) return;
    OnChanging(value);
    value_ = clamped;
    notify(Property::Value);
    OnChange();
  }
  void setRange(int min, int max) {
    if (min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    notify(Property::Range);
    setValue(value_);
  }
  void setMin(int min) { setRange(min, max_); }
  void setMax(int max) { setRange(min_, max); }
  void stepUp() { setValue(value_ + step_); }
  void stepDown() { setValue(value_ - step_); }

  // Runs before a new value is taken, with the requested (not yet clamped) value.
  Event<int> OnChanging;
  Event<> OnChange;

 private:
  std::string editName_;
  int min_;
  int max_;
  int step_;
  int value_;
};

// A time-of-day picker. Holds seconds since midnight; `valid` is false while the field shows
// a value that is no time of day.
class TimeField : public CaptionedControl {
 public:
  explicit TimeField(std::string name, int secondsOfDay = 0)
      : CaptionedControl(std::move(name), ControlKind::TimeField), seconds_(secondsOfDay) {
    setColor(colors::kWindow);
  }
  int seconds() const { return seconds_; }
  bool valid() const { return valid_; }
  void setSeconds(int seconds) {
    const bool changed = seconds != seconds_ || !valid_;
    seconds_ = seconds;
    valid_ = true;
    if (!changed) return;
    notify(Property::Value);
    OnChange();
  }
  void setInvalid() {
    if (!valid_) return;
    valid_ = false;
    notify(Property::Value);
    OnChange();
  }
  Event<> OnChange;

 private:
  int seconds_;
  bool valid_ = true;
};

class CheckBox : public CaptionedControl {
 public:
  explicit CheckBox(std::string name, std::string caption = {})
      : CaptionedControl(std::move(name), ControlKind::CheckBox, std::move(caption)) {}
  bool checked() const { return checked_; }
  void setChecked(bool checked) {
    if (assign(checked_, checked, Property::Checked)) OnClick();
  }
  Event<> OnClick;

 private:
  bool checked_ = false;
};

// Items with one selected index (-1: none). Radio groups and drop-down lists share it.
class ItemList : public CaptionedControl {
 public:
  ItemList(std::string name, ControlKind kind, std::vector<std::string> items, int index = -1)
      : CaptionedControl(std::move(name), kind), items_(std::move(items)), index_(index) {}
  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items) {
    if (!assign(items_, items, Property::Items)) return;
    if (index_ >= static_cast<int>(items_.size())) setItemIndex(-1);
  }
  void setItem(std::size_t index, std::string text) {
    if (index >= items_.size() || items_[index] == text) return;
    items_[index] = std::move(text);
    notify(Property::Items);
  }
  int itemIndex() const { return index_; }
  void setItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    if (assign(index_, index, Property::ItemIndex)) changed();
  }
  std::string text() const {
    return index_ >= 0 ? items_[static_cast<std::size_t>(index_)] : std::string{};
  }

 protected:
  virtual void changed() = 0;

 private:
  std::vector<std::string> items_;
  int index_;
};

class RadioGroup : public ItemList {
 public:
  RadioGroup(std::string name, std::string caption, std::vector<std::string> items, int index = -1)
      : ItemList(std::move(name), ControlKind::RadioGroup, std::move(items), index) {
    setCaption(std::move(caption));
  }
  Event<> OnClick;

 protected:
  void changed() override { OnClick(); }
};

// A drop-down list. As in the original toolkit, only the user's pick runs OnChange; setting the
// index from the program is silent.
class ComboBox : public ItemList {
 public:
  ComboBox(std::string name, std::vector<std::string> items, int index = -1)
      : ItemList(std::move(name), ControlKind::ComboBox, std::move(items), index) {
    setColor(colors::kWindow);
  }
  void pick(int index) {
    setItemIndex(index);
    OnChange();
  }
  Event<> OnChange;

 protected:
  void changed() override {}
};

// A shape used as a lamp; its colour is the fill.
class Indicator : public CaptionedControl {
 public:
  explicit Indicator(std::string name) : CaptionedControl(std::move(name), ControlKind::Indicator) {
    setColor(colors::kUnlit);
  }
  // The colour told in words, for a listener who cannot see it. The text table has no general
  // words for lamp states, so these are the same in every language.
  std::string stateText() const;
};

class ProgressBar : public Control {
 public:
  explicit ProgressBar(std::string name, int max = 100)
      : Control(std::move(name), ControlKind::ProgressBar), max_(max) {}
  int position() const { return position_; }
  void setPosition(int position) {
    assign(position_, std::clamp(position, 0, max_), Property::Value);
  }
  int max() const { return max_; }

 private:
  int max_;
  int position_ = 0;
};

class StatusBar : public Control {
 public:
  struct Panel {
    std::string text;
    int width = 0;  // 0: takes the remaining room
    friend bool operator==(const Panel&, const Panel&) = default;
  };
  StatusBar(std::string name, std::vector<Panel> panels)
      : Control(std::move(name), ControlKind::StatusBar), panels_(std::move(panels)) {}
  const std::vector<Panel>& panels() const { return panels_; }
  const std::string& panelText(std::size_t index) const { return panels_.at(index).text; }
  void setPanelText(std::size_t index, std::string text) {
    if (panels_.at(index).text == text) return;
    panels_[index].text = std::move(text);
    notify(Property::Panels);
  }

 private:
  std::vector<Panel> panels_;
};

class Memo : public CaptionedControl {
 public:
  explicit Memo(std::string name) : CaptionedControl(std::move(name), ControlKind::Memo) {
    setColor(colors::kWindow);
  }
  const std::vector<std::string>& lines() const { return lines_; }
  void add(std::string line) {
    lines_.push_back(std::move(line));
    notify(Property::Lines);
  }
  void clear() {
    if (lines_.empty()) return;
    lines_.clear();
    notify(Property::Lines);
  }

 private:
  std::vector<std::string> lines_;
};

class Timer : public Control {
 public:
  Timer(std::string name, int intervalMs, bool enabled)
      : Control(std::move(name), ControlKind::Timer), interval_(intervalMs) {
    setEnabled(enabled);
  }
  int interval() const { return interval_; }
  void setInterval(int ms) { assign(interval_, ms, Property::Interval); }
  // Called by the view's clock or by a test; a disabled timer does not fire.
  void fire() {
    if (enabled()) OnTimer();
  }
  Event<> OnTimer;

 private:
  int interval_;
};

}  // namespace q6
