#pragma once

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// The measurements group of the tab "Geräteeinstellungen ".
struct MeasurementControls {
  explicit MeasurementControls(Form& form);

  GroupBox& GBMesswerte;
  Edit& EdUAcSollSps;
  Edit& EdUac;
  Edit& EdFreqSoll;
  Edit& EdFreqIst;
  Edit& EdKkTemp1;
  Edit& EdKkTemp2;
  Edit& EdPDc;
  // The DC readings, shown at one access level only.
  Edit& EdIdc;
  Edit& EdUz;
};

}  // namespace q6
