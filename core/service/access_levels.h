#pragma once

#include <array>
#include <span>
#include <string_view>

namespace q6 {

// What a level switches on a control: whether it is usable, or whether it is there at all.
enum class LevelSwitch { Enabled, Visible };

// One control of the level table and its state at levels 0..3.
struct LevelRow {
  const char* control;
  LevelSwitch what;
  std::array<bool, 4> on;
};

std::span<const LevelRow> LevelTable();

// The level a password opens; none for any other text.
int PasswordToLevel(std::string_view password);
inline constexpr int kNoLevel = -1;

}  // namespace q6
