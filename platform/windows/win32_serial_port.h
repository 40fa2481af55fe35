#pragma once

#include <memory>
#include <string>

#include "core/link/serial_port.h"

namespace q6::windows {

// The link's serial port on a Windows communications device ("\\.\COMn"), with synchronous
// calls; the port's own timeouts end the reads and writes. The error number is GetLastError's.
class Win32SerialPort final : public SerialPort {
 public:
  Win32SerialPort() = default;
  ~Win32SerialPort() override;
  Win32SerialPort(const Win32SerialPort&) = delete;
  Win32SerialPort& operator=(const Win32SerialPort&) = delete;

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
  // Takes the error number of the call that failed; always false.
  bool fail();

  void* handle_ = nullptr;  // a HANDLE; null while the port is closed
  int lastError_ = 0;
};

class Win32SerialPortFactory final : public SerialPortFactory {
 public:
  std::unique_ptr<SerialPort> CreatePort() override { return std::make_unique<Win32SerialPort>(); }
};

}  // namespace q6::windows
