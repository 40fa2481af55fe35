#include <algorithm>

#include "core/device/error_memory.h"
#include "core/files/file_path.h"
#include "core/language/caption_rows.h"
#include "core/link/records.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr std::uint32_t kLogOnLength = 10;
constexpr int kMaxSilentLogOnErrors = 5;
constexpr std::uint32_t kErrorMemoryLength = 1285;

}  // namespace

void TForm1::StopTimer() { frame.SPStimer.setEnabled(false); }

// Stopping first makes the next tick a full interval away, as a restarted timer does.
void TForm1::RestartTimer() {
  frame.SPStimer.setEnabled(false);
  frame.SPStimer.setEnabled(true);
}

void TForm1::StartBatch(std::uint32_t length, int next) {
  q6::StartBatch(link, *Ths, SioState, length, next);
}

void TForm1::SPStimerTimer() {
  if (link.PortOpen && (link.running || link.anmeldung)) return;
  if (link.DataError) SioState = 99;
  switch (SioState) {
    case 0:
      OpenPort();
      break;
    case 1:
      LogOn();
      break;
    case 2:
      LogOnCheck();
      break;
    case 3:
      RamBlockRequest();
      break;
    case 4:
      RamBlockAnswer();
      break;
    case 7:
      EepWrite();
      break;
    case 8:
      EepWriteDone();
      break;
    case 9:
      ClockWrite();
      break;
    case 10:
      ClockWriteDone();
      break;
    case 11:
      ErrMemRead();
      break;
    case 12:
      ErrMemAnswer();
      break;
    case 19:
      KalWrite();
      break;
    case 20:
      KalWriteDone();
      break;
    case 21:
      RamWrite();
      break;
    case 22:
      RamWriteDone();
      break;
    case 91:
      HwIdRequest();
      break;
    case 92:
      HwIdAnswer();
      break;
    case 93:
      EepRead();
      break;
    case 94:
      EepReadAnswer();
      break;
    case 99:
      ComFault();
      break;
    default:
      break;
  }
}

void TForm1::OpenPort() {
  link.LogOnErrors = 0;
  Ths.reset();
  Ths = TSio::Create(link, platform_.ports.CreatePort(),
                     SioServices{.executor = platform_.executor,
                                 .messages = platform_.dialogs,
                                 .progressBars = transferBars_,
                                 .sioState = [this] { return SioState; },
                                 .pathSetup = FilePath(PathSetup),
                                 .accessDeniedHint = GetInfoString(kRowPortAccessDenied)});
  if (!Ths) {
    GoOffline();
    platform_.dialogs.ShowMessage("       COM-Error! (" + link.PortName + ")    ");
    return;
  }
  if (!link.PortOpen) {
    GoOffline();
    platform_.dialogs.ShowMessage("Error: " + link.PortName);
    return;
  }
  sio_active = true;
  comm.uC_send_bt.setEnabled(true);
  comm.uC_read_bt.setEnabled(true);
  pcClock.clk_bt.setEnabled(true);
  errmem.err_mem_read_bt.setEnabled(true);
  errmem.err_mem_clear_bt.setEnabled(true);
  SioState = 1;
}

void TForm1::LogOn() {
  StopTimer();
  std::fill_n(link.TxBuffer.begin(), kLogOnLength, std::uint8_t{0x00});
  std::fill_n(link.CheckMask.begin(), kLogOnLength, std::uint8_t{0});
  StartBatch(kLogOnLength, 2);
  RestartTimer();
}

int TForm1::NextStateByPriority() const {
  if (HardwareTestRequest) return 91;
  if (EepReadRequest) return 93;
  if (KalibrierRequest) return 19;
  if (EepWriteRequest) return 7;
  if (TimeWriteRequest) return 9;
  if (ErrMemoryReadRequest) return 11;
  if (RamWriteRequest) return 21;
  if (RamReadRequest) return 3;
  return 2;
}

void TForm1::LogOnCheck() {
  if (!link.RxDone) return;
  keptPortUnproven_ = false;
  StopTimer();
  link.RxDone = false;
  const bool answered = std::all_of(link.RxBuffer.begin(), link.RxBuffer.begin() + kLogOnLength,
                                    [](std::uint8_t byte) { return byte == kLogOnAnswer; });
  if (answered) {
    SioState = NextStateByPriority();
  } else {
    // A good log-on does not forgive earlier failures: six in one connection end it.
    if (++link.LogOnErrors > kMaxSilentLogOnErrors) link.DataError = true;
    SioState = 1;
  }
  RestartTimer();
}

void TForm1::RamBlockRequest() {
  StopTimer();
  send_sio(link, *Ths, SioState, kSendReadRamBlock, kRamImageFirst, kRamImageWords, 0);
  RestartTimer();
}

void TForm1::RamBlockAnswer() {
  if (!link.RxDone) return;
  StopTimer();
  if (RamBlockSumValid(link.RxBuffer, kRamImageWords)) {
    StoreRamReply();
    if (!frame.TsKalibrierung.enabled()) frame.TsKalibrierung.setEnabled(true);
  }
  SioState = 1;
  RestartTimer();
}

void TForm1::ErrMemRead() {
  send_sio(link, *Ths, SioState, kSendReadEepromWords, kErrorRingStart, kErrorRingWords, 0);
  send_sio(link, *Ths, SioState, kSendReadEepromWords, kErrorRingPointer, 1, kErrorRingWords);
  StartBatch(kErrorMemoryLength, 12);
}

void TForm1::ErrMemAnswer() {
  if (!link.RxDone) return;
  StopTimer();
  DecodeErrorMemory();
  link.RxDone = false;
  ErrMemoryReadRequest = false;
  RamReadRequest = true;
  errmem.err_mem_read_bt.setEnabled(true);
  comm.ProgressBar_EEP.setPosition(0);
  SioState = 1;
  RestartTimer();
}

void TForm1::RamWrite() {
  StopTimer();
  const int count = std::clamp(RamSendDataLength, 0, static_cast<int>(RamSendData.size()));
  for (int i = 0; i < count; ++i) {
    const auto& entry = RamSendData[static_cast<std::size_t>(i)];
    send_sio(link, *Ths, SioState, kSendWriteRamWord, entry.address, entry.value,
             static_cast<std::uint16_t>(i));
  }
  RamSendDataLength = 0;
  StartBatch(static_cast<std::uint32_t>(kWriteSlot * static_cast<std::size_t>(count)), 22);
  RestartTimer();
}

void TForm1::RamWriteDone() {
  StopTimer();
  RamWriteRequest = false;
  SioState = 1;
  if (!modes.BtResetZustand.enabled()) modes.BtResetZustand.setEnabled(true);
  if (modes.BtManuellSend.tag() == 1) {
    modes.BtManuellSend.setEnabled(true);
    modes.BtManuellSend.setTag(0);
  }
  // The clear completion resumes polling itself, once the dimmer has erased its ring.
  if (errmem.err_mem_clear_bt.tag() == 1) {
    ErrMemClearDone();
    return;
  }
  RestartTimer();
}

void TForm1::HwIdRequest() {
  StopTimer();
  link.TxBuffer[0] = kCmdIdentify;
  link.TxBuffer[1] = kFiller;
  link.CheckMask[0] = 1;
  link.CheckMask[1] = 0;
  StartBatch(2, 92);
  RestartTimer();
}

void TForm1::HwIdAnswer() {
  if (!link.RxDone) return;
  StopTimer();
  hw_old = !IsSupportedHardware(link.RxBuffer);
  SioState = 1;
  if (hw_old) {
    platform_.dialogs.ShowMessage(
        "Diese Hardware wird von der Oberfläche nicht unterstützt!\r\n"
        "Bitte benutzen Sie einer Visualisierung mit Softwarestand > 5.5");
    comm.BtComActivate.click();
    return;
  }
  ResetIndicators();
  link.RxDone = false;
  HardwareTestRequest = false;
  if (EepReadRequest) RestartTimer();
}

void TForm1::ComFault() {
  // The kept port broke at its first use: it went away while offline (an adapter pulled, the
  // dimmer's port recreated). It is opened afresh once instead of reporting a fault.
  if (keptPortUnproven_ && link.PortFailed) {
    keptPortUnproven_ = false;
    link.DataError = false;
    SioState = 0;
    return;
  }
  GoOffline();
  SioState = 1;
}

void TForm1::TransferBars::setPosition(TransferBar bar, int position) {
  (bar == TransferBar::Ram ? comm_.ProgressBar_RAM : comm_.ProgressBar_EEP).setPosition(position);
}

}  // namespace q6
