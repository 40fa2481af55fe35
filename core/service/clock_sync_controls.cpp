#include "core/service/clock_sync_controls.h"

namespace q6 {

ClockSyncControls::ClockSyncControls(Form& form)
    : clk_pc(form.add<GroupBox>("clk_pc", "Uhrzeit - Pc")),
      PC_Zeit(form.add<Label>("PC_Zeit", "01.01.2000          00:00")),
      clk_bt(form.add<Button>("clk_bt", "Uhrzeit synchr.")) {
  clk_bt.setEnabled(false);
}

}  // namespace q6
