#include "core/language/caption_rows.h"
#include "core/shell/form1.h"

namespace q6 {

std::string TForm1::GetInfoString(int row) const {
  if (row < 0 || row >= kTextRows) return {};
  Language column = Language::German;
  if (frame.english1.checked())
    column = Language::English;
  else if (frame.german1.checked())
    column = Language::German;
  else if (frame.Schwe1.checked())
    column = Language::Swedish;
  else if (frame.Franzsich1.checked())
    column = Language::French;
  else if (frame.tuerk1.checked())
    column = Language::Turkish;
  return kTextTable[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void TForm1::ApplyLanguage() {
  for (const auto& [row, window, name] : CaptionRows()) {
    Form& target = window == LanguageWindow::Main ? static_cast<Form&>(*this) : infofenst_;
    CaptionedControl* control =
        name == target.name() ? &target : target.findAs<CaptionedControl>(name);
    if (control) control->setCaption(GetInfoString(row));
  }
  for (const auto& [row, name, item] : ItemRows())
    if (auto* group = findAs<RadioGroup>(name)) group->setItem(item, GetInfoString(row));
  for (const auto& [row, field] : MessageRows()) Msg.*field = GetInfoString(row);
  ShowErrorGridHeadings();
  modes.Memo1.clear();
  comm.BtComActivate.setCaption(GetInfoString(sio_started ? kRowComStop : kRowComActivate));
}

void TForm1::SelectLanguage(MenuItem& item, const char* code) {
  LanguageCode = code;
  for (MenuItem* other :
       {&frame.german1, &frame.english1, &frame.Schwe1, &frame.Franzsich1, &frame.tuerk1})
    other->setChecked(other == &item);
  ApplyLanguage();
}

void TForm1::german1Click() { SelectLanguage(frame.german1, "ger"); }
void TForm1::english1Click() { SelectLanguage(frame.english1, "eng"); }
void TForm1::Schwe1Click() { SelectLanguage(frame.Schwe1, "schw"); }
void TForm1::Franzsich1Click() { SelectLanguage(frame.Franzsich1, "franz"); }
void TForm1::tuerk1Click() { SelectLanguage(frame.tuerk1, "tuerk"); }

bool TForm1::SelectStartupLanguage() {
  if (LanguageCode == "none") return false;
  if (LanguageCode == "eng")
    english1Click();
  else if (LanguageCode == "ger")
    german1Click();
  else if (LanguageCode == "schw")
    Schwe1Click();
  else if (LanguageCode == "franz")
    Franzsich1Click();
  else if (LanguageCode == "tuerk")
    tuerk1Click();
  return true;
}

}  // namespace q6
