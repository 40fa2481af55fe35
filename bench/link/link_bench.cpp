// Measures the serial link on QSerialPort over a pseudo-terminal against quendaris-dimmer, beside a
// bare write/poll/read loop on the same terminal: the link's own cost per byte over that loop,
// measured without wire emulation, and an 840-byte EEPROM read with the line emulated at 38400
// baud, as a ratio to its wire time, with the CPU share of this process. The loop shows what the
// terminal, the simulated dimmer and the system take whatever the program: a read within 1.10 of
// its wire time leaves a tenth of a byte's wire time for everything else, the limit of the link's
// own cost.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "bench/support/figure.h"
#include "bench/support/process_usage.h"
#include "core/link/forwarding_port.h"
#include "core/link/port_names.h"
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
  // Of this process, over the time until the transfer was seen to end.
  double cpuShare;
};

// The program's port, noting when the last answer byte came in: the read is timed on the
// worker's side, so the user-interface thread may wait between looks as the program's does
// between its timer ticks, instead of taking the processor from the link every millisecond.
class TimedPort final : public ForwardingPort {
 public:
  TimedPort() : ForwardingPort(port_) {}
  std::optional<std::size_t> read(std::uint8_t* data, std::size_t count) override {
    const auto received = ForwardingPort::read(data, count);
    lastRead_ = Clock::now().time_since_epoch().count();
    return received;
  }

  Clock::time_point lastRead() const { return Clock::time_point(Clock::duration(lastRead_)); }

 private:
  QtSerialPort port_;
  std::atomic<Clock::rep> lastRead_{0};
};

class Bench {
 public:
  Bench(const fs::path& setup, const std::string& portName) {
    link_.PortName = portName;
    auto port = std::make_unique<TimedPort>();
    port_ = port.get();
    sio_ =
        TSio::Create(link_, std::move(port),
                     SioServices{executor_, dialog_, bars_, [this] { return sioState_; }, setup});
  }
  bool open() const { return sio_ && link_.PortOpen; }

  // One EEPROM read, timed from the request to its last answer byte; the processor share over
  // the time until the user-interface thread sees it end.
  Sample eepromRead() {
    sioState_ = 93;
    send_sio(link_, *sio_, sioState_, 2, 0x0000, 168, 0);
    const double cpuStart = bench::ProcessCpuSeconds();
    const auto start = Clock::now();
    StartBatch(link_, *sio_, sioState_, kEepromReadBytes, 94);
    while (link_.anmeldung || link_.running) {
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const double cpuSeconds = bench::ProcessCpuSeconds() - cpuStart;
    const double seen = std::chrono::duration<double>(Clock::now() - start).count();
    return {std::chrono::duration<double>(port_->lastRead() - start).count(), cpuSeconds / seen};
  }
  bool failed() const { return link_.DataError; }

 private:
  LinkState link_;
  QObject uiThread_;
  QtExecutor executor_{uiThread_};
  NoDialog dialog_;
  NoBars bars_;
  int sioState_ = 1;
  TimedPort* port_ = nullptr;
  std::unique_ptr<TSio> sio_;
};

// The least a program can do per byte: write it, wait for the answer, read it. Zero bytes are
// log-on bytes, each answered by the dimmer in any state.
class BareLoop {
 public:
  explicit BareLoop(const std::string& device)
      : fd_(::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {
    termios raw{};
    if (fd_ < 0 || ::tcgetattr(fd_, &raw) != 0) return;
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B38400);
    ok_ = ::tcsetattr(fd_, TCSANOW, &raw) == 0 && ::tcflush(fd_, TCIOFLUSH) == 0;
  }
  ~BareLoop() {
    if (fd_ >= 0) ::close(fd_);
  }
  BareLoop(const BareLoop&) = delete;
  BareLoop& operator=(const BareLoop&) = delete;
  bool open() const { return ok_; }

  Sample exchange(std::uint32_t count) {
    const double cpuStart = bench::ProcessCpuSeconds();
    const auto start = Clock::now();
    for (std::uint32_t i = 0; i < count && ok_; ++i) {
      const std::uint8_t out = 0;
      std::uint8_t in = 0;
      pollfd readable{fd_, POLLIN, 0};
      ok_ =
          ::write(fd_, &out, 1) == 1 && ::poll(&readable, 1, 500) == 1 && ::read(fd_, &in, 1) == 1;
    }
    const double wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    return {wallSeconds, (bench::ProcessCpuSeconds() - cpuStart) / wallSeconds};
  }

 private:
  int fd_;
  bool ok_ = false;
};

Sample Median(std::vector<Sample> samples) {
  std::sort(samples.begin(), samples.end(),
            [](const Sample& a, const Sample& b) { return a.wallSeconds < b.wallSeconds; });
  return samples[samples.size() / 2];
}

template <typename Exchange>
Sample MedianOfRounds(Exchange exchange) {
  exchange();  // warm-up
  std::vector<Sample> samples;
  for (int i = 0; i < kRounds; ++i) samples.push_back(exchange());
  return Median(samples);
}

struct Figures {
  Sample bare;
  Sample link;
};

// Against one dimmer, the bare loop first, then the link, each with the terminal to itself.
bool Measure(const fs::path& setup, const std::string& portName,
             const std::vector<std::string>& dimmerArgs, Figures& result) {
  sim::DimmerProcess dimmer(Q6_DIMMER_PROGRAM, setup, portName, dimmerArgs);
  const auto fail = [&portName](const char* what) {
    std::fprintf(stderr, "link_bench: %s: %s\n", portName.c_str(), what);
    return false;
  };
  if (!dimmer.ready()) return fail("the dimmer did not start");
  {
    BareLoop loop(ResolvePortDevice(portName, setup));
    if (!loop.open()) return fail("the bare loop could not open the terminal");
    result.bare = MedianOfRounds([&loop] { return loop.exchange(kEepromReadBytes); });
    if (!loop.open()) return fail("the dimmer stopped answering the bare loop");
  }
  Bench bench(setup, portName);
  if (!bench.open()) return fail("the port did not open");
  result.link = MedianOfRounds([&bench] { return bench.eepromRead(); });
  if (bench.failed()) return fail("data error in an EEPROM read");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const fs::path setup = fs::temp_directory_path() / ("link_bench_" + std::to_string(::getpid()));

  Figures direct{};
  Figures wire{};
  const bool ok =
      Measure(setup, "COM1", {}, direct) && Measure(setup, "COM2", {"--wire-baud", "38400"}, wire);
  fs::remove_all(setup);
  if (!ok) return 1;

  const double wireSeconds = kEepromReadBytes * 2 * 10 / 38400.0;
  const double wireByteUs = wireSeconds / kEepromReadBytes * 1e6;
  const auto perByteUs = [](const Sample& sample) {
    return sample.wallSeconds / kEepromReadBytes * 1e6;
  };
  char overheadFigure[200];
  std::snprintf(overheadFigure, sizeof overheadFigure,
                "link's own cost per byte: its round trip %.1f us over a bare loop's %.1f us, "
                "no wire emulation (a tenth of a byte's wire time)",
                perByteUs(direct.link), perByteUs(direct.bare));
  char readFigure[200];
  std::snprintf(readFigure, sizeof readFigure,
                "%u-byte EEPROM read at 38400 baud, median of %d (wire %.1f ms; x%.3f, "
                "a bare loop x%.3f)",
                kEepromReadBytes, kRounds, wireSeconds * 1e3, wire.link.wallSeconds / wireSeconds,
                wire.bare.wallSeconds / wireSeconds);
  bench::PrintFigure(overheadFigure, std::max(0.0, perByteUs(direct.link) - perByteUs(direct.bare)),
                     wireByteUs * (kReadLimit - 1), "us");
  bench::PrintFigure(readFigure, wire.link.wallSeconds * 1e3, wireSeconds * 1e3 * kReadLimit, "ms");
  bench::PrintFigure("CPU share of the program's process during that read",
                     100.0 * wire.link.cpuShare, kCpuLimitPercent, "%");
  return 0;
}
