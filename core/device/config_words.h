#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/device/config_controls.h"

namespace q6 {

// Where each configuration control lives in the EEPROM; decoding and encoding share these
// tables, so a word is read and written by one rule.
namespace eep {
inline constexpr std::uint16_t FirstTime = 0x0020;
inline constexpr std::uint16_t UModeKFaktor = 0x005C;
inline constexpr std::uint16_t PClass = 0x0060;
}  // namespace eep

// A word that holds one control: a spin field scaled by `scale`, a radio group as one bit per
// item, or a check box as bit 0.
struct SettingWord {
  std::uint16_t address;
  SpinField* spin = nullptr;
  int scale = 1;
  RadioGroup* bits = nullptr;
  CheckBox* flag = nullptr;

  // The control that shows whether the word differs from the dimmer.
  CaptionedControl& marked() const;
  std::uint16_t encode() const;
  // Sets the control from the word; a radio group word without a known bit changes nothing.
  void decode(std::uint16_t word) const;
};

// A word that holds two percentages, one per byte.
struct PercentWord {
  std::uint16_t address;
  SpinField* low;
  SpinField* high;
};

// The settings from the pre-start voltage to the summer-time correction, by address.
std::array<SettingWord, 17> StartWords(ConfigControls& config);
// The power limits and the changeover ramps, by address.
std::array<SettingWord, 7> LimitWords(ConfigControls& config);
std::array<PercentWord, 3> PercentWords(ConfigControls& config);

// The time of day (seconds) a time word names; none when it names no time of day.
std::optional<int> WordToTime(std::uint16_t word);
std::uint16_t TimeToWord(int seconds);
// The factor the dimmer derives its output from, for a nominal voltage in volts.
std::uint16_t UModeKFaktor(int volts);

}  // namespace q6
