#include "core/device/live_status_controls.h"

#include "core/device/captioned.h"

namespace q6 {
namespace {

Indicator& AddLamp(Form& form, const char* lamp, const char* label, const char* caption) {
  return AddCaptioned<Indicator>(form, label, caption, lamp);
}

Label& AddValue(Form& form, const char* label, const char* caption, const char* value,
                const char* text) {
  return AddCaptioned<Label>(form, label, caption, value, text);
}

}  // namespace

LiveStatusControls::LiveStatusControls(Form& form)
    : GbDimmprofilWt(form.add<GroupBox>("GbDimmprofilWt", "Dimmprofil: Mo-Fr")),
      wt_ph1_led(AddLamp(form, "wt_ph1_led", "Label2", "Periode 1")),
      wt_ph2_led(AddLamp(form, "wt_ph2_led", "Label10", "Periode 2")),
      wt_ph3_led(AddLamp(form, "wt_ph3_led", "Label16", "Periode 3")),
      wt_ph4_led(AddLamp(form, "wt_ph4_led", "Label41", "Dimmende")),
      GbDimmprofilWe(form.add<GroupBox>("GbDimmprofilWe", "Dimmprofil: Sa/So")),
      we_ph1_led(AddLamp(form, "we_ph1_led", "Label17", "Periode 1")),
      we_ph2_led(AddLamp(form, "we_ph2_led", "Label18", "Periode 2")),
      we_ph3_led(AddLamp(form, "we_ph3_led", "Label23", "Periode 3")),
      we_ph4_led(AddLamp(form, "we_ph4_led", "Label42", "Dimmende")),
      clk_uc(form.add<GroupBox>("clk_uc", "Uhrzeit - Controller")),
      uC_Zeit(form.add<Label>("uC_Zeit", "01.01.2000          00:00")),
      GbBetriebsdauer(form.add<GroupBox>("GbBetriebsdauer", "Betriebsdauer")),
      bhz_all(AddValue(form, "op_time_all", "Betriebsdauer - Gesamt:", "bhz_all", "0,0 h")),
      bhz_dim(AddValue(form, "op_time_dimm", "Betriebsdauer - Gedimmt:", "bhz_dim", "0,0 h")),
      LbBetriebsdauerAktuell(AddValue(
          form, "op_time_act", "Betriebsdauer - Aktuell:", "LbBetriebsdauerAktuell", "00:00:00")),
      en_saving(form.add<GroupBox>("en_saving", "Energieeinsparung [%]")),
      PRedSoll(AddValue(form, "nominal", "Soll:", "PRedSoll", "0 %")),
      PRedIst(AddValue(form, "actual", "Ist:", "PRedIst", "0 %")),
      GbStatus(form.add<GroupBox>("GbStatus", "Status")),
      LedGreen(AddLamp(form, "LedGreen", "works", "Betrieb")),
      LedYellow(AddLamp(form, "LedYellow", "fan_on", "Lüfter an")),
      LedRed(AddLamp(form, "LedRed", "err", "Fehler")),
      LedDimmOff(AddLamp(form, "LedDimmOff", "Label13", "DimmOff")),
      LedUhr(AddLamp(form, "LedUhr", "internal", "Intern")),
      PRedUhr(form.add<Label>("PRedUhr", "0 %")),
      LedPoti(AddLamp(form, "LedPoti", "LbPoti", "Poti R36")),
      PRedPoti(form.add<Label>("PRedPoti", "0 %")),
      LedAnalog(AddLamp(form, "LedAnalog", "LbAnalog", "Analog")),
      PRedAnalog(form.add<Label>("PRedAnalog", "0 %")),
      LedTempBegr(AddLamp(form, "LedTempBegr", "LbTempbegrenzung", "Temperaturbegr.")),
      LedOverload(AddLamp(form, "LedOverload", "LbLeistungsbegrenzung", "Leistungsbegr.")) {
  // The header rows of the profile groups name the phases.
  form.add<Label>("LbDimmphase", "Dimmphase");
  form.add<Label>("Label35", "Dimmphase");
}

std::array<Indicator*, 8> LiveStatusControls::phaseLeds() const {
  return {&wt_ph1_led, &wt_ph2_led, &wt_ph3_led, &wt_ph4_led,
          &we_ph1_led, &we_ph2_led, &we_ph3_led, &we_ph4_led};
}

}  // namespace q6
