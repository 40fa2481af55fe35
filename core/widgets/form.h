#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/widgets/control.h"

namespace q6 {

// A window: its own caption and size, and the named controls it owns. The view finds each
// control's widget by the same name.
class Form : public CaptionedControl {
 public:
  Form(std::string name, std::string caption, int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  void setSize(int width, int height);

  template <typename T, typename... Args>
  T& add(Args&&... args) {
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *control;
    registerControl(std::move(control));
    return ref;
  }

  Control* find(const std::string& name) const;
  template <typename T>
  T* findAs(const std::string& name) const {
    return dynamic_cast<T*>(find(name));
  }
  const std::vector<Control*>& controls() const { return order_; }

  // A control that no label stands beside is named, for assistive technology, after the
  // captions of other controls (a grid's row and column headings, a group's title), in order.
  void nameAfter(const std::string& control, std::vector<std::string> captionSources);
  const std::map<std::string, std::vector<std::string>>& namedAfter() const { return namedAfter_; }

  // The control that holds the input focus; the view moves the real focus to it.
  const std::string& focused() const { return focused_; }
  void setFocus(const std::string& name) { assign(focused_, name, Property::Focus); }

 private:
  void registerControl(std::unique_ptr<Control> control);

  int width_;
  int height_;
  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<Control*> order_;
  std::map<std::string, Control*> byName_;
  std::string focused_;
  std::map<std::string, std::vector<std::string>> namedAfter_;
};

}  // namespace q6
