#include "platform/serial/qt_serial_port.h"
#include "platform/shell/qt_platform.h"
#include "platform/system/system_adapters.h"

namespace q6::platform {

SystemAdapters MakeSystemAdapters() {
  return {std::make_unique<QtShellFolders>(), std::make_unique<QtSerialPortFactory>()};
}

}  // namespace q6::platform
