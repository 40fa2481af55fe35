#pragma once

#include <chrono>
#include <cstdint>
#include <random>

#include "sim/eeprom_image.h"
#include "sim/ram_map.h"

namespace q6::sim {

using Clock = std::chrono::steady_clock;
// The dimmer's clock: local standard time, counted like system time.
using DeviceTime = std::chrono::sys_time<Clock::duration>;

// The firmware's live behaviour: operating state, clock, operating hours, dimming phase and the
// measurements, written into the RAM words the program polls.
class LiveModel {
 public:
  LiveModel(DeviceTime clock, Clock::time_point now);

  void advance(Clock::time_point now, const EepromImage& eeprom, Ram& ram);
  void requestState(std::uint16_t request, Clock::time_point now);
  void setClock(DeviceTime clock) { clock_ = clock; }
  // Manual mode output: voltage in 0.1 V, frequency in Hz.
  void setManualOutput(std::uint16_t voltage, std::uint16_t frequency);

 private:
  void advanceState(Clock::time_point now, int dimPeriod);
  std::uint16_t outputVoltage(const EepromImage& eeprom, Clock::time_point now) const;
  int noise(int amplitude);

  DeviceTime clock_;
  Clock::time_point last_;
  std::uint16_t regime_ = 0;
  Clock::time_point regimeSince_;
  Clock::time_point runStart_;
  Clock::duration totalHours_ = std::chrono::hours(12345);
  Clock::duration dimmedHours_ = std::chrono::hours(4321);
  double reduction_ = 0;
  std::uint16_t manualVoltage_ = 0;
  std::uint16_t manualFrequency_ = 50;
  std::minstd_rand random_{6};
};

// The dimming phase at `clock` by the two profiles of the EEPROM: 1..3 the periods of a
// Sunday-to-Thursday night, 5..7 those of a Friday/Saturday night, 0 and 4 no dimming.
int DimZone(DeviceTime clock, const EepromImage& eeprom);
// The energy saving of a dimming phase, percent.
int ZoneReduction(int zone, const EepromImage& eeprom);

}  // namespace q6::sim
