#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/shell/application.h"
#include "platform/serial/qt_executor.h"
#include "platform/serial/qt_serial_port.h"
#include "platform/shell/qt_platform.h"
#include "sim/dimmer_process.h"
#include "ui/windows.h"

namespace q6::bench {

// Messages are counted, not shown: a modal box would stall the loop being measured, and any
// message during a benchmark is a fault.
class CountingDialogs final : public Dialogs {
 public:
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override { ShowMessage(text); }
  void ShowModal(Form& window) override { ShowMessage("modal window " + window.name()); }
  std::optional<std::string> InputPassword(const std::string&, const std::string&,
                                           const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFileName(const SaveFileRequest&) override { return {}; }
  std::optional<std::string> OpenFileName(const SaveFileRequest&) override { return {}; }
  bool Confirm(const std::string& text) override;

  std::vector<std::string> messages;
};

// The program's windows, window models and serial adapter, built as app/main.cpp builds them, in
// this process and offscreen; only the dialogs differ. It talks to quendaris-dimmer on a
// pseudo-terminal with the line emulated at 38400 baud.
class ProgramUnderBench {
 public:
  ProgramUnderBench();

  // Starts the dimmer, switches communication on and serves the event loop until the EEPROM
  // image and a RAM block are in; false when that does not happen within `limitMs`.
  bool goLive(int limitMs = 30000);
  // Serves the event loop for `ms` milliseconds.
  static void serveFor(int ms);

  TForm1& form() { return app_.form1(); }
  const std::vector<std::string>& messages() const { return dialogs_.messages; }
  // What a tick of the poll timer started from; a data error is gone once the tick has run.
  struct Tick {
    int stateBefore;
    bool dataErrorBefore;
  };
  // Runs `observer` after every tick of the poll timer.
  void observeTicks(std::function<void(const Tick&)> observer);

 private:
  ui::Windows windows_;
  platform::QtShellFolders folders_;
  platform::QtScreenMetrics screen_{windows_.main()};
  CountingDialogs dialogs_;
  platform::QtWallClock clock_;
  platform::QtUserLocale locale_;
  QtSerialPortFactory ports_;
  QtExecutor executor_{windows_.main()};
  PlatformServices services_{folders_, screen_, dialogs_, clock_, locale_, ports_, executor_};
  Application app_{services_};
  ui::WindowBindings bindings_{windows_, app_};
  std::optional<sim::DimmerProcess> dimmer_;
};

}  // namespace q6::bench
