#include "core/link/port_names.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "core/link/com_port_device.h"

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

}  // namespace

std::string ResolvePortDevice(const std::string& portName, const std::filesystem::path& pathSetup) {
  const std::optional<int> number = ComNumber(portName);
  return number ? ComPortDevice(portName, *number, pathSetup) : portName;
}

}  // namespace q6
