#include "sim/protocol_engine.h"

#include <numeric>

#include "core/link/records.h"

namespace q6::sim {
namespace {

// Bytes after the sum byte that close a RAM block answer and carry nothing.
constexpr std::size_t kBlockTrailer = 5;

}  // namespace

ProtocolEngine::ProtocolEngine(Dimmer& dimmer, Fault fault) : dimmer_(dimmer), fault_(fault) {}

std::optional<std::uint8_t> ProtocolEngine::exchange(std::uint8_t received, Clock::time_point now) {
  if (fault_ == Fault::Silent) return std::nullopt;
  if (position_ == 0) return idle(received);
  switch (command_) {
    case kCmdReadEepromWord:
      return readWord(received);
    case kCmdWriteRamWord:
    case kCmdWriteEepromWord:
      return writeWord(received, now);
    case kCmdReadRamBlock:
      return readBlock(received, now);
    default:
      return identify(received);
  }
}

std::uint8_t ProtocolEngine::idle(std::uint8_t received) {
  if (received == 0x00) {
    ++logOnBytes_;
    return fault_ == Fault::LogOn && logOnBytes_ % 10 == 0 ? 0x55 : kLogOnAnswer;
  }
  logOnBytes_ = 0;
  switch (received) {
    case kCmdReadEepromWord:
    case kCmdWriteRamWord:
    case kCmdWriteEepromWord:
    case kCmdReadRamBlock:
    case kCmdIdentify:
      command_ = received;
      position_ = 1;
      if (fault_ == Fault::Echo && !echoCorrupted_) {
        echoCorrupted_ = true;
        return static_cast<std::uint8_t>(~received);
      }
      return received;
    default:
      return received;
  }
}

std::uint8_t ProtocolEngine::echo(std::uint8_t received) {
  ++position_;
  return received;
}

void ProtocolEngine::takeAddressByte(std::uint8_t received) {
  address_ = static_cast<std::uint16_t>(address_ << 8 | received);
}

std::uint8_t ProtocolEngine::readWord(std::uint8_t received) {
  switch (position_) {
    case 1:
    case 2:
      takeAddressByte(received);
      return echo(received);
    case 3:
      value_ = dimmer_.eepromWord(address_);
      ++position_;
      return LowByte(value_);
    default:
      position_ = 0;
      return HighByte(value_);
  }
}

std::uint8_t ProtocolEngine::writeWord(std::uint8_t received, Clock::time_point now) {
  switch (position_) {
    case 1:
    case 2:
      takeAddressByte(received);
      return echo(received);
    case 3:
      value_ = static_cast<std::uint16_t>(received << 8);
      return echo(received);
    case 4:
      value_ = static_cast<std::uint16_t>(value_ | received);
      if (command_ == kCmdWriteRamWord) {
        dimmer_.writeRamWord(address_, value_, now);
      } else {
        dimmer_.writeEepromWord(address_, value_);
      }
      return echo(received);
    default:
      position_ = 0;
      return received;
  }
}

std::uint8_t ProtocolEngine::readBlock(std::uint8_t received, Clock::time_point now) {
  if (position_ == 1) {
    block_.assign(received, 0);
    return echo(received);
  }
  if (position_ == 2) {
    takeAddressByte(received);
    return echo(received);
  }
  if (position_ == 3) {
    takeAddressByte(received);
    dimmer_.advance(now);
    // Taken at once, so a block is one consistent snapshot of the RAM.
    for (std::size_t i = 0; i < block_.size(); ++i) {
      const auto word = dimmer_.ramWord(static_cast<std::uint16_t>(address_ + i / 2 * 2));
      block_[i] = i % 2 == 0 ? LowByte(word) : HighByte(word);
    }
    return echo(received);
  }
  const std::size_t index = position_++ - 4;
  if (index < block_.size()) return block_[index];
  if (index == block_.size()) {
    const auto sum = static_cast<std::uint8_t>(std::accumulate(block_.begin(), block_.end(), 0u));
    return fault_ == Fault::BlockSum ? static_cast<std::uint8_t>(sum + 1) : sum;
  }
  if (index == block_.size() + kBlockTrailer) position_ = 0;
  return 0x00;
}

std::uint8_t ProtocolEngine::identify(std::uint8_t received) {
  position_ = 0;
  return fault_ == Fault::OldHardware ? received : kSupportedHardware;
}

}  // namespace q6::sim
