#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "sim/dimmer.h"
#include "sim/faults.h"

namespace q6::sim {

// The dimmer's side of the byte-for-byte exchange: every received byte is answered by one byte,
// which is either its echo or the data the record asks for.
class ProtocolEngine {
 public:
  ProtocolEngine(Dimmer& dimmer, Fault fault);

  // The answer to one received byte; empty when the dimmer stays silent.
  std::optional<std::uint8_t> exchange(std::uint8_t received, Clock::time_point now);

 private:
  std::uint8_t idle(std::uint8_t received);
  std::uint8_t readWord(std::uint8_t received);
  std::uint8_t writeWord(std::uint8_t received, Clock::time_point now);
  std::uint8_t readBlock(std::uint8_t received, Clock::time_point now);
  std::uint8_t identify(std::uint8_t received);
  std::uint8_t echo(std::uint8_t received);
  void takeAddressByte(std::uint8_t received);

  Dimmer& dimmer_;
  Fault fault_;
  std::uint8_t command_ = 0;
  // Position of the next byte inside the current record; 0 between records.
  std::size_t position_ = 0;
  std::uint16_t address_ = 0;
  std::uint16_t value_ = 0;
  std::vector<std::uint8_t> block_;
  int logOnBytes_ = 0;
  bool echoCorrupted_ = false;
};

}  // namespace q6::sim
