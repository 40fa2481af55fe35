#include "core/device/calibration_mode_controls.h"

#include "core/device/captioned.h"

namespace q6 {

CalibrationModeControls::CalibrationModeControls(Form& form)
    : GroupBox9(form.add<GroupBox>("GroupBox9", "Kalibrierung")),
      EdUacAnzeige(AddReadout(form, "EdUacAnzeige", "LbUacAnzeige", "UAc [V]")),
      BtWrKalUac(form.add<Button>("BtWrKalUac", "Kalibrierung")),
      EdUzAnzeige(AddReadout(form, "EdUzAnzeige", "LbUzAnzeige", "Uz [V]")),
      BtWrKalUz(form.add<Button>("BtWrKalUz", "Kalibrierung")),
      EdPdcAnzeige(AddReadout(form, "EdPdcAnzeige", "LbPdcAnzeige", "Pdc [W]")),
      BtWrKalPdc(form.add<Button>("BtWrKalPdc", "Kalibrierung")),
      BtKalibrierzustand(form.add<Button>("BtKalibrierzustand", "Start Kalibrierung")),
      GroupBox7(form.add<GroupBox>("GroupBox7", "Manueller Modus")),
      BtManuellMode(form.add<Button>("BtManuellMode", "Manueller Modus")),
      BtManuellSend(form.add<Button>("BtManuellSend", "Sende Werte")) {
  form.add<Label>("LbAnzeige", "Anzeige");
  for (Button* button : {&BtWrKalUac, &BtWrKalUz, &BtWrKalPdc, &BtManuellSend})
    button->setEnabled(false);
}

}  // namespace q6
