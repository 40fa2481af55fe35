#include <algorithm>

#include "core/link/records.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr std::uint32_t kEepromReadLength = 840;
constexpr std::uint32_t kEepromWriteLength = 366;
// Copies between the images take one row past the words read.
constexpr std::size_t kCopiedRows = kEepImageReadWords + 1;

// The fixed set of words every write sends: 0x0110 ends the second group and starts the third,
// so it goes out twice.
struct WordRange {
  std::uint16_t first;
  std::uint16_t last;
};
constexpr WordRange kWrittenRanges[] = {{0x001C, 0x006E}, {0x0100, 0x0110}, {0x0110, 0x0120}};
constexpr std::uint16_t kCommandWord = 0x006C;
constexpr std::uint16_t kTakeOverEeprom = 2;

}  // namespace

void TForm1::EepRead() {
  StopTimer();
  send_sio(link, *Ths, SioState, kSendReadEepromWords, 0x0000, kEepImageReadWords, 0);
  StartBatch(kEepromReadLength, 94);
  RestartTimer();
}

void TForm1::EepReadAnswer() {
  if (!link.RxDone) return;
  StopTimer();
  link.RxDone = false;
  FillEepTable();
  StoreEepReply();
  std::copy_n(EepRData.begin(), kCopiedRows, EepWData.begin());
  // An incompatible dimmer has been taken offline by the check; nothing more happens.
  if (!DecodeEepromSettings()) return;
  CheckValues(*this);
  EepSynchron = true;
  comm.uC_read_bt.setEnabled(true);
  comm.uC_send_bt.setEnabled(true);
  pcClock.clk_bt.setEnabled(true);
  errmem.err_mem_read_bt.setEnabled(true);
  errmem.err_mem_clear_bt.setEnabled(true);
  comm.ProgressBar_EEP.setPosition(0);
  EepReadRequest = false;
  SioState = 1;
  if (RamReadRequest) RestartTimer();
}

void TForm1::EepWrite() {
  StopTimer();
  ShowEepWriteImage();
  std::uint16_t slot = 0;
  for (const auto& [first, last] : kWrittenRanges) {
    for (std::uint32_t address = first; address <= last; address += 2, ++slot) {
      const auto word = static_cast<std::uint16_t>(address);
      send_sio(link, *Ths, SioState, kSendWriteEepromWord, word,
               EepWData[static_cast<std::size_t>(EepIndex(word))].Value, slot);
    }
  }
  send_sio(link, *Ths, SioState, kSendWriteRamWord, kCommandWord, kTakeOverEeprom, slot);
  StartBatch(kEepromWriteLength, 8);
  RestartTimer();
}

void TForm1::EepWriteDone() {
  if (!link.RxDone) return;
  StopTimer();
  std::copy_n(EepWData.begin(), kCopiedRows, EepRData.begin());
  CheckValues(*this);
  comm.ProgressBar_EEP.setPosition(0);
  EepWriteRequest = false;
  EepReadRequest = true;
  RamReadRequest = true;
  link.RxDone = false;
  comm.uC_send_bt.setEnabled(true);
  SioState = 1;
  RestartTimer();
}

}  // namespace q6
