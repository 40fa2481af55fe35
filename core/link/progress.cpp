#include "core/link/progress.h"

#include <numeric>

namespace q6 {

namespace {
constexpr std::uint32_t kProgressEvery = 5;
}  // namespace

bool IsProgressStep(std::uint32_t position) { return position % kProgressEvery == 0; }

bool IsLastProgressStep(std::uint32_t position, std::uint32_t chunk, std::uint32_t count) {
  // Steps fall where a chunk starts on a fifth byte.
  return position + std::lcm(chunk, kProgressEvery) >= count;
}

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
