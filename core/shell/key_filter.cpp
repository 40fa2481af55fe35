#include "core/shell/key_filter.h"

namespace q6 {

KeyAction FormKeyPress(char32_t key) {
  constexpr char32_t kBackspace = 8;
  constexpr char32_t kEnter = 13;
  if ((key >= U'0' && key <= U'9') || key == U',' || key == kBackspace) return KeyAction::Pass;
  if (key == kEnter) return KeyAction::FocusNext;
  return KeyAction::Discard;
}

}  // namespace q6
