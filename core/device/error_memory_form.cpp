#include <array>

#include "core/device/error_memory.h"
#include "core/link/records.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr std::uint16_t kCommandWord = 0x006C;
constexpr std::uint16_t kClearErrorMemory = 32;
constexpr int kClearTag = 1;
constexpr int kDateColumn = 1;
constexpr int kFaultColumn = 2;

struct Heading {
  int column;
  int textRow;
};
constexpr std::array kErrorGridHeadings = {Heading{0, 108}, Heading{1, 107}, Heading{2, 106}};

}  // namespace

void TForm1::InitErrorGrid() {
  Grid& grid = errmem.StgFehlerspeicher;
  grid.setSize(1 + kErrorRingEntries, 3);
  ShowErrorGridHeadings();
  for (int row = 1; row <= kErrorRingEntries; ++row) grid.setCell(0, row, std::to_string(row));
}

void TForm1::ShowErrorGridHeadings() {
  for (const auto& [column, textRow] : kErrorGridHeadings)
    errmem.StgFehlerspeicher.setCell(column, 0, GetInfoString(textRow));
}

void TForm1::err_mem_read_btClick() {
  errmem.err_mem_read_bt.setEnabled(false);
  link.RxDone = false;
  StopTimer();
  ErrMemoryReadRequest = true;
  comm.ProgressBar_EEP.setPosition(0);
  SioState = FirstState();
  frame.SPStimer.setEnabled(true);
}

void TForm1::DecodeErrorMemory() {
  StopTimer();
  for (std::size_t slot = 0; slot <= kErrorRingWords; ++slot) {
    const WordAnswer word = ReadWordAnswer(link.RxBuffer, slot);
    const auto row = static_cast<std::size_t>(EepIndex(word.address));
    if (row < EepRData.size()) EepRData[row].Value = word.value;
  }
  const std::uint16_t pointer = EepWord(EepRData, kErrorRingPointer);
  for (int row = 1; row <= kErrorRingEntries; ++row) {
    const TFehler_Data entry = DecodeErrorEntry(EepRData, ErrorRingEntry(pointer, row), Msg);
    errmem.StgFehlerspeicher.setCell(kDateColumn, row, entry.Datum);
    errmem.StgFehlerspeicher.setCell(kFaultColumn, row, entry.Error);
  }
}

void TForm1::err_mem_clear_btClick() {
  errmem.err_mem_clear_bt.setEnabled(false);
  errmem.err_mem_clear_bt.setTag(kClearTag);
  StopTimer();
  // Replaces any list still waiting: only the clear command goes out.
  RamSendData[0] = {kCommandWord, kClearErrorMemory};
  RamSendDataLength = 1;
  RamWriteRequest = true;
  frame.SPStimer.setEnabled(true);
}

void TForm1::ErrMemClearDone() {
  for (int row = 1; row <= kErrorRingEntries; ++row) {
    errmem.StgFehlerspeicher.setCell(kFaultColumn, row, {});
    errmem.StgFehlerspeicher.setCell(kDateColumn, row, {});
  }
  // The dimmer erases its ring now; polling waits for it while the window stays responsive.
  StopTimer();
  errmem.ErrMemClearTimer.setEnabled(true);
}

void TForm1::ErrMemClearTimerTimer() {
  errmem.ErrMemClearTimer.setEnabled(false);
  errmem.err_mem_clear_bt.setTag(0);
  // Gone offline meanwhile: the offline view has set the buttons, and the machine stays at rest.
  if (!sio_started) return;
  RamReadRequest = true;
  errmem.err_mem_clear_bt.setEnabled(true);
  RestartTimer();
}

}  // namespace q6
