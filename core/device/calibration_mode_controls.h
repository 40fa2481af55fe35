#pragma once

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// What the live view drives on the tab "Kalibrierung": the device readings beside the
// calibration, and the buttons and groups of the calibration state and the manual mode.
struct CalibrationModeControls {
  explicit CalibrationModeControls(Form& form);

  GroupBox& GroupBox9;
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
};

}  // namespace q6
