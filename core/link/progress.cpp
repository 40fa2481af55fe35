#include "core/link/progress.h"

namespace q6 {

bool IsProgressStep(std::uint32_t position) { return position % 5 == 0; }

int ProgressPercent(std::uint32_t position, std::uint32_t count) {
  const std::uint64_t scaled = std::uint64_t{position} * 200 / count;
  return static_cast<int>((scaled + 1) / 2);
}

void ShowTransferProgress(int sioState, int percent, ProgressBars& bars) {
  if (sioState > 4) {
    bars.setPosition(TransferBar::Eeprom, percent);
    bars.setPosition(TransferBar::Ram, 0);
  } else if (sioState == 3 || sioState == 4) {
    bars.setPosition(TransferBar::Ram, percent);
    bars.setPosition(TransferBar::Eeprom, 0);
  }
}

}  // namespace q6
