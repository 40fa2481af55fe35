#include "sim/dimmer.h"

#include <algorithm>

namespace q6::sim {
namespace {

using namespace std::chrono;

constexpr std::uint16_t kErrorRingPointer = 0x01FE;
constexpr std::uint16_t kErrorRingStart = 0x0200;

DeviceTime ClockFromSettingWords(const Ram& ram) {
  const auto word = [&](int i) {
    return ram[ram::kClockSetting / 2 + static_cast<std::size_t>(i)];
  };
  const year_month_day date{year{2000 + (word(3) & 0xFF)},
                            month{static_cast<unsigned>(word(2) >> 8)},
                            day{static_cast<unsigned>(word(2) & 0xFF)}};
  const auto time = hours{word(1) & 0xFF} + minutes{word(0) >> 8} + seconds{word(0) & 0xFF};
  return sys_days{date} + time;
}

}  // namespace

Dimmer::Dimmer(const EepromImage& eeprom, Fault fault, DeviceTime clock, Clock::time_point now)
    : eeprom_(eeprom), ram_(kRamWords), fault_(fault), live_(clock, now) {
  live_.advance(now, eeprom_, ram_);
}

void Dimmer::advance(Clock::time_point now) { live_.advance(now, eeprom_, ram_); }

std::uint16_t Dimmer::ramWord(std::uint16_t address) const { return ram_[address / 2]; }

std::uint16_t Dimmer::eepromWord(std::uint16_t address) const {
  if (address == 0x0000 && fault_ == Fault::WrongId) return 0x0601;
  if (address == 0x0002 && fault_ == Fault::WrongProtocol) return 0x0402;
  const std::size_t index = address / 2;
  // Beyond the chip the bus reads as erased.
  return index < eeprom_.size() ? eeprom_[index] : 0xFFFF;
}

void Dimmer::writeRamWord(std::uint16_t address, std::uint16_t value, Clock::time_point now) {
  ram_[address / 2] = value;
  if (address == ram::kStatusSetBits) runStatusCommand(value, now);
  if (address == ram::kStateRequest) live_.requestState(value, now);
}

void Dimmer::writeEepromWord(std::uint16_t address, std::uint16_t value) {
  const std::size_t index = address / 2;
  if (index < eeprom_.size()) eeprom_[index] = value;
}

void Dimmer::runStatusCommand(std::uint16_t bits, Clock::time_point now) {
  if (bits & status_set::kTakeClock) {
    const DeviceTime clock = ClockFromSettingWords(ram_);
    if (year_month_day{floor<days>(clock)}.ok()) live_.setClock(clock);
  }
  if (bits & status_set::kTakeEeprom && onEepromTakenOver) onEepromTakenOver(eeprom_);
  if (bits & status_set::kTakeManual) {
    live_.setManualOutput(ram_[ram::kManualValues / 2], ram_[ram::kManualValues / 2 + 1]);
  }
  if (bits & status_set::kClearErrors) clearErrorMemory();
  // The firmware acknowledges a command by clearing its bits.
  ram_[ram::kStatusSetBits / 2] = 0;
  advance(now);
}

void Dimmer::clearErrorMemory() {
  eeprom_[kErrorRingPointer / 2] = 0;
  std::fill(eeprom_.begin() + kErrorRingStart / 2, eeprom_.end(), 0xFFFF);
}

}  // namespace q6::sim
