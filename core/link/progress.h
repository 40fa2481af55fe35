#pragma once

#include <cstdint>

namespace q6 {

enum class TransferBar { Ram, Eeprom };

// The two transfer progress bars of the main window, each running from 0 to 100.
class ProgressBars {
 public:
  virtual ~ProgressBars() = default;
  virtual void setPosition(TransferBar bar, int position) = 0;
};

// Progress is shown at every fifth byte of a transfer.
bool IsProgressStep(std::uint32_t position);
// Whether the progress step at `position` is the last of a transfer of `count` bytes taken
// `chunk` at a time.
bool IsLastProgressStep(std::uint32_t position, std::uint32_t chunk, std::uint32_t count);
// Share of `count` that `position` has reached, in percent, rounded to the nearest integer.
int ProgressPercent(std::uint32_t position, std::uint32_t count);
// Sets the bars for the sequencer state `sioState`: the EEPROM bar for the batches sent from the
// states above 4, the RAM bar while the RAM block is awaited, neither for the log-on.
void ShowTransferProgress(int sioState, int percent, ProgressBars& bars);

}  // namespace q6
