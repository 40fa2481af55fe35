#include "core/link/port_names.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

namespace q6 {
namespace {

std::optional<int> ComNumber(const std::string& portName) {
  constexpr std::string_view kPrefix = "COM";
  if (portName.size() <= kPrefix.size() || portName.compare(0, kPrefix.size(), kPrefix) != 0) {
    return std::nullopt;
  }
  int number = 0;
  const char* first = portName.data() + kPrefix.size();
  const char* last = portName.data() + portName.size();
  const auto [end, error] = std::from_chars(first, last, number);
  if (error != std::errc{} || end != last || number < 1) return std::nullopt;
  return number;
}

std::string FirstLine(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  const auto last = line.find_last_not_of(" \t\r\n");
  line.erase(last == std::string::npos ? 0 : last + 1);
  return line.substr(std::min(line.find_first_not_of(" \t"), line.size()));
}

}  // namespace

std::string ResolvePortDevice(const std::string& portName, const std::filesystem::path& pathSetup) {
  const std::optional<int> number = ComNumber(portName);
  if (!number) return portName;
#ifdef _WIN32
  (void)pathSetup;
  return "\\\\.\\" + portName;
#else
  const std::filesystem::path entry = pathSetup / "ports" / portName;
  std::error_code error;
  const auto status = std::filesystem::symlink_status(entry, error);
  if (std::filesystem::is_symlink(status)) return entry.string();
  if (std::filesystem::is_regular_file(status)) return FirstLine(entry);
  return "/dev/ttyS" + std::to_string(*number - 1);
#endif
}

}  // namespace q6
