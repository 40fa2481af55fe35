#pragma once

#include <string>

#include "core/widgets/form.h"

namespace q6 {

// A modal message box with an OK button: all that the serial worker needs.
class MessageDialog {
 public:
  virtual ~MessageDialog() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

// The toolkit's modal dialogs.
class Dialogs : public MessageDialog {
 public:
  // Shows a window of the program and returns when the user has closed it.
  virtual void ShowModal(Form& window) = 0;
  // A modal error box with an error icon and a single abort button.
  virtual void ShowError(const std::string& text) = 0;
};

}  // namespace q6
