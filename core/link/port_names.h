#pragma once

#include <filesystem>
#include <string>

namespace q6 {

// The device to open for a port name of the port choice. "COMn" is `<pathSetup>/ports/COMn` when
// that entry exists (a link to a device, or a file holding a device path), otherwise the n-th
// built-in serial port; on Windows the name itself in the device namespace. Any other name is
// taken as a device path.
std::string ResolvePortDevice(const std::string& portName, const std::filesystem::path& pathSetup);

}  // namespace q6
