#include <QApplication>

#include "core/shell/application.h"
#include "platform/instance/single_instance.h"
#include "platform/serial/qt_executor.h"
#include "platform/serial/qt_serial_port.h"
#include "platform/shell/qt_platform.h"
#include "ui/windows.h"

int main(int argc, char* argv[]) {
  QApplication qapp(argc, argv);

  q6::platform::SingleInstance instance(QStringLiteral("VRKA3000"));
  if (instance.handOverToRunningCopy()) return 0;

  q6::ui::Windows windows;
  q6::platform::QtShellFolders folders;
  q6::platform::QtScreenMetrics screen(windows.main());
  q6::platform::QtDialogs dialogs(
      windows.main(), QStringLiteral("quenDARIS6"),
      [&windows](const q6::Form& form) { return windows.dialogFor(form); });
  q6::platform::QtWallClock clock;
  q6::platform::QtUserLocale locale;
  q6::QtSerialPortFactory ports;
  q6::QtExecutor executor(windows.main());
  q6::PlatformServices services{folders, screen, dialogs, clock, locale, ports, executor};

  q6::Application app(services);
  q6::ui::WindowBindings bindings(windows, app);
  instance.listen([&windows] { windows.main().restore(); });

  app.Start();
  windows.showMain();
  app.form1().FormShow();
  return QApplication::exec();
}
