#pragma once

#include <memory>

#include "core/link/serial_port.h"
#include "core/shell/platform_services.h"

namespace q6::platform {

// The shell folders and serial ports of the operating system the program is built for.
struct SystemAdapters {
  std::unique_ptr<ShellFolders> folders;
  std::unique_ptr<SerialPortFactory> ports;
};

SystemAdapters MakeSystemAdapters();

}  // namespace q6::platform
