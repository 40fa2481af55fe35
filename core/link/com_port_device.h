#pragma once

#include <filesystem>
#include <string>

namespace q6 {

// The device behind port "COM<number>" on this kind of system.
std::string ComPortDevice(const std::string& portName, int number,
                          const std::filesystem::path& pathSetup);

}  // namespace q6
