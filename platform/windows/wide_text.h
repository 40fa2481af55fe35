#pragma once

#include <string>
#include <string_view>

namespace q6::windows {

// The program's texts are UTF-8; the Windows interfaces take and give UTF-16.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace q6::windows
