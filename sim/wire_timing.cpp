#include "sim/wire_timing.h"

#include <algorithm>

namespace q6::sim {

WireTiming::WireTiming(int baudRate, Clock::duration delivery)
    : byteTime_(std::chrono::duration_cast<Clock::duration>(
          std::chrono::duration<double>(10.0 / baudRate))),
      delivery_(std::min(delivery, byteTime_ / 4)) {}

Clock::time_point WireTiming::answerArrival(Clock::time_point received) {
  requestLineFree_ = std::max(received - delivery_, requestLineFree_) + byteTime_;
  answerLineFree_ = std::max(requestLineFree_, answerLineFree_) + byteTime_;
  return answerLineFree_;
}

}  // namespace q6::sim
