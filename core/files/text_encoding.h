#pragma once

#include <string>
#include <string_view>

namespace q6 {

bool IsValidUtf8(std::string_view bytes);

// Text files come from this program (UTF-8, perhaps with a byte-order mark) or from the Windows
// tool (Windows-1252); the result is UTF-8 either way.
std::string DecodeText(std::string_view bytes);

std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace q6
