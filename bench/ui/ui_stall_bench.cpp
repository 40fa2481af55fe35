// How long the user-interface thread stalls while the program polls a dimmer: the real windows
// (offscreen), the real serial adapter and quendaris-dimmer on a pseudo-terminal with wire-time
// emulation at 38400 baud. A 1 ms timer measures the gaps between its ticks; anything the event
// loop is kept from doing shows as a gap.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/shell/application.h"
#include "platform/serial/qt_executor.h"
#include "platform/serial/qt_serial_port.h"
#include "platform/shell/qt_platform.h"
#include "sim/dimmer_process.h"
#include "ui/windows.h"

namespace {

// Messages go to the terminal: a modal box would stall the loop being measured.
class PrintingDialogs final : public q6::Dialogs {
 public:
  void ShowMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  void ShowError(const std::string& text) override { ShowMessage(text); }
  void ShowModal(q6::Form&) override {}
  std::optional<std::string> InputPassword(const std::string&, const std::string&,
                                           const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFileName(const q6::SaveFileRequest&) override { return {}; }
  std::optional<std::string> OpenFileName(const q6::SaveFileRequest&) override { return {}; }
  bool Confirm(const std::string&) override { return false; }
};

}  // namespace

int main(int argc, char* argv[]) {
  QTemporaryDir home;
  qputenv("HOME", home.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);

  q6::ui::Windows windows;
  q6::platform::QtShellFolders folders;
  q6::platform::QtScreenMetrics screen(windows.main());
  PrintingDialogs dialogs;
  q6::platform::QtWallClock clock;
  q6::platform::QtUserLocale locale;
  q6::QtSerialPortFactory ports;
  q6::QtExecutor executor(windows.main());
  q6::PlatformServices services{folders, screen, dialogs, clock, locale, ports, executor};
  q6::Application app(services);
  q6::ui::WindowBindings bindings(windows, app);
  app.Start();
  windows.showMain();

  q6::sim::DimmerProcess dimmer(Q6_DIMMER_PROGRAM, app.form1().PathSetup, "COM1",
                                {"--wire-baud", "38400"});
  if (!dimmer.ready()) {
    std::fprintf(stderr, "the simulated dimmer did not start\n");
    return 1;
  }
  app.form1().comm.BtComActivate.click();

  constexpr int kSeconds = 8;
  std::vector<qint64> gapsUs;
  QElapsedTimer sinceLast;
  QTimer probe;
  probe.setTimerType(Qt::PreciseTimer);
  probe.setInterval(1);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    gapsUs.push_back(sinceLast.nsecsElapsed() / 1000);
    sinceLast.restart();
  });
  sinceLast.start();
  probe.start();
  bool stillPolling = false;
  std::uint16_t ramWords = 0;
  QTimer::singleShot(kSeconds * 1000, &qapp, [&] {
    stillPolling = app.form1().sio_started;
    ramWords = app.form1().RamRData[0].Value;
    QCoreApplication::quit();
  });
  QApplication::exec();

  std::sort(gapsUs.begin(), gapsUs.end());
  const auto at = [&](double share) {
    return gapsUs.empty()
               ? 0
               : gapsUs[static_cast<std::size_t>(share * static_cast<double>(gapsUs.size() - 1))];
  };
  std::printf(
      "polling for %d s against quendaris-dimmer at 38400 baud (still polling: %s, "
      "RAM word 0x0030 = %u)\n",
      kSeconds, stillPolling ? "yes" : "no", ramWords);
  std::printf(
      "event-loop gaps of a 1 ms timer: median %lld us, 99th percentile %lld us, "
      "longest %lld us (%zu ticks)\n",
      static_cast<long long>(at(0.5)), static_cast<long long>(at(0.99)),
      static_cast<long long>(gapsUs.empty() ? 0 : gapsUs.back()), gapsUs.size());
  return 0;
}
