#include "sim/simulated_port.h"

#include <cerrno>
#include <utility>

namespace q6::sim {

SimulatedPort::SimulatedPort(ProtocolEngine& engine, std::function<Clock::time_point()> now)
    : engine_(engine), now_(std::move(now)) {}

bool SimulatedPort::works() {
  if (open_ && !unplugged_) return true;
  lastError_ = open_ ? EIO : EBADF;
  return false;
}

bool SimulatedPort::open(const std::string&) {
  if (unplugged_) {
    lastError_ = ENOENT;
    return false;
  }
  open_ = true;
  return true;
}

bool SimulatedPort::applyLineSettings(const LineSettings&) { return works(); }

bool SimulatedPort::setQueueSizes(std::size_t, std::size_t) { return works(); }

bool SimulatedPort::setTimeouts(const PortTimeouts&) { return works(); }

bool SimulatedPort::purge() {
  answers_.clear();
  return works();
}

bool SimulatedPort::write(const std::uint8_t* data, std::size_t count) {
  if (!works()) return false;
  for (std::size_t i = 0; i < count; ++i) {
    if (const auto answer = engine_.exchange(data[i], now_())) answers_.push_back(*answer);
  }
  return true;
}

std::optional<std::size_t> SimulatedPort::read(std::uint8_t* data, std::size_t count) {
  if (!works()) return std::nullopt;
  std::size_t taken = 0;
  for (; taken < count && !answers_.empty(); ++taken) {
    data[taken] = answers_.front();
    answers_.pop_front();
  }
  return taken;
}

void SimulatedPort::close() { open_ = false; }

}  // namespace q6::sim
