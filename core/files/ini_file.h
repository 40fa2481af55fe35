#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q6 {

// An INI document with the lookup and update rules of the Windows profile functions: section
// and key names match without regard to case, the first match wins, values are trimmed, and an
// update replaces the key's line in place or appends it to its section (creating the section at
// the end), leaving every other line as it was.
class IniFile {
 public:
  IniFile() = default;
  static IniFile parse(std::string_view text);

  std::optional<std::string> read(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  void write(std::string_view section, std::string_view key, std::string_view value);

  std::string text() const;

 private:
  struct Location {
    std::size_t sectionLine;
    std::size_t endLine;  // one past the section's last non-blank line
  };
  std::optional<Location> findSection(std::string_view section) const;
  std::optional<std::size_t> findKey(const Location& location, std::string_view key) const;

  std::vector<std::string> lines_;
  std::string lineEnd_ = "\r\n";
};

// Reading a file: the document, or why it could not be read. A missing file is not an error.
struct IniLoadResult {
  IniFile ini;
  bool exists = false;
  std::string error;
  // The file holds binary data, not text; `error` says so.
  bool binary = false;
};
IniLoadResult LoadIniFile(const std::filesystem::path& path);

// How a saved file is encoded: UTF-8 keeps every character; Windows-1252 is what the Windows
// tool reads, for files the user carries between the two.
enum class IniEncoding { Utf8, Windows1252 };

// Replaces the file as a whole; on failure the previous file is untouched and the reason is
// returned.
std::optional<std::string> SaveIniFile(const std::filesystem::path& path, const IniFile& ini,
                                       IniEncoding encoding = IniEncoding::Utf8);

}  // namespace q6
