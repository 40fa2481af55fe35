#include "platform/windows/wide_text.h"

#include <gtest/gtest.h>

namespace q6::windows {
namespace {

TEST(WideText, UnicodeTextsSurviveTheWayThereAndBack) {
  struct Case {
    const char* utf8;
    const wchar_t* utf16;
  };
  for (const auto& [utf8, utf16] : {Case{"", L""}, Case{R"(C:\ProgramData)", LR"(C:\ProgramData)"},
                                    Case{"J\xc3\xbcrgen Stra\xc3\x9f"
                                         "e",
                                         L"J\u00fcrgen Stra\u00dfe"},
                                    Case{"\xf0\x9f\x92\xa1 \xe2\x82\xac", L"\U0001F4A1 \u20ac"}}) {
    EXPECT_EQ(Widen(utf8), utf16);
    EXPECT_EQ(Narrow(utf16), utf8);
  }
}

}  // namespace
}  // namespace q6::windows
