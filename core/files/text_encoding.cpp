#include "core/files/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace q6 {
namespace {

// Code points of 0x80..0x9F in Windows-1252; 0 marks the five unassigned bytes.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<std::uint8_t>(bytes[i]);
    std::size_t length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      cp = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      cp = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      cp = lead & 0x07u;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<std::uint8_t>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (next & 0x3Fu);
    }
    constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    char32_t cp = byte;
    if (byte >= 0x80 && byte < 0xA0)
      cp = kCp1252High[byte - 0x80] ? kCp1252High[byte - 0x80] : 0xFFFD;
    AppendUtf8(out, cp);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t length = 1;
    while (i + length < text.size() && length < 4 &&
           (static_cast<std::uint8_t>(text[i + length]) & 0xC0) == 0x80)
      ++length;
    const std::string_view sequence = text.substr(i, length);
    i += length;
    if (!IsValidUtf8(sequence)) {
      // Each stray byte of a broken sequence stands for one unknown character.
      out.append(sequence.size(), '?');
      continue;
    }
    char32_t cp = static_cast<std::uint8_t>(sequence[0]);
    if (length > 1) {
      cp &= 0x3Fu >> (length - 1);
      for (std::size_t k = 1; k < length; ++k)
        cp = (cp << 6) | (static_cast<std::uint8_t>(sequence[k]) & 0x3Fu);
    }
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    const auto* found = std::find(kCp1252High.begin(), kCp1252High.end(), cp);
    out += found != kCp1252High.end() && cp != 0
               ? static_cast<char>(0x80 + (found - kCp1252High.begin()))
               : '?';
  }
  return out;
}

namespace {
constexpr std::string_view kBom = "\xEF\xBB\xBF";
}  // namespace

std::string DecodeText(std::string_view bytes) { return DecodeText(std::string(bytes)); }

std::string DecodeText(std::string&& bytes) {
  const std::string_view text =
      std::string_view(bytes).substr(bytes.starts_with(kBom) ? kBom.size() : 0);
  if (!IsValidUtf8(text)) return Cp1252ToUtf8(text);
  bytes.erase(0, bytes.size() - text.size());
  return std::move(bytes);
}

}  // namespace q6
