#pragma once

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// The live readings of the tab "Entwicklung": set and actual values, the limits of power and
// temperature limiting, and the power reduction demands.
struct DevelopmentControls {
  explicit DevelopmentControls(Form& form);

  GroupBox& GbEwSollwerte;
  Edit& EdEwUacSoll;
  Edit& EdEwFreqSoll;

  GroupBox& GbEwIstwerte;
  Edit& EdEwUacIst;
  Edit& EdEwFIst;
  Edit& EdEwUzIst;
  Edit& EdEwPdcIst;
  Edit& EdEwIz;
  Edit& EdEwTemp1;
  Edit& EdEwTemp2;

  GroupBox& GbEwBegrenzung;
  Edit& EdEwUacSollSps;
  Edit& EdEwUacRampe;
  Edit& EdEwUAcGrenzP;
  Edit& EdEwUAcGrenzTemp;
  Edit& EdEwUacSoll1;
  Edit& EdEwFreqSps;
  Edit& EdEwFreqRampe;
  Edit& EdEwFreqGrenzP;
  Edit& EdEwFreqGrenzTemp;
  Edit& EdEwFreqSoll1;
  Indicator& Shape10;
  Indicator& Shape9;

  // The lamps beside the demands show no word; only the offline and reset colours reach them.
  GroupBox& GbEwLeistungsvorgaben;
  Edit& EdEwPRedUhr;
  Indicator& Shape1;
  Edit& EdEwPRedPoti;
  Indicator& Shape2;
  Edit& EdEwPRedAn10V;
  Indicator& Shape3;
  Edit& EdEwPRedVorgabe;
  Indicator& Shape4;
};

}  // namespace q6
