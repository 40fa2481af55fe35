#include "platform/system/system_adapters.h"
#include "platform/windows/known_folders.h"
#include "platform/windows/win32_serial_port.h"

namespace q6::platform {

// The known folders give ProgramData and Documents, where Qt's standard locations would give
// per-user folders; the port is the device itself, with the timeouts the link asks for.
SystemAdapters MakeSystemAdapters() {
  return {std::make_unique<windows::KnownFolders>(),
          std::make_unique<windows::Win32SerialPortFactory>()};
}

}  // namespace q6::platform
