#pragma once

#include <array>

namespace q6 {

// Column order of the text table.
enum class Language { English = 0, German = 1, Swedish = 2, French = 3, Turkish = 4 };

inline constexpr int kTextRows = 251;
inline constexpr int kLanguageCount = 5;

using TextRow = std::array<const char*, kLanguageCount>;

// Every translatable text of the program, addressed by row number; cells are UTF-8.
extern const std::array<TextRow, kTextRows> kTextTable;

}  // namespace q6
