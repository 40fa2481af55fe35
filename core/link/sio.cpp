#include "core/link/sio.h"

#include <algorithm>
#include <future>
#include <system_error>
#include <utility>

#include "core/link/port_names.h"
#include "core/link/transfer.h"

namespace q6 {

struct TSio::OpenResult {
  bool opened = false;
  bool lineSettingsAccepted = false;
  bool queueSizesAccepted = false;
  int errorNumber = 0;
  PortFailure failure = PortFailure::Other;
};

std::string NoAccessMessage(const std::string& portName, int errorNumber) {
  return "Kein Zugriff auf " + portName + ", Fehlernummer: " + std::to_string(errorNumber);
}

std::string NoAccessMessage(const std::string& portName, int errorNumber, PortFailure failure,
                            const std::string& hint) {
  std::string message = NoAccessMessage(portName, errorNumber);
  if (failure == PortFailure::AccessDenied && !hint.empty()) message += "\n" + hint;
  return message;
}

std::unique_ptr<TSio> TSio::Create(LinkState& link, std::unique_ptr<SerialPort> port,
                                   const SioServices& services) {
  link.DataError = false;
  link.PortOpen = false;
  std::unique_ptr<TSio> sio(new TSio(link, std::move(port), services));
  std::promise<OpenResult> opening;
  std::future<OpenResult> opened = opening.get_future();
  const std::string device = ResolvePortDevice(link.PortName, services.pathSetup);
  try {
    sio->thread_ = std::thread([raw = sio.get(), device, opening = std::move(opening)]() mutable {
      opening.set_value(raw->OpenPort(device));
      raw->Execute();
    });
  } catch (const std::system_error&) {
    return nullptr;
  }
  sio->ApplyOpenResult(opened.get());
  return sio;
}

TSio::TSio(LinkState& link, std::unique_ptr<SerialPort> port, const SioServices& services)
    : link_(link), port_(std::move(port)), services_(services) {}

TSio::~TSio() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable()) thread_.join();
  link_.PortOpen = false;
  link_.running = false;
  link_.anmeldung = false;
}

void TSio::RequestTransfer() {
  if (link_.anmeldung) return;
  {
    std::lock_guard lock(mutex_);
    ++link_.TransferNumber;
    link_.anmeldung = true;
    link_.running = true;
    requested_ = true;
  }
  wake_.notify_one();
}

TSio::OpenResult TSio::OpenPort(const std::string& device) {
  OpenResult result;
  result.opened = port_->open(device);
  if (result.opened) {
    result.lineSettingsAccepted =
        port_->applyLineSettings(LineSettings{.baudRate = 38400, .dataBits = 8, .stopBits = 1});
    if (result.lineSettingsAccepted) {
      result.queueSizesAccepted = port_->setQueueSizes(kQueueSize, kQueueSize);
    }
  }
  if (!result.opened || !result.lineSettingsAccepted) result.errorNumber = port_->lastError();
  if (!result.opened) result.failure = port_->lastFailure();
  return result;
}

void TSio::ApplyOpenResult(const OpenResult& result) {
  if (!result.opened) {
    link_.DataError = true;
    services_.messages.ShowMessage(NoAccessMessage(link_.PortName, result.errorNumber,
                                                   result.failure, services_.accessDeniedHint));
    return;
  }
  link_.PortOpen = true;
  if (!result.lineSettingsAccepted) {
    services_.messages.ShowMessage(NoAccessMessage(link_.PortName, result.errorNumber));
    link_.anmeldung = false;
    link_.DataError = true;
    link_.PortFailed = true;
    return;
  }
  std::fill_n(link_.RxBuffer.begin(), kQueueSize, 0);
  std::fill_n(link_.TxBuffer.begin(), kQueueSize, 0);
  if (result.queueSizesAccepted) link_.anmeldung = false;
  link_.PortFailed = false;
}

void TSio::Execute() {
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return requested_ || stopping_; });
      if (stopping_) break;
      requested_ = false;
    }
    const unsigned number = link_.TransferNumber;
    progressShown_.reset();
    DoTransfer(
        link_, *port_,
        [this, number](int percent, bool last) { ReportProgress(number, percent, last); },
        stopping_);
  }
  port_->close();
}

// A step every fifth byte would wake the user-interface thread some two hundred times a second,
// each time to repaint a bar, for figures nobody can tell apart. It hears of a transfer's first and
// last steps, and between them of the first step after each `kProgressFrame`.
void TSio::ReportProgress(unsigned number, int percent, bool last) {
  const auto now = std::chrono::steady_clock::now();
  if (!last && progressShown_ && now - *progressShown_ < kProgressFrame) return;
  progressShown_ = now;
  ShowProgress(number, percent);
}

// The task may run after this worker is gone, so it holds only what outlives the worker. Progress
// that arrives after its transfer has ended is dropped, so a completion that resets a bar stays
// and the next transfer's bar never shows the last one's figures.
void TSio::ShowProgress(unsigned number, int percent) {
  services_.executor.post([&link = link_, &bars = services_.progressBars,
                           sioState = services_.sioState, number, percent] {
    if (link.anmeldung && link.TransferNumber == number)
      ShowTransferProgress(sioState(), percent, bars);
  });
}

}  // namespace q6
