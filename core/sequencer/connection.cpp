#include "core/language/caption_rows.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {
constexpr int kRowOffline = 198;
}  // namespace

int TForm1::FirstState() const { return sio_active && !link.PortFailed ? 1 : 0; }

void TForm1::BtComActivateClick() {
  if (sio_started) {
    // The port stays open, so switching on again logs on at once.
    GoOffline();
    return;
  }
  sio_started = true;
  StopTimer();
  link.RxDone = false;
  link.PortName = comm.CbComPort.text();
  link.DataError = false;
  SioState = FirstState();
  keptPortUnproven_ = SioState == 1;
  HardwareTestRequest = true;
  EepReadRequest = true;
  RamReadRequest = true;
  comm.BtComActivate.setCaption(GetInfoString(kRowComStop));
  frame.SPStimer.setEnabled(true);
}

void TForm1::CbComPortChange() {
  if (comm.CbComPort.text() == link.PortName) return;
  StopTimer();
  ClosePortAndGoOffline();
}

void TForm1::ClosePortAndGoOffline() {
  link.RxDone = false;
  sio_active = false;
  sio_started = false;
  if (link.PortOpen) {
    link.PortOpen = false;
    Ths.reset();
  }
  GoOffline();
}

void TForm1::uC_read_btClick() {
  comm.uC_read_bt.setEnabled(false);
  EepReadRequest = true;
  RamReadRequest = true;
  link.RxDone = false;
  StopTimer();
  SioState = FirstState();
  if (SioState == 0) link.PortName = comm.CbComPort.text();
  frame.SPStimer.setEnabled(true);
}

void TForm1::uC_send_btClick() {
  comm.uC_send_bt.setEnabled(false);
  link.RxDone = false;
  StopTimer();
  EepWriteRequest = true;
  RamReadRequest = false;
  SioState = FirstState();
  if (SioState == 0) link.PortName = ComPort;
  frame.SPStimer.setEnabled(true);
}

void TForm1::GoOffline() {
  StopTimer();
  EepSynchron = false;
  // Reported here only, so one error shows one message.
  if (link.DataError) platform_.dialogs.ShowMessage("       COM Data-Error!       ");
  sio_started = false;
  link.DataError = false;
  link.LogOnErrors = 0;
  RamReadRequest = false;
  RamWriteRequest = false;
  EepWriteRequest = false;
  TimeWriteRequest = false;
  ErrMemoryReadRequest = false;
  EepReadRequest = false;
  HardwareTestRequest = false;
  KalibrierRequest = false;
  Info.VersionsCheck = false;
  SioState = 1;
  ResetOfflineView();
}

void TForm1::ResetOfflineView() {
  for (Button* button :
       {&comm.uC_read_bt, &comm.uC_send_bt, &errmem.err_mem_read_bt, &errmem.err_mem_clear_bt,
        &modes.BtWrKalUac, &modes.BtWrKalUz, &modes.BtWrKalPdc, &pcClock.clk_bt})
    button->setEnabled(false);
  modes.Memo1.clear();
  comm.BtComActivate.setCaption(GetInfoString(kRowComActivate));
  comm.ProgressBar_RAM.setPosition(0);
  comm.ProgressBar_EEP.setPosition(0);
  frame.SbInfo.setPanelText(0, "Version: ");
  CurrentRegime = 0;
  frame.SbZustand.setPanelText(0, GetInfoString(kRowOffline));
  for (Label* percent :
       {&live.PRedPoti, &live.PRedAnalog, &live.PRedUhr, &live.PRedSoll, &live.PRedIst})
    percent->setCaption("0 %");
  live.bhz_all.setCaption("0,0 h");
  live.bhz_dim.setCaption("0,0 h");
  live.LbBetriebsdauerAktuell.setCaption("00:00:00");
  live.uC_Zeit.setCaption("01.01.2000          00:00");
  config.EdGeraeteNr.setText("00000");
  for (CaptionedControl* marked : {static_cast<CaptionedControl*>(&config.CbSommerzeitkorrektur),
                                   static_cast<CaptionedControl*>(&config.RgLeistungsklasse),
                                   static_cast<CaptionedControl*>(&config.RgNetzSetup),
                                   static_cast<CaptionedControl*>(&config.RgVersion)})
    marked->setColor(colors::kPanel);
  Info.SoftwarePName.clear();
  Info.SoftwarePDate.clear();
  EepSynchron = false;
  for (Control* control : controls()) {
    auto* shaded = dynamic_cast<CaptionedControl*>(control);
    if (!shaded) continue;
    switch (control->kind()) {
      case ControlKind::Indicator:
      case ControlKind::Edit:
      case ControlKind::SpinField:
      case ControlKind::TimeField:
        shaded->setColor(colors::kInactiveCaption);
        break;
      default:
        break;
    }
  }
}

}  // namespace q6
