#include "core/language/lang_form.h"

namespace q6 {

Tlang_form::Tlang_form()
    : Form("lang_form", "Languagetool", 300, 120),
      Label1(add<Label>("Label1", "Please choose a language!")),
      ComboBox1(add<ComboBox>("ComboBox1", std::vector<std::string>{"Deutsch", "english"})) {
  // The list shows "Language" until an item is picked.
  ComboBox1.setCaption("Language");
  setVisible(false);
}

}  // namespace q6
