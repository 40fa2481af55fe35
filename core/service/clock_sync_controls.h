#pragma once

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// The PC clock beside the dimmer's, and the button that sets the dimmer's clock from it.
struct ClockSyncControls {
  explicit ClockSyncControls(Form& form);

  GroupBox& clk_pc;
  Label& PC_Zeit;
  Button& clk_bt;
};

}  // namespace q6
