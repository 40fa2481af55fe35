#pragma once

#include "core/link/serial_port.h"

namespace q6 {

// A port that hands every call to another one; a port that watches or changes the traffic of a
// real one overrides only the calls it is about.
class ForwardingPort : public SerialPort {
 public:
  // `inner` must outlive this port; it may be a member of the derived port, still unbuilt here.
  explicit ForwardingPort(SerialPort& inner) : inner_(inner) {}

  bool open(const std::string& device) override { return inner_.open(device); }
  bool applyLineSettings(const LineSettings& settings) override {
    return inner_.applyLineSettings(settings);
  }
  bool setQueueSizes(std::size_t input, std::size_t output) override {
    return inner_.setQueueSizes(input, output);
  }
  bool setTimeouts(const PortTimeouts& timeouts) override { return inner_.setTimeouts(timeouts); }
  bool purge() override { return inner_.purge(); }
  bool write(const std::uint8_t* data, std::size_t count) override {
    return inner_.write(data, count);
  }
  std::optional<std::size_t> read(std::uint8_t* data, std::size_t count) override {
    return inner_.read(data, count);
  }
  void close() override { inner_.close(); }
  int lastError() const override { return inner_.lastError(); }
  PortFailure lastFailure() const override { return inner_.lastFailure(); }

 private:
  SerialPort& inner_;
};

}  // namespace q6
