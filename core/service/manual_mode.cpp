#include "core/device/memory_image.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr std::uint16_t kStateRequest = 0x008E;
constexpr std::uint16_t kStatusSetBits = 0x006C;
constexpr std::uint16_t kManualUac = 0x0090;
constexpr std::uint16_t kManualFreq = 0x0092;
constexpr std::uint16_t kManualUacRamp = 0x0094;
constexpr std::uint16_t kManualFreqRamp = 0x0096;
constexpr std::uint16_t kTakeOverManual = 16;
constexpr std::uint16_t kRequestNormal = 2;
constexpr std::uint16_t kRequestManual = 40;
constexpr std::uint16_t kRequestCalibration = 91;
constexpr std::uint16_t kRequestReset = 94;
constexpr std::uint16_t kRegimeManual = 40;

std::uint16_t Word(int value) { return static_cast<std::uint16_t>(value); }

}  // namespace

bool TForm1::IsCommStarted() {
  if (sio_started) return true;
  platform_.dialogs.ShowMessage(Msg.StartCommunication);
  return false;
}

void TForm1::QueueRamWrite(std::initializer_list<RamSendEntry> pairs) {
  // The timer stays stopped while the list fills, so no half-filled list goes out.
  StopTimer();
  std::copy(pairs.begin(), pairs.end(), RamSendData.begin());
  RamSendDataLength = static_cast<int>(pairs.size());
  RamWriteRequest = true;
  frame.SPStimer.setEnabled(true);
}

void TForm1::QueueStateCommand(Button& button, std::uint16_t request) {
  button.setEnabled(false);
  QueueRamWrite({{kStateRequest, request}});
  button.setEnabled(true);
}

void TForm1::BtNormalModeClick() {
  if (IsCommStarted()) QueueStateCommand(modes.BtNormalMode, kRequestNormal);
}

void TForm1::BtResetZustandClick() {
  if (IsCommStarted()) QueueStateCommand(modes.BtResetZustand, kRequestReset);
}

void TForm1::BtKalibrierzustandClick() {
  if (!IsCommStarted()) return;
  Button& button = modes.BtKalibrierzustand;
  QueueStateCommand(button, button.tag() == 0 ? kRequestCalibration : kRequestNormal);
}

void TForm1::BtManuellModeClick() {
  if (!IsCommStarted()) return;
  Button& button = modes.BtManuellMode;
  button.setEnabled(false);
  modes.UdUacManuell.setValue(RamWord(RamRData, kManualUac) / 10);
  modes.UdFreqManuell.setValue(RamWord(RamRData, kManualFreq));
  if (button.tag() == 0) {
    modes.UdTimeUacManuell.setValue(RamWord(RamRData, kManualUacRamp));
    modes.UdTimeFreqManuell.setValue(RamWord(RamRData, kManualFreqRamp));
    QueueRamWrite({{kStatusSetBits, kTakeOverManual}, {kStateRequest, kRequestManual}});
    modes.BtManuellSend.setEnabled(true);
  } else {
    QueueRamWrite({{kStateRequest, kRequestNormal}});
    modes.BtManuellSend.setEnabled(false);
  }
  button.setEnabled(true);
}

void TForm1::BtManuellSendClick() {
  if (!IsCommStarted()) return;
  if (CurrentRegime != kRegimeManual) {
    platform_.dialogs.ShowMessage("Bitte erst Zustand Manuell aktivieren");
    return;
  }
  modes.BtManuellSend.setEnabled(false);
  modes.BtManuellSend.setTag(1);
  QueueRamWrite({{kManualUac, Word(modes.UdUacManuell.value() * 10)},
                 {kManualFreq, Word(modes.UdFreqManuell.value())},
                 {kManualUacRamp, Word(modes.UdTimeUacManuell.value())},
                 {kManualFreqRamp, Word(modes.UdTimeFreqManuell.value())},
                 {kStatusSetBits, kTakeOverManual}});
}

}  // namespace q6
