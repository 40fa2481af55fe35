#pragma once

#include <optional>
#include <string>

#include "core/widgets/form.h"

namespace q6 {

// A modal message box with an OK button: all that the serial worker needs.
class MessageDialog {
 public:
  virtual ~MessageDialog() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

// What a save-file dialog starts with. `filter` pairs descriptions and patterns with "|".
struct SaveFileRequest {
  std::string initialDir;
  std::string filter;
  std::string fileName;
  std::string defaultExt;
};

// The toolkit's modal dialogs.
class Dialogs : public MessageDialog {
 public:
  // Shows a window of the program and returns when the user has closed it.
  virtual void ShowModal(Form& window) = 0;
  // A modal error box with an error icon and a single abort button.
  virtual void ShowError(const std::string& text) = 0;
  // A modal input box with a masked entry whose default text the first keystroke replaces;
  // none when the user cancels.
  virtual std::optional<std::string> InputPassword(const std::string& caption,
                                                   const std::string& prompt,
                                                   const std::string& defaultText) = 0;
  // The chosen file name, or nothing when the user cancels. Overwriting is not asked here.
  virtual std::optional<std::string> SaveFileName(const SaveFileRequest& request) = 0;
  // The chosen file name, or nothing when the user cancels; a file that does not exist yet may
  // be chosen. Starts like a save dialog.
  virtual std::optional<std::string> OpenFileName(const SaveFileRequest& request) = 0;
  // A question with OK and Cancel; true for OK.
  virtual bool Confirm(const std::string& text) = 0;
};

}  // namespace q6
