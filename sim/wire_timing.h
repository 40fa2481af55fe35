#pragma once

#include <optional>

#include "sim/live_model.h"

namespace q6::sim {

// Emulates the time bytes take on a serial line: 10 bits per byte in each direction, each
// direction carrying one byte after the other.
class WireTiming {
 public:
  // `delivery` is the time the pseudo-terminal typically takes to bring the program's byte to the
  // dimmer. A line has no such delay before a byte's bits, so a byte that the dimmer reads went
  // onto the emulated line that much earlier; only the answer's way back stays with the program.
  // At most a quarter of a byte's time is taken off: a delivery measured on a machine busy at
  // the time must not make the line much faster than a wire.
  explicit WireTiming(int baudRate, Clock::duration delivery = {});

  // When the answer to a byte that the dimmer saw at `received` has fully reached the program.
  Clock::time_point answerArrival(Clock::time_point received);

 private:
  Clock::duration byteTime_;
  Clock::duration delivery_;
  Clock::time_point requestLineFree_{};
  Clock::time_point answerLineFree_{};
};

}  // namespace q6::sim
