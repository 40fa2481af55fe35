#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "unit/device/config_fixture.h"

namespace q6::test {

// A started main window and files in its temporary folder.
class SettingsFileTest : public ConfigTest {
 protected:
  std::string path(const std::string& name) const { return (platform.dir.path() / name).string(); }
  // Writes the bytes as they are, lines ended by CR LF where the text has "\n".
  std::string file(const std::string& name, const std::string& text) const {
    std::string bytes;
    for (const char ch : text) bytes += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    std::ofstream(path(name), std::ios::binary) << bytes;
    return path(name);
  }
  static std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::string filePanel() const { return form.frame.SbInfo.panelText(1); }
};

}  // namespace q6::test
