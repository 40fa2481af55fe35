// Opens the device named by its argument with the link's port adapter, as whichever user runs
// it, and prints the outcome: "opened", or the error number and "denied" or "other".
#include <QCoreApplication>
#include <cstdio>

#include "platform/serial/qt_serial_port.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 2) return 2;
  q6::QtSerialPort port;
  if (port.open(argv[1])) {
    port.close();
    std::puts("opened");
    return 0;
  }
  const bool denied = port.lastFailure() == q6::PortFailure::AccessDenied;
  std::printf("%d %s\n", port.lastError(), denied ? "denied" : "other");
  return 0;
}
