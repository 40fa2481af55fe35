#pragma once

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// The group "Datenlogger" of the tab "Kalibrierung"; its captions are fixed German texts.
struct DatalogControls {
  explicit DatalogControls(Form& form);

  GroupBox& GbDatenlogger;
  CheckBox& cb_datenlog;
  // The sampling period in seconds, shown in `Edit9`.
  SpinField& UpDown18;
  // Shows the log file; typing into it does not change the path.
  Edit& Lb_datalogpath;
  Button& Bt_path_datalog;
};

}  // namespace q6
