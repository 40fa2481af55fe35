#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sim/faults.h"

namespace q6::sim {

struct Options {
  std::string portName = "COM1";
  Fault fault = Fault::None;
  // 0: answers leave at once.
  int wireBaud = 0;
  std::filesystem::path eepromFile;
  std::filesystem::path setupDir;
  bool help = false;
};

struct ParsedOptions {
  std::optional<Options> options;
  std::string error;
};

// The folder the program keeps its settings in: the generic configuration location, then
// "Tessaro GmbH/quenDARIS 6.1".
std::filesystem::path DefaultSetupDir(const char* xdgConfigHome, const char* home);

ParsedOptions ParseOptions(const std::vector<std::string>& args,
                           const std::filesystem::path& defaultSetupDir);
std::string HelpText(const std::filesystem::path& defaultSetupDir);

}  // namespace q6::sim
