#include "core/link/transfer.h"

#include <algorithm>
#include <cstddef>

#include "core/link/progress.h"

namespace q6 {
namespace {

// Once the first mask byte is 0 the batch carries nothing to check (the log-on).
void CheckEcho(LinkState& link, std::uint32_t count) {
  if (link.CheckMask[0] == 0) return;
  for (std::uint32_t i = 0; i < count && !link.DataError; ++i) {
    if (link.CheckMask[i] == 1 && link.RxBuffer[i] != link.TxBuffer[i]) link.DataError = true;
  }
}

void EndTransfer(LinkState& link) {
  link.CheckMask.fill(0);
  link.TxSource = nullptr;
  link.running = false;
  link.anmeldung = false;
}

// Sends and collects the bytes; false when the port failed or the worker is told to stop.
bool Exchange(LinkState& link, SerialPort& port, std::uint32_t count,
              const TransferProgress& progress, const std::atomic<bool>& stopping) {
  const auto chunk = static_cast<std::uint32_t>(link.ChunkSize);
  for (std::uint32_t c = 0; c < count; c += chunk) {
    if (IsProgressStep(c)) progress(ProgressPercent(c, count), IsLastProgressStep(c, chunk, count));
    const std::uint32_t n = std::min(chunk, count - c);
    if (stopping || !port.write(link.TxSource + c, n) || !port.read(&link.RxBuffer[c], n)) {
      return false;
    }
    link.RxDone = true;
    if (link.DataError) break;
  }
  return true;
}

PortTimeouts TransferTimeouts(int readTimeout) {
  return PortTimeouts{.readInterval = 250,
                      .readTotalPerByte = 1,
                      .readTotalConstant = readTimeout,
                      .writeTotalPerByte = 10,
                      .writeTotalConstant = 20};
}

}  // namespace

void DoTransfer(LinkState& link, SerialPort& port, const TransferProgress& progress,
                const std::atomic<bool>& stopping) {
  link.running = true;
  link.ReadTimeout = std::clamp(link.ReadTimeout, 30, 800);
  bool portWorks = !link.PortFailed && port.purge();
  if (portWorks && link.TxSource != nullptr) {
    link.ChunkSize = std::clamp(link.ChunkSize, 1, 100);
    // Never run past the buffers, whatever count a requester set.
    const auto count = static_cast<std::uint32_t>(std::min<std::size_t>(link.TxCount, kBufferSize));
    portWorks = port.setTimeouts(TransferTimeouts(link.ReadTimeout)) &&
                Exchange(link, port, count, progress, stopping);
    if (portWorks) CheckEcho(link, count);
  }
  if (!portWorks) {
    // A port that broke (an adapter pulled, a dimmer program gone) stays broken: the next
    // switch-on opens it afresh instead of talking to the dead handle.
    link.DataError = true;
    link.PortFailed = true;
  }
  EndTransfer(link);
}

}  // namespace q6
