#include "core/widgets/form.h"

#include <cassert>

namespace q6 {

Form::Form(std::string name, std::string caption, int width, int height)
    : CaptionedControl(std::move(name), ControlKind::Window, std::move(caption)),
      width_(width),
      height_(height) {}

void Form::setSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  notify(Property::Size);
}

void Form::registerControl(std::unique_ptr<Control> control) {
  [[maybe_unused]] const bool fresh = byName_.emplace(control->name(), control.get()).second;
  assert(fresh && "control names are unique within a window");
  order_.push_back(control.get());
  owned_.push_back(std::move(control));
}

void Form::nameAfter(const std::string& control, std::vector<std::string> captionSources) {
  namedAfter_[control] = std::move(captionSources);
}

Control* Form::find(const std::string& name) const {
  const auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

}  // namespace q6
