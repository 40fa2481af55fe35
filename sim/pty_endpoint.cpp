#include "sim/pty_endpoint.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <thread>
#include <utility>

namespace q6::sim {

std::unique_ptr<PtyEndpoint> PtyEndpoint::Open(std::string& error) {
  int master = -1;
  int slave = -1;
  std::array<char, 256> name{};
  termios raw{};
  cfmakeraw(&raw);
  cfsetspeed(&raw, B38400);
  if (openpty(&master, &slave, name.data(), &raw, nullptr) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return nullptr;
  }
  return std::unique_ptr<PtyEndpoint>(new PtyEndpoint(master, slave, name.data()));
}

PtyEndpoint::PtyEndpoint(int master, int slave, std::string device)
    : master_(master), slave_(slave), device_(std::move(device)) {}

// Measured as a transfer meets it: the dimmer waits in poll() for a byte that another thread
// writes, so its waking up counts. The median, not the least: a try that finds the terminal's
// worker and the reader already running takes a few microseconds where most take tens, and the
// line would then run slower than the wire by the difference at every byte.
std::chrono::nanoseconds PtyEndpoint::typicalDeliveryTime() const {
  using Clock = std::chrono::steady_clock;
  constexpr int kTries = 301;
  std::array<Clock::time_point, kTries> written{};
  std::array<Clock::time_point, kTries> arrived{};
  bool writesFailed = false;
  std::thread writer([&] {
    for (auto& time : written) {
      // Apart, as the bytes of a transfer are, so the reader is asleep when each comes.
      std::this_thread::sleep_for(std::chrono::microseconds(300));
      const std::uint8_t probe = 0;
      if (::write(slave_, &probe, 1) != 1) {
        writesFailed = true;
        return;
      }
      // From the end of the write, so the writer's own cost is never taken off.
      time = Clock::now();
    }
  });
  int received = 0;
  for (; received < kTries; ++received) {
    std::uint8_t back = 0;
    pollfd readable{master_, POLLIN, 0};
    if (::poll(&readable, 1, 100) != 1 || ::read(master_, &back, 1) != 1) break;
    arrived[static_cast<std::size_t>(received)] = Clock::now();
  }
  writer.join();
  if (writesFailed || received < kTries) {
    // Probes left unread would reach the dimmer as the program's first bytes.
    ::tcflush(master_, TCIOFLUSH);
    return {};
  }
  std::array<std::chrono::nanoseconds, kTries> taken{};
  for (std::size_t i = 0; i < taken.size(); ++i)
    taken[i] =
        std::max(std::chrono::nanoseconds{},
                 std::chrono::duration_cast<std::chrono::nanoseconds>(arrived[i] - written[i]));
  std::nth_element(taken.begin(), taken.begin() + kTries / 2, taken.end());
  return taken[kTries / 2];
}

PtyEndpoint::~PtyEndpoint() {
  ::close(slave_);
  ::close(master_);
}

}  // namespace q6::sim
