#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/link/executor.h"
#include "core/link/link_state.h"
#include "core/link/progress.h"
#include "core/link/serial_port.h"
#include "core/link/transfer_requester.h"
#include "core/widgets/dialogs.h"

namespace q6 {

// What the serial worker needs from its surroundings; all of it outlives the worker.
struct SioServices {
  // Runs the progress display on the user-interface thread.
  Executor& executor;
  MessageDialog& messages;
  ProgressBars& progressBars;
  // The sequencer's state, read on the user-interface thread to pick the progress bar.
  std::function<int()> sioState;
  std::filesystem::path pathSetup;
  // A second line under the message of a port the user may not open: what to do about it, in
  // the program's language.
  std::string accessDeniedHint = {};
};

// The serial worker: owns the port named by `PortName` and runs each requested transfer on its
// own thread. The port is opened, used and closed on that thread only, so the platform's port
// object never crosses threads.
class TSio final : public TransferRequester {
 public:
  // Opens and configures the port and prepares the buffers; failures are reported by message,
  // `DataError`, `PortOpen` and `PortFailed`. Empty when the worker thread cannot be created.
  static std::unique_ptr<TSio> Create(LinkState& link, std::unique_ptr<SerialPort> port,
                                      const SioServices& services);
  // Stops the worker, ending a transfer under way with `DataError`, and closes the port.
  ~TSio() override;

  TSio(const TSio&) = delete;
  TSio& operator=(const TSio&) = delete;

  // A request made while another is pending is ignored, as the sequencer never makes one.
  void RequestTransfer() override;

  // Between a transfer's first and last steps, its progress reaches the bars at most this often.
  static constexpr std::chrono::milliseconds kProgressFrame{100};

 private:
  struct OpenResult;

  TSio(LinkState& link, std::unique_ptr<SerialPort> port, const SioServices& services);
  OpenResult OpenPort(const std::string& device);
  void ApplyOpenResult(const OpenResult& result);
  void Execute();
  void ReportProgress(unsigned number, int percent, bool last);
  void ShowProgress(unsigned number, int percent);

  LinkState& link_;
  std::unique_ptr<SerialPort> port_;
  SioServices services_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool requested_ = false;
  std::atomic<bool> stopping_{false};
  // When the user-interface thread last heard of the running transfer's progress.
  std::optional<std::chrono::steady_clock::time_point> progressShown_;
  std::thread thread_;
};

// "Kein Zugriff auf <port>, Fehlernummer: <error>".
std::string NoAccessMessage(const std::string& portName, int errorNumber);
// The same, with `hint` on a second line when the system denied the access.
std::string NoAccessMessage(const std::string& portName, int errorNumber, PortFailure failure,
                            const std::string& hint);

}  // namespace q6
