#pragma once

#include "core/info/infofenst.h"
#include "core/language/lang_form.h"
#include "core/shell/form1.h"
#include "core/shell/platform_services.h"

namespace q6 {

// The program's windows in their creation order, and the start-up after the single-instance
// check: the main window's creation, then the stored language or the chooser.
class Application {
 public:
  explicit Application(PlatformServices& platform);

  void Start();
  void ComboBox1Click();

  TForm1& form1() { return form1_; }
  TInfofenst& infofenst() { return infofenst_; }
  Tlang_form& langForm() { return langForm_; }

 private:
  TForm1 form1_;
  TInfofenst infofenst_;
  Tlang_form langForm_;
};

}  // namespace q6
