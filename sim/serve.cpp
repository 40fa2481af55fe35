#include "sim/serve.h"

#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <thread>
#include <vector>

namespace q6::sim {
namespace {

bool WriteAll(int fd, const std::uint8_t* data, std::size_t count) {
  while (count > 0) {
    const ssize_t written = ::write(fd, data, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

// A sleep overshoots by tens of microseconds even with the timer slack at its minimum, a good
// share of a byte's wire time at 38400 baud; the last stretch is waited out awake.
void WaitUntil(Clock::time_point deadline) {
  constexpr auto kSpin = std::chrono::microseconds(100);
  if (deadline - Clock::now() > kSpin) std::this_thread::sleep_until(deadline - kSpin);
  while (Clock::now() < deadline) {
  }
}

}  // namespace

void Serve(int fd, int stopFd, ProtocolEngine& engine, std::optional<WireTiming> wire) {
  // The default slack of 50 us would add to every emulated byte.
  if (wire) ::prctl(PR_SET_TIMERSLACK, 1UL);
  // A dimmer answers within the link's 31 ms per byte however busy the PC is; on a loaded machine
  // the simulated one needs a higher priority for that, where the system grants it.
  ::setpriority(PRIO_PROCESS, 0, -10);
  std::array<pollfd, 2> watched{pollfd{fd, POLLIN, 0}, pollfd{stopFd, POLLIN, 0}};
  std::array<std::uint8_t, 256> received{};
  std::vector<std::uint8_t> answers;
  for (;;) {
    if (::poll(watched.data(), watched.size(), -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (watched[1].revents != 0) return;
    if (watched[0].revents & (POLLERR | POLLNVAL)) return;
    const ssize_t count = ::read(fd, received.data(), received.size());
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (count <= 0) return;
    const Clock::time_point now = Clock::now();
    answers.clear();
    for (ssize_t i = 0; i < count; ++i) {
      const auto answer = engine.exchange(received[static_cast<std::size_t>(i)], now);
      if (!answer) continue;
      if (!wire) {
        answers.push_back(*answer);
        continue;
      }
      WaitUntil(wire->answerArrival(now));
      if (!WriteAll(fd, &*answer, 1)) return;
    }
    if (!WriteAll(fd, answers.data(), answers.size())) return;
  }
}

}  // namespace q6::sim
