#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace q6 {

// Always without parity, without flow control of any kind and with DTR and RTS control off.
struct LineSettings {
  int baudRate = 0;
  int dataBits = 0;
  int stopBits = 0;
};

// Timeouts in milliseconds with the semantics of a classic COM port: a read ends when the bytes
// have arrived, when `readInterval` passes between two bytes, or when the total
// `readTotalPerByte` * n + `readTotalConstant` has passed; a write likewise.
struct PortTimeouts {
  int readInterval = 0;
  int readTotalPerByte = 0;
  int readTotalConstant = 0;
  int writeTotalPerByte = 0;
  int writeTotalConstant = 0;
};

// What the user can do about a failed call: a denied access is a matter of the user's rights
// on the device, anything else of the device or the line.
enum class PortFailure { Other, AccessDenied };

// A serial port as the link needs it. All calls are blocking and are made from one thread;
// a failed call leaves its system error number in lastError().
class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // `device` is a platform device path (see ResolvePortDevice).
  virtual bool open(const std::string& device) = 0;
  virtual bool applyLineSettings(const LineSettings& settings) = 0;
  virtual bool setQueueSizes(std::size_t input, std::size_t output) = 0;
  virtual bool setTimeouts(const PortTimeouts& timeouts) = 0;
  // Discards whatever waits in the transmit and the receive queue.
  virtual bool purge() = 0;
  virtual bool write(const std::uint8_t* data, std::size_t count) = 0;
  // Reads up to `count` bytes within the timeouts; the number read, or empty when the port has
  // failed (a timeout is not a failure).
  virtual std::optional<std::size_t> read(std::uint8_t* data, std::size_t count) = 0;
  virtual void close() = 0;
  virtual int lastError() const = 0;
  // The kind of the last failure; only a port that can tell a denied access apart reports one.
  virtual PortFailure lastFailure() const { return PortFailure::Other; }
};

// Makes the platform's port objects; the serial worker gets a fresh one for every opening.
class SerialPortFactory {
 public:
  virtual ~SerialPortFactory() = default;
  virtual std::unique_ptr<SerialPort> CreatePort() = 0;
};

}  // namespace q6
