#include "core/shell/application.h"

namespace q6 {

// form1_ only keeps a reference to the information window while it is being built; it uses it
// from the first menu click on.
Application::Application(PlatformServices& platform) : form1_(platform, infofenst_) {
  langForm_.ComboBox1.OnChange.attach([this] { ComboBox1Click(); });
}

void Application::Start() {
  form1_.FormCreate();
  if (!form1_.SelectStartupLanguage()) langForm_.setVisible(true);
}

void Application::ComboBox1Click() {
  if (langForm_.ComboBox1.itemIndex() == 1)
    form1_.english1Click();
  else
    form1_.german1Click();
  langForm_.setVisible(false);
}

}  // namespace q6
