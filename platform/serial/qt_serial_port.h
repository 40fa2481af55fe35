#pragma once

#include <memory>
#include <string>

#include "core/link/serial_port.h"

class QSerialPort;

namespace q6 {

// The link's serial port on QSerialPort. Every call, from open to close, must come from the same
// thread, which needs no running event loop: the waits block in the calling thread.
class QtSerialPort final : public SerialPort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;

  bool open(const std::string& device) override;
  bool applyLineSettings(const LineSettings& settings) override;
  bool setQueueSizes(std::size_t input, std::size_t output) override;
  bool setTimeouts(const PortTimeouts& timeouts) override;
  bool purge() override;
  bool write(const std::uint8_t* data, std::size_t count) override;
  std::optional<std::size_t> read(std::uint8_t* data, std::size_t count) override;
  void close() override;
  int lastError() const override { return lastError_; }
  PortFailure lastFailure() const override { return lastFailure_; }

 private:
  bool fail();
  // Whether a wait that returned false only ran out of time.
  bool timedOut();

  std::unique_ptr<QSerialPort> port_;
  PortTimeouts timeouts_;
  int lastError_ = 0;
  PortFailure lastFailure_ = PortFailure::Other;
};

class QtSerialPortFactory final : public SerialPortFactory {
 public:
  std::unique_ptr<SerialPort> CreatePort() override { return std::make_unique<QtSerialPort>(); }
};

}  // namespace q6
