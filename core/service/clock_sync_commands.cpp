#include "core/device/dimmer_clock.h"
#include "core/shell/form1.h"

namespace q6 {

void TForm1::clk_btClick() {
  pcClock.clk_bt.setEnabled(false);
  StopTimer();
  link.RxDone = false;
  TimeWriteRequest = true;
  RamReadRequest = false;
  comm.ProgressBar_EEP.setPosition(0);
  SioState = 1;
  frame.SPStimer.setEnabled(true);
}

void TForm1::HelptimerTimer() {
  const LocalDateTime now = platform_.clock.now();
  pcClock.PC_Zeit.setCaption(DimmerTimeText({.year = now.year,
                                             .month = now.month,
                                             .day = now.day,
                                             .hour = now.hour,
                                             .minute = now.minute}));
}

}  // namespace q6
