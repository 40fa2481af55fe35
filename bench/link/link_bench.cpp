// Measures the serial link on QSerialPort over a pseudo-terminal against quendaris-dimmer:
// the round-trip cost of one byte without wire emulation, and an 840-byte EEPROM read with the
// line emulated at 38400 baud, as a ratio to its wire time and with the CPU share of this process.

#include <unistd.h>

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

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

struct NoDialog final : MessageDialog {
  void ShowMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

struct NoBars final : ProgressBars {
  void setPosition(TransferBar, int) override {}
};

double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

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
    const double cpuStart = ProcessCpuSeconds();
    const auto start = Clock::now();
    StartBatch(link_, *sio_, sioState_, kEepromReadBytes, 94);
    // The user-interface thread keeps serving its queue as it would between timer ticks.
    while (link_.anmeldung || link_.running) {
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return {std::chrono::duration<double>(Clock::now() - start).count(),
            ProcessCpuSeconds() - cpuStart};
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
  if (!dimmer.ready()) return false;
  Bench bench(setup, portName);
  if (!bench.open()) return false;
  bench.eepromRead();  // warm-up
  std::vector<Sample> samples;
  for (int i = 0; i < kRounds; ++i) samples.push_back(bench.eepromRead());
  result = Median(samples);
  return !bench.failed();
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
  if (!ok) {
    std::fprintf(stderr, "link_bench: the transfer against quendaris-dimmer failed\n");
    return 1;
  }

  const double wireSeconds = kEepromReadBytes * 2 * 10 / 38400.0;
  std::printf("median of %d EEPROM reads (%u bytes, one byte per step)\n", kRounds,
              kEepromReadBytes);
  std::printf(
      "round trip per byte without wire emulation: %.1f us (wire time at 38400 baud: %.1f us,"
      " overhead ratio %.3f)\n",
      direct.wallSeconds / kEepromReadBytes * 1e6, wireSeconds / kEepromReadBytes * 1e6,
      direct.wallSeconds / wireSeconds);
  std::printf(
      "EEPROM read at 38400 baud: %.1f ms, wire time %.1f ms, ratio %.3f (target <= 1.10)\n",
      wire.wallSeconds * 1e3, wireSeconds * 1e3, wire.wallSeconds / wireSeconds);
  std::printf("process CPU during that read: %.1f ms, %.1f %% of wall time (target <= 10 %%)\n",
              wire.cpuSeconds * 1e3, 100.0 * wire.cpuSeconds / wire.wallSeconds);
  return 0;
}
