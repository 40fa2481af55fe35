#pragma once

#include <atomic>
#include <functional>

#include "core/link/link_state.h"
#include "core/link/serial_port.h"

namespace q6 {

// Runs the transfer prepared in `link` over `port`, one `ChunkSize` step after the other, and
// ends with the echo check and the end steps (mask wiped, `TxSource` cleared, `running` and
// `anmeldung` cleared). `progress` receives the percentage reached at every fifth byte, and
// whether it is the transfer's last step. A failed port, a port refused at opening or `stopping`
// ends the transfer early with `DataError` set.
using TransferProgress = std::function<void(int percent, bool last)>;
void DoTransfer(LinkState& link, SerialPort& port, const TransferProgress& progress,
                const std::atomic<bool>& stopping);

}  // namespace q6
