#include <QApplication>

#include "app/shown_probe.h"
#include "core/shell/application.h"
#include "platform/instance/single_instance.h"
#include "platform/serial/qt_executor.h"
#include "platform/shell/qt_platform.h"
#include "platform/system/system_adapters.h"
#include "ui/windows.h"

int main(int argc, char* argv[]) {
  QApplication qapp(argc, argv);
  // The desktop entry's name: a Wayland desktop finds the window's entry and icon by it.
  QGuiApplication::setDesktopFileName(QStringLiteral("quendaris6"));

  q6::platform::SingleInstance instance(QStringLiteral("VRKA3000"));
  if (instance.handOverToRunningCopy()) return 0;

  q6::ui::Windows windows;
  q6::platform::QtScreenMetrics screen(windows.main());
  q6::platform::QtDialogs dialogs(
      windows.main(), QStringLiteral("quenDARIS6"),
      [&windows](const q6::Form& form) { return windows.dialogFor(form); });
  q6::platform::QtWallClock clock;
  q6::platform::QtUserLocale locale;
  const q6::platform::SystemAdapters system = q6::platform::MakeSystemAdapters();
  q6::QtExecutor executor(windows.main());
  q6::ShellFolders& folders = *system.folders;
  q6::SerialPortFactory& ports = *system.ports;
  q6::PlatformServices services{folders, screen, dialogs, clock, locale, ports, executor};

  q6::Application app(services);
  q6::ui::WindowBindings bindings(windows, app);
  instance.listen([&windows] { windows.main().restore(); });

  app.Start();
  QuitWhenShownIfAsked(windows.main());
  windows.showMain();
  app.form1().FormShow();
  return QApplication::exec();
}
