#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "core/link/serial_port.h"
#include "sim/protocol_engine.h"

namespace q6::sim {

// The simulated dimmer behind the link's port interface, in process: every written byte is
// answered at once and a read that finds too few answers returns short, without waiting.
class SimulatedPort final : public SerialPort {
 public:
  SimulatedPort(ProtocolEngine& engine, std::function<Clock::time_point()> now);

  // The cable is pulled: every later call fails.
  void unplug() { unplugged_ = true; }

  bool open(const std::string& device) override;
  bool applyLineSettings(const LineSettings& settings) override;
  bool setQueueSizes(std::size_t input, std::size_t output) override;
  bool setTimeouts(const PortTimeouts& timeouts) override;
  bool purge() override;
  bool write(const std::uint8_t* data, std::size_t count) override;
  std::optional<std::size_t> read(std::uint8_t* data, std::size_t count) override;
  void close() override;
  int lastError() const override { return lastError_; }

 private:
  bool works();

  ProtocolEngine& engine_;
  std::function<Clock::time_point()> now_;
  std::deque<std::uint8_t> answers_;
  bool open_ = false;
  bool unplugged_ = false;
  int lastError_ = 0;
};

}  // namespace q6::sim
