#pragma once

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

inline constexpr int kComPortCount = 32;

// The group at the bottom of the main window: port choice, the communication switch and the
// two data buttons with their progress bars.
struct CommunicationControls {
  explicit CommunicationControls(Form& form);

  GroupBox& GbKommunikation;
  ComboBox& CbComPort;
  Button& BtComActivate;
  Button& uC_read_bt;
  ProgressBar& ProgressBar_RAM;
  Button& uC_send_bt;
  ProgressBar& ProgressBar_EEP;
};

// The port choice's item for a saved port name: "COMn" selects item n - 1; a name whose part
// after the first three characters is no number selects the first item, and so does a number
// outside the list.
int ComPortItemIndex(const std::string& portName);

}  // namespace q6
