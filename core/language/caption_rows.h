#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "core/language/message.h"

namespace q6 {

enum class LanguageWindow { Main, Info };

// A text row that becomes the caption of a named control (or of the window itself, named by
// the window's own name).
struct CaptionRow {
  int row;
  LanguageWindow window;
  const char* control;
};

// A text row that becomes one item of a radio group of the main window.
struct ItemRow {
  int row;
  const char* control;
  std::size_t item;
};

struct MessageRow {
  int row;
  std::string TMessage::*field;
};

std::span<const CaptionRow> CaptionRows();
std::span<const ItemRow> ItemRows();
std::span<const MessageRow> MessageRows();

inline constexpr int kRowComActivate = 50;
inline constexpr int kRowComStop = 101;
inline constexpr int kRowPortAccessDenied = 250;

}  // namespace q6
