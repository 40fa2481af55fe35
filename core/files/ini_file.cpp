#include "core/files/ini_file.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/files/atomic_file.h"
#include "core/files/file_path.h"
#include "core/files/text_encoding.h"

namespace q6 {
namespace {

std::string_view Trim(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// "[name]" → name; anything else → nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyValue {
  std::string_view key;
  std::string_view value;
};
std::optional<KeyValue> SplitKeyValue(std::string_view line) {
  const auto trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyValue{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
  IniFile ini;
  if (text.find("\r\n") == std::string_view::npos && text.find('\n') != std::string_view::npos)
    ini.lineEnd_ = "\n";
  while (!text.empty()) {
    const auto newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ini.lines_.emplace_back(line);
    if (newline == std::string_view::npos) break;
    text.remove_prefix(newline + 1);
  }
  return ini;
}

std::optional<IniFile::Location> IniFile::findSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i]);
    if (!name || !EqualNoCase(*name, section)) continue;
    std::size_t end = i + 1;
    for (std::size_t j = i + 1; j < lines_.size() && !SectionName(lines_[j]); ++j)
      if (!Trim(lines_[j]).empty()) end = j + 1;
    return Location{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniFile::findKey(const Location& location, std::string_view key) const {
  for (std::size_t i = location.sectionLine + 1; i < location.endLine; ++i) {
    const auto entry = SplitKeyValue(lines_[i]);
    if (entry && EqualNoCase(entry->key, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniFile::read(std::string_view section, std::string_view key) const {
  const auto location = findSection(section);
  if (!location) return std::nullopt;
  const auto line = findKey(*location, key);
  if (!line) return std::nullopt;
  return std::string(SplitKeyValue(lines_[*line])->value);
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  return read(section, key).value_or(std::string(fallback));
}

void IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
  std::string entry(key);
  entry += '=';
  entry += value;
  const auto location = findSection(section);
  if (!location) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    std::string header = "[";
    header += section;
    header += ']';
    lines_.push_back(std::move(header));
    lines_.push_back(std::move(entry));
    return;
  }
  if (const auto line = findKey(*location, key)) {
    lines_[*line] = std::move(entry);
    return;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(location->endLine), std::move(entry));
}

std::string IniFile::text() const {
  std::string out;
  for (const auto& line : lines_) {
    out += line;
    out += lineEnd_;
  }
  return out;
}

IniLoadResult LoadIniFile(const std::filesystem::path& path) {
  IniLoadResult result;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return result;
  result.exists = true;
  auto bytes = ReadWholeFile(path, &result.error);
  if (!bytes) return result;
  // No text file holds a NUL byte: this is some other kind of file, or a damaged one.
  if (bytes->find('\0') != std::string::npos) {
    result.error = FileText(path) + ": keine Textdatei";
    result.binary = true;
    return result;
  }
  result.ini = IniFile::parse(DecodeText(std::move(*bytes)));
  return result;
}

std::optional<std::string> SaveIniFile(const std::filesystem::path& path, const IniFile& ini,
                                       IniEncoding encoding) {
  const std::string text = ini.text();
  return WriteFileAtomically(path,
                             encoding == IniEncoding::Windows1252 ? Utf8ToCp1252(text) : text);
}

}  // namespace q6
