#pragma once

#include <optional>

#include "sim/live_model.h"

namespace q6::sim {

// Emulates the time bytes take on a serial line: 10 bits per byte in each direction, each
// direction carrying one byte after the other.
class WireTiming {
 public:
  explicit WireTiming(int baudRate);

  // When the answer to a byte that the dimmer saw at `received` has fully reached the program.
  Clock::time_point answerArrival(Clock::time_point received);

 private:
  Clock::duration byteTime_;
  Clock::time_point requestLineFree_{};
  Clock::time_point answerLineFree_{};
};

}  // namespace q6::sim
