#include "sim/live_model.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace q6::sim {
namespace {

using namespace std::chrono;

std::uint16_t Word(int high, int low) { return static_cast<std::uint16_t>(high << 8 | low); }

void Put(Ram& ram, std::uint16_t address, int value) {
  ram[address / 2] = static_cast<std::uint16_t>(value);
}

void PutSeconds(Ram& ram, std::uint16_t address, Clock::duration time) {
  const auto seconds =
      static_cast<std::uint32_t>(duration_cast<std::chrono::seconds>(time).count());
  Put(ram, address, static_cast<int>(seconds & 0xFFFF));
  Put(ram, static_cast<std::uint16_t>(address + 2), static_cast<int>(seconds >> 16));
}

void PutClock(Ram& ram, DeviceTime clock) {
  const auto day = floor<days>(clock);
  const year_month_day date{day};
  const hh_mm_ss time{floor<seconds>(clock - day)};
  const unsigned weekday = std::chrono::weekday{day}.c_encoding() + 1;  // 1 = Sunday
  Put(ram, ram::kClock,
      Word(static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count())));
  Put(ram, ram::kClock + 2,
      Word(static_cast<int>(weekday), static_cast<int>(time.hours().count())));
  Put(ram, ram::kClock + 4,
      Word(static_cast<int>(unsigned{date.month()}), static_cast<int>(unsigned{date.day()})));
  Put(ram, ram::kClock + 6, int{date.year()} - 2000);
}

int MinutesOf(std::uint16_t timeWord) { return (timeWord >> 8) * 60 + (timeWord & 0xFF); }

bool IsDimming(int zone) { return zone % 4 != 0 && zone < 8; }

}  // namespace

int DimZone(DeviceTime clock, const EepromImage& eeprom) {
  // A night belongs to the day on whose evening it starts, so count from noon.
  const auto shifted = clock - hours(12);
  const auto day = floor<days>(shifted);
  const int sinceNoon = static_cast<int>(floor<minutes>(shifted - day).count());
  const unsigned weekday = std::chrono::weekday{day}.c_encoding();
  const bool weekend = weekday == 5 || weekday == 6;
  const std::size_t first = weekend ? 0x0028 / 2 : 0x0020 / 2;
  const auto fromNoon = [&](std::size_t i) {
    return (MinutesOf(eeprom[first + i]) + 12 * 60) % (24 * 60);
  };
  const int base = weekend ? 4 : 0;
  if (sinceNoon >= fromNoon(3)) return base;
  int zone = base;
  for (std::size_t period = 0; period < 3; ++period) {
    if (sinceNoon >= fromNoon(period)) zone = base + static_cast<int>(period) + 1;
  }
  return zone;
}

int ZoneReduction(int zone, const EepromImage& eeprom) {
  if (!IsDimming(zone)) return 0;
  // Percentages in the order of the periods, two per word, the first in the low byte.
  const int index = zone < 4 ? zone - 1 : zone - 2;
  const std::uint16_t word = eeprom[0x0030 / 2 + static_cast<std::size_t>(index / 2)];
  return index % 2 == 0 ? word & 0xFF : word >> 8;
}

LiveModel::LiveModel(DeviceTime clock, Clock::time_point now)
    : clock_(clock), last_(now), regimeSince_(now), runStart_(now) {}

void LiveModel::requestState(std::uint16_t request, Clock::time_point now) {
  static constexpr std::array kAccepted = {regime::kManual, regime::kCalibration, regime::kReset};
  if (request == regime::kRequestNormal) {
    regime_ = regime::kNormal;
  } else if (std::find(kAccepted.begin(), kAccepted.end(), request) != kAccepted.end()) {
    regime_ = request;
  } else {
    return;
  }
  regimeSince_ = now;
}

void LiveModel::setManualOutput(std::uint16_t voltage, std::uint16_t frequency) {
  manualVoltage_ = voltage;
  manualFrequency_ = frequency;
}

void LiveModel::advanceState(Clock::time_point now, int dimPeriod) {
  const auto inState = now - regimeSince_;
  const auto enter = [&](std::uint16_t next) {
    regime_ = next;
    regimeSince_ = now;
  };
  if (regime_ == regime::kReset && inState > seconds(2)) {
    enter(regime::kStart);
    runStart_ = now;
  } else if (regime_ == regime::kStart && inState > seconds(5)) {
    enter(regime::kBurnIn);
  } else if (regime_ == regime::kBurnIn && inState > seconds(10)) {
    enter(regime::kNormal);
  } else if (regime_ == regime::kNormal || (regime_ >= regime::kDimmed && regime_ < 30)) {
    regime_ = dimPeriod == 0 ? regime::kNormal
                             : static_cast<std::uint16_t>(regime::kDimmed + dimPeriod - 1);
  }
}

std::uint16_t LiveModel::outputVoltage(const EepromImage& eeprom, Clock::time_point now) const {
  const double nominal = eeprom[0x004C / 2];
  switch (regime_) {
    case regime::kStart: {
      const double ramp = std::min(1.0, duration<double>(now - regimeSince_).count() / 5.0);
      return static_cast<std::uint16_t>(eeprom[0x0042 / 2] * ramp);
    }
    case regime::kReset:
      return 0;
    case regime::kManual:
      return manualVoltage_;
    default:
      return static_cast<std::uint16_t>(nominal * (100.0 - reduction_) / 100.0);
  }
}

int LiveModel::noise(int amplitude) {
  return std::uniform_int_distribution<int>(-amplitude, amplitude)(random_);
}

void LiveModel::advance(Clock::time_point now, const EepromImage& eeprom, Ram& ram) {
  const auto elapsed = now - last_;
  last_ = now;
  clock_ += elapsed;
  const int zone = DimZone(clock_, eeprom);
  const int target = ZoneReduction(zone, eeprom);
  const bool operating = regime_ != regime::kStart && regime_ != regime::kReset;
  totalHours_ += operating ? elapsed : Clock::duration{};
  dimmedHours_ += operating && IsDimming(zone) ? elapsed : Clock::duration{};
  advanceState(now, IsDimming(zone) ? (zone - 1) % 4 + 1 : 0);
  // The reduction follows its target by one percent per second.
  const double step = duration<double>(elapsed).count();
  reduction_ = reduction_ < target ? std::min<double>(target, reduction_ + step)
                                   : std::max<double>(target, reduction_ - step);

  const std::uint16_t voltage = outputVoltage(eeprom, now);
  const double nominal = std::max<double>(1, eeprom[0x004C / 2]);
  const int power = static_cast<int>(3000.0 * std::pow(voltage / nominal, 2));
  const int linkVoltage = 3250 + noise(5);
  Put(ram, ram::kUzMittel, linkVoltage);
  Put(ram, ram::kUAcMittel, voltage == 0 ? 0 : voltage + noise(3));
  Put(ram, ram::kPDc, power == 0 ? 0 : power + noise(10));
  Put(ram, ram::kIzMittel, power * 100 / linkVoltage);
  const int heatSink = 300 + power / 30;
  Put(ram, ram::kTempKK1, heatSink + noise(2));
  Put(ram, ram::kTempKK2, heatSink - 15 + noise(2));
  Put(ram, ram::kPRedSoll, target);
  Put(ram, ram::kPRedIst, static_cast<int>(std::lround(reduction_)));
  Put(ram, ram::kPRedUhr, target);
  const int frequency = regime_ == regime::kManual ? manualFrequency_ : eeprom[0x004E / 2];
  Put(ram, ram::kFreqSoll, frequency);
  Put(ram, ram::kFreqIst, frequency);
  Put(ram, ram::kUAcSoll, voltage);
  Put(ram, ram::kRegime, regime_);
  Put(ram, ram::kDimZone, zone);
  Put(ram, ram::kEinbrennTimer,
      static_cast<int>(duration_cast<seconds>(now - runStart_).count() & 0xFFFF));
  PutSeconds(ram, ram::kBhzGesamt, totalHours_);
  PutSeconds(ram, ram::kBhzGedimmt, dimmedHours_);
  const int modeBits = eeprom[0x0040 / 2] & 0x7;
  Put(ram, ram::kAnzeigeBits, (operating ? 0x1 : 0) | (heatSink > 380 ? 0x2 : 0) | modeBits << 6);
  Put(ram, ram::kInfoBits, IsDimming(zone) ? 0x2 : 0);
  PutClock(ram, clock_);
}

}  // namespace q6::sim
