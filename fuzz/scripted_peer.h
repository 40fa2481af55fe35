#pragma once

// A hostile dimmer for the poll state machine, in process and without any waiting: it answers
// each byte sent with that byte XOR the next byte of its script, so a zero keeps the echo and
// anything else changes it. Once the script is used up it falls silent: every read times out at
// once with nothing.

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

#include "core/link/link_state.h"
#include "core/link/serial_port.h"

namespace q6::fuzz {

class Script {
 public:
  explicit Script(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  // Answers up to `count` of the bytes `sent`; fewer once the script ends.
  std::size_t answer(const std::uint8_t* sent, std::uint8_t* answer, std::size_t count) {
    const std::size_t n = std::min(count, bytes_.size() - next_);
    for (std::size_t i = 0; i < n; ++i) answer[i] = sent[i] ^ bytes_[next_ + i];
    next_ += n;
    return n;
  }
  bool silent() const { return next_ == bytes_.size(); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t next_ = 0;
};

// Also notes every answer that breaks an echo the transfer checks, so the fuzzer can tell
// whether the program went offline where it had to.
class ScriptedPort final : public SerialPort {
 public:
  ScriptedPort(Script& script, const LinkState& link, std::atomic<bool>& brokenEcho)
      : script_(script), link_(link), brokenEcho_(brokenEcho) {}

  bool open(const std::string&) override { return true; }
  bool applyLineSettings(const LineSettings&) override { return true; }
  bool setQueueSizes(std::size_t, std::size_t) override { return true; }
  bool setTimeouts(const PortTimeouts&) override { return true; }
  bool purge() override { return true; }
  bool write(const std::uint8_t* data, std::size_t count) override {
    sent_.assign(data, data + count);
    return true;
  }
  std::optional<std::size_t> read(std::uint8_t* data, std::size_t count) override {
    const std::size_t got = script_.answer(sent_.data(), data, std::min(count, sent_.size()));
    const auto offset = static_cast<std::size_t>(data - link_.RxBuffer.data());
    for (std::size_t i = 0; i < got && link_.CheckMask[0] != 0; ++i)
      if (link_.CheckMask[offset + i] == 1 && data[i] != sent_[i]) brokenEcho_ = true;
    return got;
  }
  void close() override {}
  int lastError() const override { return 0; }

 private:
  Script& script_;
  const LinkState& link_;
  std::atomic<bool>& brokenEcho_;
  std::vector<std::uint8_t> sent_;
};

}  // namespace q6::fuzz
