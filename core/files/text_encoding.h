#pragma once

#include <string>
#include <string_view>

namespace q6 {

bool IsValidUtf8(std::string_view bytes);

// Text files come from this program (UTF-8, perhaps with a byte-order mark) or from the Windows
// tool (Windows-1252); the result is UTF-8 either way.
std::string DecodeText(std::string_view bytes);
// The same for bytes the caller no longer needs: UTF-8 is kept in place instead of copied.
std::string DecodeText(std::string&& bytes);

std::string Cp1252ToUtf8(std::string_view bytes);

// What the Windows tool reads. A character Windows-1252 cannot hold, or a byte that is no valid
// UTF-8, becomes "?", as Windows' own conversion does by default.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace q6
