#pragma once

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

struct MessageRow {
  int row;
  std::string TMessage::*field;
};

std::span<const CaptionRow> CaptionRows();
std::span<const MessageRow> MessageRows();

inline constexpr int kRowComActivate = 50;
inline constexpr int kRowComStop = 101;

}  // namespace q6
