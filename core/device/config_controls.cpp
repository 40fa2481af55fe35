#include "core/device/config_controls.h"

#include "core/device/captioned.h"

namespace q6 {
namespace {

constexpr int Hours(int hours) { return hours * 3600; }

// A spin field without a caption of its own; the grid row or column names it.
SpinField& AddPercent(Form& form, const char* updown, const char* edit, int value) {
  return form.add<SpinField>(updown, edit, 0, 67, value);
}

// A field only the program sets.
template <typename T>
T& Locked(T& control) {
  control.setEnabled(false);
  return control;
}

Edit& FixedText(Form& form, const char* name, const char* text) {
  Edit& edit = form.add<Edit>(name, text);
  edit.setReadOnly(true);
  return edit;
}

// The labels that head the four phase columns of a profile grid.
using Phases = std::array<const char*, 4>;

// A cell of a profile grid is named by its row heading and the phase that heads its column.
void NameGridRow(Form& form, const char* heading, const Phases& phases,
                 const std::array<const Control*, 4>& cells) {
  for (std::size_t column = 0; column < cells.size(); ++column)
    form.nameAfter(cells[column]->name(), {heading, phases[column]});
}

}  // namespace

ConfigControls::ConfigControls(Form& form)
    : DateTimePicker_Mo1(
          AddCaptioned<TimeField>(form, "LbZeit", "Zeit", "DateTimePicker_Mo1", Hours(20))),
      DateTimePicker_Mo2(form.add<TimeField>("DateTimePicker_Mo2", Hours(22))),
      DateTimePicker_Mo3(form.add<TimeField>("DateTimePicker_Mo3", Hours(5))),
      DateTimePicker_Mo_End(form.add<TimeField>("DateTimePicker_Mo_End", Hours(6))),
      DateTimePicker_Sa1(
          AddCaptioned<TimeField>(form, "Label7", "Zeit", "DateTimePicker_Sa1", Hours(22))),
      DateTimePicker_Sa2(form.add<TimeField>("DateTimePicker_Sa2", Hours(0))),
      DateTimePicker_Sa3(form.add<TimeField>("DateTimePicker_Sa3", Hours(7))),
      DateTimePicker_Sa_End(form.add<TimeField>("DateTimePicker_Sa_End", Hours(8))),
      UdWt1((form.add<Label>("Label14", "Energieeinsparung [%]"),
             AddPercent(form, "UdWt1", "EdWtRed1", 30))),
      UdWt2(AddPercent(form, "UdWt2", "EdWtRed2", 67)),
      UdWt3(AddPercent(form, "UdWt3", "EdWtRed3", 30)),
      EdWtRedEnd(FixedText(form, "EdWtRedEnd", "0")),
      UdWe1((form.add<Label>("Label66", "Energieeinsparung [%]"),
             AddPercent(form, "UdWe1", "EdWeRed1", 30))),
      UdWe2(AddPercent(form, "UdWe2", "EdWeRed2", 67)),
      UdWe3(AddPercent(form, "UdWe3", "EdWeRed3", 30)),
      EdWeRedEnd(FixedText(form, "EdWeRedEnd", "0")),
      GbDimmeinstellungen(form.add<GroupBox>("GbDimmeinstellungen", "Zeit zum ")),
      UdTimePRedUp(AddCaptioned<SpinField>(form, "Label56", "Verdunkeln [s]", "UdTimePRedUp",
                                           "EdTimePRedUp", 25, 600, 600, 5)),
      UdTimePRedDown(AddCaptioned<SpinField>(form, "Label58", "Erhellen [s]", "UdTimePRedDown",
                                             "EdTimePRedDown", 25, 600, 600, 5)),
      UdEinbrennzeit(AddCaptioned<SpinField>(form, "Label5", "Einbrennen [min]", "UdEinbrennzeit",
                                             "EdEinbrennzeit", 3, 15, 10)),
      GbStarteinstellungen(form.add<GroupBox>("GbStarteinstellungen", "Starteinstellungen")),
      UdEinbrennFrequenz(AddCaptioned<SpinField>(form, "LbEinbrennFrequenz",
                                                 "Einbrennfrequenz [Hz]", "UdEinbrennFrequenz",
                                                 "EdEinbrennFrequenz", 50, 70, 50)),
      EdEinbrennFrequenzU(FixedText(form, "EdEinbrennFrequenzU", "50")),
      UdUAcStart(AddCaptioned<SpinField>(form, "LbUAcStart", "Startspannung [V]", "UdUAcStart",
                                         "EdUAcStart", 210, 250, 238)),
      UdUAcNenn(AddCaptioned<SpinField>(form, "LbUAcNenn", "Nennspannung [V]", "UdUAcNenn",
                                        "EdUAcNenn", 210, 250, 230)),
      UdUacNachzuend(AddCaptioned<SpinField>(form, "LbUacNachzuend", "Nachzündspannung [V]",
                                             "UdUacNachzuend", "EdUacNachzuend", 210, 250, 240)),
      UdUAcVorStart(AddCaptioned<SpinField>(form, "LbUAcVorStart", "Vor-Startspannung [V]",
                                            "UdUAcVorStart", "EdUAcVorStart", 160, 210, 200)),
      UdTimeVorStartrampe(AddCaptioned<SpinField>(form, "LbTimeVorStartrampe", "Vor-Startrampe [s]",
                                                  "UdTimeVorStartrampe", "EdTimeVorStartrampe", 1,
                                                  5, 1)),
      UdTimeStartrampe(AddCaptioned<SpinField>(form, "LbTimeStartrampe", "Startrampe [s]",
                                               "UdTimeStartrampe", "EdTimeStartrampe", 1, 60, 20)),
      UdDauerStartspannung(
          AddCaptioned<SpinField>(form, "LbDauerStartspannung", "Dauer Startspannung [s]",
                                  "UdDauerStartspannung", "EdDauerStartspannung", 1, 30, 5)),
      UdTimeNachzuend(AddCaptioned<SpinField>(form, "LbTimeNachzuend", "Dauer Nachzünden [s]",
                                              "UdTimeNachzuend", "EdTimeNachzuend", 2, 30, 2)),
      RgNetzSetup(form.add<RadioGroup>(
          "RgNetzSetup", "Betriebsmodus",
          std::vector<std::string>{"Kabelnetz", "Freileitungsnetz", "Sonderfunktion"}, 0)),
      RgVersion(form.add<RadioGroup>("RgVersion", "Fehlerbehandlung",
                                     std::vector<std::string>{"Normal", "Nur einmal"}, 0)),
      RgLeistungsklasse(
          form.add<RadioGroup>("RgLeistungsklasse", "Leistungsklasse",
                               std::vector<std::string>{"500 W", "1500 W", "2000 W", "2500 W",
                                                        "3000 W", "3500 W", "4000 W", "Test"},
                               4)),
      GbLeistungsgrenzwerte(form.add<GroupBox>("GbLeistungsgrenzwerte", "Leistung PDc [W]")),
      UdPDcRed(Locked(AddCaptioned<SpinField>(form, "LbPDcRed", "Red. an", "UdPDcRed", "EdPDcRed",
                                              0, 6000, 4000))),
      UdPdcRedOff(Locked(AddCaptioned<SpinField>(form, "LbPDcRedOff", "Red. aus", "UdPdcRedOff",
                                                 "EdPDcRedOff", 0, 6000, 3950))),
      UdPDCOverload(Locked(AddCaptioned<SpinField>(
          form, "LbPDcOverload", "Überlast", "UdPDCOverload", "EdPDcOverload", 0, 6000, 4150))),
      GbFreileitung(form.add<GroupBox>("GbFreileitung", "Freileitung-Umschaltung")),
      LbUmschaltfrequenz(form.add<Label>("LbUmschaltfrequenz", "Frequenz [Hz]")),
      UdUmschaltfrequenz(
          form.add<SpinField>("UdUmschaltfrequenz", "EdUmschaltfrequenz", 60, 75, 70, 5)),
      UdUmschaltspannung(
          Locked(AddCaptioned<SpinField>(form, "Label99", "Spannung [V]", "UdUmschaltspannung",
                                         "EdUmschaltspannung", 140, 230, 184))),
      GbSommerzeit((form.add<Label>("Label51", "(31.03. - 31.10.)"),
                    form.add<GroupBox>("GbSommerzeit", "Sommerzeitkorrektur"))),
      CbSommerzeitkorrektur(form.add<CheckBox>("CbSommerzeitkorrektur", "Aktiv")),
      GbHardware(form.add<GroupBox>("GbHardware", "Hardware")),
      UdHardwareversion(AddCaptioned<SpinField>(form, "LbHardwareversion", "Version",
                                                "UdHardwareversion", "EdHardwareVersion", 1, 99,
                                                24)),
      EdGeraeteNr(AddCaptioned<Edit>(form, "LbGeraeteNr", "Gerätenummer", "EdGeraeteNr", "0")),
      GbFreileitungsumschaltung(
          form.add<GroupBox>("GbFreileitungsumschaltung", "Freileitungsumschaltung")),
      UdEwUacRampeWechselUp(Locked(AddCaptioned<SpinField>(form, "LbEwUacRampeWechselUp",
                                                           "UAc Rampe Up", "UdEwUacRampeWechselUp",
                                                           "EdEwUacRampeWechselUp", 0, 200, 91))),
      UdEwUacRampeWechselDown(Locked(AddCaptioned<SpinField>(
          form, "LbEwUacRampeWechselDown", "UAc Rampe Down", "UdEwUacRampeWechselDown",
          "EdEwUacRampeWechselDown", 0, 200, 91))),
      UdEwFreqRampeWechselUp(Locked(
          AddCaptioned<SpinField>(form, "LbEwFreqRampeWechselUp", "Freq. Rampe Up",
                                  "UdEwFreqRampeWechselUp", "EdEwFreqRampeWechselUp", 0, 200, 30))),
      UdEwFreqRampeWechselDown(Locked(AddCaptioned<SpinField>(
          form, "LbEwFreqRampeWechselDown", "Freq. Rampe  Down", "UdEwFreqRampeWechselDown",
          "EdEwFreqRampeWechselDown", 0, 200, 30))) {
  CbSommerzeitkorrektur.setChecked(true);
  EdEinbrennFrequenzU.setVisible(false);
  form.nameAfter(EdEinbrennFrequenzU.name(), {"LbEinbrennFrequenz"});
  constexpr Phases weekday = {"Label2", "Label10", "Label16", "Label41"};
  constexpr Phases weekend = {"Label17", "Label18", "Label23", "Label42"};
  NameGridRow(
      form, "LbZeit", weekday,
      {&DateTimePicker_Mo1, &DateTimePicker_Mo2, &DateTimePicker_Mo3, &DateTimePicker_Mo_End});
  NameGridRow(form, "Label14", weekday, {&UdWt1, &UdWt2, &UdWt3, &EdWtRedEnd});
  NameGridRow(
      form, "Label7", weekend,
      {&DateTimePicker_Sa1, &DateTimePicker_Sa2, &DateTimePicker_Sa3, &DateTimePicker_Sa_End});
  NameGridRow(form, "Label66", weekend, {&UdWe1, &UdWe2, &UdWe3, &EdWeRedEnd});
}

std::array<TimeField*, 8> ConfigControls::times() const {
  return {&DateTimePicker_Mo1, &DateTimePicker_Mo2, &DateTimePicker_Mo3, &DateTimePicker_Mo_End,
          &DateTimePicker_Sa1, &DateTimePicker_Sa2, &DateTimePicker_Sa3, &DateTimePicker_Sa_End};
}

}  // namespace q6
