#pragma once

#include <utility>

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// A control with its caption label before it. Only the control is kept; a language finds the
// label by its name.
template <typename T, typename... Args>
T& AddCaptioned(Form& form, const char* label, const char* caption, Args&&... args) {
  form.add<Label>(label, caption);
  return form.add<T>(std::forward<Args>(args)...);
}

// A read-only one-line field with its caption label.
inline Edit& AddReadout(Form& form, const char* edit, const char* label, const char* caption) {
  Edit& field = AddCaptioned<Edit>(form, label, caption, edit);
  field.setReadOnly(true);
  return field;
}

}  // namespace q6
