#include "core/device/development_controls.h"

#include "core/device/captioned.h"

namespace q6 {

DevelopmentControls::DevelopmentControls(Form& form)
    : GbEwSollwerte(form.add<GroupBox>("GbEwSollwerte", "Sollwerte")),
      EdEwUacSoll(AddReadout(form, "EdEwUacSoll", "LbEwUacSoll", "Uac Soll [V]")),
      EdEwFreqSoll(AddReadout(form, "EdEwFreqSoll", "LbEwFreqSoll", "Frequenz Soll [Hz]")),
      GbEwIstwerte(form.add<GroupBox>("GbEwIstwerte", "Istwerte")),
      EdEwUacIst(AddReadout(form, "EdEwUacIst", "LbEwUacIst", "Uac Ist [V]")),
      EdEwFIst(AddReadout(form, "EdEwFIst", "LbEwFIst", "F_Ist [Hz]")),
      EdEwUzIst(AddReadout(form, "EdEwUzIst", "LbEwUzIst", "Uz Ist [V]")),
      EdEwPdcIst(AddReadout(form, "EdEwPdcIst", "LbEwPdcIst", "P Dc [W]")),
      EdEwIz(AddReadout(form, "EdEwIz", "LbEwIz", "Iz Ist [A]")),
      EdEwTemp1(AddReadout(form, "EdEwTemp1", "LbEwTemp1", "KK_Temp1 [°C]")),
      EdEwTemp2(AddReadout(form, "EdEwTemp2", "LbEwTemp2", "KK_Temp2 [°C]")),
      GbEwBegrenzung(form.add<GroupBox>("GbEwBegrenzung", "Begrenzung Leistung / Temp")),
      EdEwUacSollSps(AddReadout(form, "EdEwUacSollSps", "LbEwUacSollSps", "UAcSps [V]")),
      EdEwUacRampe(AddReadout(form, "EdEwUacRampe", "LbEwUacRampe", "UAcRampe")),
      EdEwUAcGrenzP(AddReadout(form, "EdEwUAcGrenzP", "LbEwUAcGrenzP", "UAcGrenzP")),
      EdEwUAcGrenzTemp(AddReadout(form, "EdEwUAcGrenzTemp", "LbEwUAcGrenzTemp", "UAcGrenzT")),
      EdEwUacSoll1(AddReadout(form, "EdEwUacSoll1", "LbEwUacSoll1", "UAcSoll")),
      EdEwFreqSps(AddReadout(form, "EdEwFreqSps", "LbEwFreqSps", "FreqSps [Hz]")),
      EdEwFreqRampe(AddReadout(form, "EdEwFreqRampe", "LbEwFreqRampe", "FreqRampe [Hz]")),
      EdEwFreqGrenzP(AddReadout(form, "EdEwFreqGrenzP", "LbEwFreqGrenzP", "FreqGrenzP [Hz]")),
      EdEwFreqGrenzTemp(
          AddReadout(form, "EdEwFreqGrenzTemp", "LbEwFreqGrenzTemp", "FreqGrenzT [Hz]")),
      EdEwFreqSoll1(AddReadout(form, "EdEwFreqSoll1", "LbEwFreqSoll1", "FreqSoll [Hz]")),
      Shape10(AddCaptioned<Indicator>(form, "LbFrequenzmodus", "Frequenzmodus", "Shape10")),
      Shape9(AddCaptioned<Indicator>(form, "LbSpannungsmodus", "Spannungsmodus", "Shape9")),
      GbEwLeistungsvorgaben(form.add<GroupBox>("GbEwLeistungsvorgaben", "Leistungsvorgaben")),
      EdEwPRedUhr(AddReadout(form, "EdEwPRedUhr", "LbEwPRedUhr", "Uhr [%]")),
      Shape1(form.add<Indicator>("Shape1")),
      EdEwPRedPoti(AddReadout(form, "EdEwPRedPoti", "LbEwPRedPoti", "Poti  [%]")),
      Shape2(form.add<Indicator>("Shape2")),
      EdEwPRedAn10V(AddReadout(form, "EdEwPRedAn10V", "LbEwPRedAn10V", "0-10V  [%]")),
      Shape3(form.add<Indicator>("Shape3")),
      EdEwPRedVorgabe(AddReadout(form, "EdEwPRedVorgabe", "LbEwPRedVorgabe", "Vorgabe  [%]")),
      Shape4(form.add<Indicator>("Shape4")) {
  // Each lamp shares its row, and so its label, with a value field.
  form.nameAfter(Shape1.name(), {"LbEwPRedUhr"});
  form.nameAfter(Shape2.name(), {"LbEwPRedPoti"});
  form.nameAfter(Shape3.name(), {"LbEwPRedAn10V"});
  form.nameAfter(Shape4.name(), {"LbEwPRedVorgabe"});
}

}  // namespace q6
