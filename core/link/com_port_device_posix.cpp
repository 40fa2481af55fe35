#include <algorithm>
#include <fstream>
#include <system_error>

#include "core/link/com_port_device.h"

namespace q6 {
namespace {

std::string FirstLine(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  const auto last = line.find_last_not_of(" \t\r\n");
  line.erase(last == std::string::npos ? 0 : last + 1);
  return line.substr(std::min(line.find_first_not_of(" \t"), line.size()));
}

}  // namespace

std::string ComPortDevice(const std::string& portName, int number,
                          const std::filesystem::path& pathSetup) {
  const std::filesystem::path entry = pathSetup / "ports" / portName;
  std::error_code error;
  const auto status = std::filesystem::symlink_status(entry, error);
  if (std::filesystem::is_symlink(status)) return entry.string();
  if (std::filesystem::is_regular_file(status)) return FirstLine(entry);
  return "/dev/ttyS" + std::to_string(number - 1);
}

}  // namespace q6
