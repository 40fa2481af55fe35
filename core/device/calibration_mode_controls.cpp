#include "core/device/calibration_mode_controls.h"

#include "core/device/captioned.h"

namespace q6 {

CalibrationModeControls::CalibrationModeControls(Form& form)
    : GroupBox9(form.add<GroupBox>("GroupBox9", "Kalibrierung")),
      EdKalUac(AddReadout(form, "EdKalUac", "LbKalUac", "UAc [V] Fluke")),
      UdKalUac(form.add<SpinField>("UdKalUac", "UdKalUac", 2100, 2550, 2300)),
      EdKalUz(AddReadout(form, "EdKalUz", "LbKalUz", "Uz [V] Fluke")),
      UdKalUz(form.add<SpinField>("UdKalUz", "UdKalUz", 2200, 2700, 2450)),
      UdKalPdc(AddCaptioned<SpinField>(form, "LbKalPdc", "Pdc [W] Moeller", "UdKalPdc", "EdKalPdc",
                                       0, 4500, 3000, 10)),
      Memo1(form.add<Memo>("Memo1")),
      EdUacAnzeige(AddReadout(form, "EdUacAnzeige", "LbUacAnzeige", "UAc [V]")),
      BtWrKalUac(form.add<Button>("BtWrKalUac", "Kalibrierung")),
      EdUzAnzeige(AddReadout(form, "EdUzAnzeige", "LbUzAnzeige", "Uz [V]")),
      BtWrKalUz(form.add<Button>("BtWrKalUz", "Kalibrierung")),
      EdPdcAnzeige(AddReadout(form, "EdPdcAnzeige", "LbPdcAnzeige", "Pdc [W]")),
      BtWrKalPdc(form.add<Button>("BtWrKalPdc", "Kalibrierung")),
      BtKalibrierzustand(form.add<Button>("BtKalibrierzustand", "Start Kalibrierung")),
      GroupBox7(form.add<GroupBox>("GroupBox7", "Manueller Modus")),
      BtManuellMode(form.add<Button>("BtManuellMode", "Manueller Modus")),
      BtManuellSend(form.add<Button>("BtManuellSend", "Sende Werte")),
      UdUacManuell(AddCaptioned<SpinField>(form, "LbUacManuell", "Nennspannung [V]", "UdUacManuell",
                                           "EdUacManuell", 80, 250, 230)),
      UdFreqManuell(AddCaptioned<SpinField>(form, "LbFreqManuell", "Frequenz [Hz]", "UdFreqManuell",
                                            "EdFreqManuell", 50, 100, 50)),
      UdTimeUacManuell(AddCaptioned<SpinField>(form, "LbTimeUacManuell", "UAc Rampe",
                                               "UdTimeUacManuell", "EdTimeUacManuell", 0, 200, 10)),
      UdTimeFreqManuell(AddCaptioned<SpinField>(form, "LbTimeFreqManuell", "Frequenz Rampe",
                                                "UdTimeFreqManuell", "EdTimeFreqManuell", 0, 100,
                                                10)),
      GroupBox6(form.add<GroupBox>("GroupBox6", "Tools")),
      BtResetZustand(form.add<Button>("BtResetZustand", "Smart Reset !")),
      BtNormalMode(form.add<Button>("BtNormalMode", "Zustand Normal")) {
  form.add<Label>("LbAnzeige", "Anzeige");
  form.add<Label>("LbMessung", "Messung");
  // The label of a measured value belongs to its up-down; the field that shows it shares the name.
  form.nameAfter(EdKalUac.name(), {"LbKalUac"});
  form.nameAfter(EdKalUz.name(), {"LbKalUz"});
  EdKalUac.setText("230,0");
  EdKalUz.setText("245,0");
  for (Button* button : {&BtWrKalUac, &BtWrKalUz, &BtWrKalPdc, &BtManuellSend})
    button->setEnabled(false);
}

}  // namespace q6
