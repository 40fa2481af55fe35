// Measures the serial link on QSerialPort over a pseudo-terminal against quendaris-dimmer:
// the round-trip cost of one byte without wire emulation, and an 840-byte EEPROM read with the
// line emulated at 38400 baud, as a ratio to its wire time and with the CPU share of this process.
// A read within 1.10 of its wire time leaves a tenth of a byte's wire time for the link's own
// cost per byte, which is the limit of the round trip without wire emulation.

#include <unistd.h>

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "bench/support/figure.h"
#include "bench/support/process_usage.h"
#include "core/link/records.h"
#include "core/link/sio.h"
#include "platform/serial/qt_executor.h"
#include "platform/serial/qt_serial_port.h"
#include "sim/dimmer_process.h"

namespace {

using namespace q6;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr std::uint32_t kEepromReadBytes = 840;
constexpr int kRounds = 7;
constexpr double kReadLimit = 1.10;
constexpr double kCpuLimitPercent = 10.0;

struct NoDialog final : MessageDialog {
  void ShowMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

struct NoBars final : ProgressBars {
  void setPosition(TransferBar, int) override {}
};

struct Sample {
  double wallSeconds;
  double cpuSeconds;
};

class Bench {
 public:
  Bench(const fs::path& setup, const std::string& portName) {
    link_.PortName = portName;
    sio_ =
        TSio::Create(link_, std::make_unique<QtSerialPort>(),
                     SioServices{executor_, dialog_, bars_, [this] { return sioState_; }, setup});
  }
  bool open() const { return sio_ && link_.PortOpen; }

  // One EEPROM read, timed from the request to the moment the user-interface thread sees it end.
  Sample eepromRead() {
    sioState_ = 93;
    send_sio(link_, *sio_, sioState_, 2, 0x0000, 168, 0);
    const double cpuStart = bench::ProcessCpuSeconds();
    const auto start = Clock::now();
    StartBatch(link_, *sio_, sioState_, kEepromReadBytes, 94);
    // The user-interface thread keeps serving its queue as it would between timer ticks.
    while (link_.anmeldung || link_.running) {
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return {std::chrono::duration<double>(Clock::now() - start).count(),
            bench::ProcessCpuSeconds() - cpuStart};
  }
  bool failed() const { return link_.DataError; }

 private:
  LinkState link_;
  QObject uiThread_;
  QtExecutor executor_{uiThread_};
  NoDialog dialog_;
  NoBars bars_;
  int sioState_ = 1;
  std::unique_ptr<TSio> sio_;
};

Sample Median(std::vector<Sample> samples) {
  std::sort(samples.begin(), samples.end(),
            [](const Sample& a, const Sample& b) { return a.wallSeconds < b.wallSeconds; });
  return samples[samples.size() / 2];
}

bool Measure(const fs::path& setup, const std::string& portName,
             const std::vector<std::string>& dimmerArgs, Sample& result) {
  sim::DimmerProcess dimmer(Q6_DIMMER_PROGRAM, setup, portName, dimmerArgs);
  const auto fail = [&portName](const char* what) {
    std::fprintf(stderr, "link_bench: %s: %s\n", portName.c_str(), what);
    return false;
  };
  if (!dimmer.ready()) return fail("the dimmer did not start");
  Bench bench(setup, portName);
  if (!bench.open()) return fail("the port did not open");
  bench.eepromRead();  // warm-up
  std::vector<Sample> samples;
  for (int i = 0; i < kRounds && !bench.failed(); ++i) samples.push_back(bench.eepromRead());
  if (bench.failed()) return fail("data error in an EEPROM read");
  result = Median(samples);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const fs::path setup = fs::temp_directory_path() / ("link_bench_" + std::to_string(::getpid()));

  Sample direct{};
  Sample wire{};
  const bool ok =
      Measure(setup, "COM1", {}, direct) && Measure(setup, "COM2", {"--wire-baud", "38400"}, wire);
  fs::remove_all(setup);
  if (!ok) return 1;

  const double wireSeconds = kEepromReadBytes * 2 * 10 / 38400.0;
  const double wireByteUs = wireSeconds / kEepromReadBytes * 1e6;
  char readFigure[160];
  std::snprintf(readFigure, sizeof readFigure,
                "%u-byte EEPROM read at 38400 baud, median of %d (wire %.1f ms; x%.3f)",
                kEepromReadBytes, kRounds, wireSeconds * 1e3, wire.wallSeconds / wireSeconds);
  bench::PrintFigure("link round trip per byte without wire emulation (a tenth of its wire time)",
                     direct.wallSeconds / kEepromReadBytes * 1e6, wireByteUs * (kReadLimit - 1),
                     "us");
  bench::PrintFigure(readFigure, wire.wallSeconds * 1e3, wireSeconds * 1e3 * kReadLimit, "ms");
  bench::PrintFigure("CPU share of the program's process during that read",
                     100.0 * wire.cpuSeconds / wire.wallSeconds, kCpuLimitPercent, "%");
  return 0;
}
