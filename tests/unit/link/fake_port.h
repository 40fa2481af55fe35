#pragma once

#include <cerrno>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/link/serial_port.h"

namespace q6::test {

// A port whose device answers by `answer` (empty: silence) and that can be told to fail. It
// records what the link asked of it. Used from one thread at a time.
class FakePort final : public SerialPort {
 public:
  enum class Call { Open, LineSettings, QueueSizes, Purge, Write, Read };

  std::function<std::optional<std::uint8_t>(std::uint8_t)> answer = [](std::uint8_t byte) {
    return std::optional<std::uint8_t>(byte);
  };
  // Calls of this kind fail.
  std::optional<Call> refuse;
  // The cable is pulled after this many writes: every later call fails.
  std::optional<std::size_t> unplugAfterWrites;
  // Runs at the start of every read, as the device's time passes.
  std::function<void()> onRead;
  // How a refused open fails.
  int openError = ENOENT;
  PortFailure openFailure = PortFailure::Other;

  std::string openedDevice;
  std::optional<PortTimeouts> timeouts;
  int purges = 0;
  std::vector<std::size_t> writeSizes;
  std::vector<std::size_t> readSizes;

  bool open(const std::string& device) override {
    openedDevice = device;
    if (!fails(Call::Open, openError)) return true;
    lastFailure_ = openFailure;
    return false;
  }
  bool applyLineSettings(const LineSettings&) override {
    return !fails(Call::LineSettings, EINVAL);
  }
  bool setQueueSizes(std::size_t, std::size_t) override { return !fails(Call::QueueSizes, ENOMEM); }
  bool setTimeouts(const PortTimeouts& value) override {
    timeouts = value;
    return true;
  }
  bool purge() override {
    ++purges;
    pending_.clear();
    return !fails(Call::Purge, EIO);
  }
  bool write(const std::uint8_t* data, std::size_t count) override {
    if (fails(Call::Write, EIO)) return false;
    writeSizes.push_back(count);
    for (std::size_t i = 0; i < count; ++i) {
      if (const auto byte = answer(data[i])) pending_.push_back(*byte);
    }
    return true;
  }
  std::optional<std::size_t> read(std::uint8_t* data, std::size_t count) override {
    if (onRead) onRead();
    if (fails(Call::Read, EIO)) return std::nullopt;
    readSizes.push_back(count);
    std::size_t taken = 0;
    for (; taken < count && !pending_.empty(); ++taken) {
      data[taken] = pending_.front();
      pending_.pop_front();
    }
    return taken;
  }
  void close() override {}
  int lastError() const override { return lastError_; }
  PortFailure lastFailure() const override { return lastFailure_; }

 private:
  bool fails(Call call, int error) {
    const bool unplugged = unplugAfterWrites && writeSizes.size() >= *unplugAfterWrites;
    if (!unplugged && refuse != call) return false;
    lastError_ = unplugged ? EIO : error;
    return true;
  }

  std::deque<std::uint8_t> pending_;
  int lastError_ = 0;
  PortFailure lastFailure_ = PortFailure::Other;
};

}  // namespace q6::test
