#include "core/link/com_port_device.h"

namespace q6 {

// The device namespace reaches every port, also those from COM10 on.
std::string ComPortDevice(const std::string& portName, int, const std::filesystem::path&) {
  return "\\\\.\\" + portName;
}

}  // namespace q6
