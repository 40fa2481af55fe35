#pragma once

#include <functional>
#include <memory>

#include "core/link/forwarding_port.h"
#include "sim/dimmer.h"
#include "sim/protocol_engine.h"
#include "sim/simulated_port.h"

namespace q6::test {

// A simulated dimmer in process, behind the program's port interface. `tamper` sees every
// answer byte and may change it, to stage faults the simulator has no mode for.
class SimulatedDimmer {
 public:
  explicit SimulatedDimmer(sim::Fault fault = sim::Fault::None)
      : dimmer(sim::DefaultEepromImage(), fault, sim::DeviceTime{}, sim::Clock::now()),
        engine(dimmer, fault) {}

  std::unique_ptr<SerialPort> CreatePort() {
    auto port = std::make_unique<TamperingPort>(engine, *this);
    current_ = port.get();
    return port;
  }
  // Pulls the cable of the port made last; a port made afterwards works again.
  void unplug() { current_->unplug(); }

  sim::Dimmer dimmer;
  sim::ProtocolEngine engine;
  std::function<void(std::uint8_t* answer, std::size_t count)> tamper;

 private:
  class TamperingPort final : public ForwardingPort {
   public:
    TamperingPort(sim::ProtocolEngine& engine, SimulatedDimmer& owner)
        : ForwardingPort(inner_), inner_(engine, [] { return sim::Clock::now(); }), owner_(owner) {}
    std::optional<std::size_t> read(std::uint8_t* data, std::size_t count) override {
      const auto got = ForwardingPort::read(data, count);
      if (got && owner_.tamper) owner_.tamper(data, *got);
      return got;
    }
    void unplug() { inner_.unplug(); }

   private:
    sim::SimulatedPort inner_;
    SimulatedDimmer& owner_;
  };
  TamperingPort* current_ = nullptr;
};

}  // namespace q6::test
