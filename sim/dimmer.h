#pragma once

#include <cstdint>
#include <functional>

#include "sim/eeprom_image.h"
#include "sim/faults.h"
#include "sim/live_model.h"
#include "sim/ram_map.h"

namespace q6::sim {

// The dimmer's memory and firmware as the protocol sees them.
class Dimmer {
 public:
  Dimmer(const EepromImage& eeprom, Fault fault, DeviceTime clock, Clock::time_point now);

  // Moves the live words on to `now`.
  void advance(Clock::time_point now);
  std::uint16_t ramWord(std::uint16_t address) const;
  std::uint16_t eepromWord(std::uint16_t address) const;
  void writeRamWord(std::uint16_t address, std::uint16_t value, Clock::time_point now);
  void writeEepromWord(std::uint16_t address, std::uint16_t value);

  const EepromImage& eeprom() const { return eeprom_; }
  // Called when the firmware takes over the written EEPROM words.
  std::function<void(const EepromImage&)> onEepromTakenOver;

 private:
  void runStatusCommand(std::uint16_t bits, Clock::time_point now);
  void clearErrorMemory();

  EepromImage eeprom_;
  Ram ram_;
  Fault fault_;
  LiveModel live_;
};

}  // namespace q6::sim
