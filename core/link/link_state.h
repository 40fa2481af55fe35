#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "core/link/buffer.h"

namespace q6 {

// The state of the one serial link of the program. The requester fills the buffers and counts on
// the user-interface thread while no transfer is pending; the worker owns them from the request
// until it clears `anmeldung`. The flags that either side may touch at any time are atomic.
struct LinkState {
  Buffer TxBuffer{};
  Buffer RxBuffer{};
  Buffer CheckMask{};
  // Non-null means a transfer is prepared; requesters point it at TxBuffer.
  const std::uint8_t* TxSource = nullptr;
  std::uint32_t TxCount = 0;
  std::uint32_t RxCount = 0;
  std::atomic<bool> RxDone{false};
  std::atomic<bool> DataError{false};
  std::string PortName;
  bool PortOpen = false;
  bool PortFailed = false;
  int ReadTimeout = 0;
  int ChunkSize = 0;
  int LogOnErrors = 0;
  // A transfer has been requested and has not finished yet.
  std::atomic<bool> anmeldung{false};
  // The worker is busy with a transfer.
  std::atomic<bool> running{false};
  // Counts the requests, so progress of a finished transfer is told from the current one's.
  std::atomic<unsigned> TransferNumber{0};
};

}  // namespace q6
