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

std::chrono::nanoseconds PtyEndpoint::minimumDeliveryTime() const {
  using Clock = std::chrono::steady_clock;
  constexpr int kTries = 100;
  auto least = std::chrono::nanoseconds::max();
  for (int i = 0; i < kTries; ++i) {
    // Apart, as the bytes of a transfer are, so no try queues behind the one before.
    std::this_thread::sleep_for(std::chrono::microseconds(300));
    const std::uint8_t probe = 0;
    std::uint8_t back = 0;
    if (::write(slave_, &probe, 1) != 1) return {};
    // From the end of the write, so the writer's own cost is never taken off.
    const auto written = Clock::now();
    pollfd readable{master_, POLLIN, 0};
    if (::poll(&readable, 1, 100) != 1 || ::read(master_, &back, 1) != 1) return {};
    least = std::min(least,
                     std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - written));
  }
  return least;
}

PtyEndpoint::~PtyEndpoint() {
  ::close(slave_);
  ::close(master_);
}

}  // namespace q6::sim
