#pragma once

namespace q6 {

enum class KeyAction { Pass, Discard, FocusNext };

// The main window sees every typed character before its edit fields do: only digits, the
// decimal comma and backspace get through; Enter moves to the next control.
KeyAction FormKeyPress(char32_t key);

}  // namespace q6
