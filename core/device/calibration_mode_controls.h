#pragma once

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// What the live view drives on the tab "Kalibrierung": the device readings beside the
// calibration, and the buttons and groups of the calibration state and the manual mode.
struct CalibrationModeControls {
  explicit CalibrationModeControls(Form& form);

  GroupBox& GroupBox9;
  // The voltage references are stepped by their up-downs in tenths of a volt; the edits show
  // the value with one decimal.
  Edit& EdKalUac;
  SpinField& UdKalUac;
  Edit& EdKalUz;
  SpinField& UdKalUz;
  SpinField& UdKalPdc;
  Memo& Memo1;
  Edit& EdUacAnzeige;
  Button& BtWrKalUac;
  Edit& EdUzAnzeige;
  Button& BtWrKalUz;
  Edit& EdPdcAnzeige;
  Button& BtWrKalPdc;
  Button& BtKalibrierzustand;

  GroupBox& GroupBox7;
  Button& BtManuellMode;
  Button& BtManuellSend;
  SpinField& UdUacManuell;
  SpinField& UdFreqManuell;
  SpinField& UdTimeUacManuell;
  SpinField& UdTimeFreqManuell;

  GroupBox& GroupBox6;
  Button& BtResetZustand;
  Button& BtNormalMode;
};

}  // namespace q6
