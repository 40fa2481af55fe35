#pragma once

// The whole program, offscreen, with its real serial adapter, against the quendaris-dimmer
// program over a pseudo-terminal. Dialogs are the scripted ones of the fake platform.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QThread>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/serial/qt_executor.h"
#include "platform/serial/qt_serial_port.h"
#include "platform/shell/qt_platform.h"
#include "sim/dimmer_process.h"
#include "support/fake_platform.h"
#include "ui/windows.h"

namespace q6::test {

inline constexpr const char* kDataError = "       COM Data-Error!       ";

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    app.Start();
    windows.showMain();
  }
  TForm1& form() { return app.form1(); }

  void startDimmer(const std::vector<std::string>& options = {}) {
    dimmer.reset();
    dimmer.emplace(Q6_DIMMER_PROGRAM, form().PathSetup, "COM1", options);
    ASSERT_TRUE(dimmer->ready());
  }
  // Serves the event loop until `done` holds; the limit only keeps a broken build from hanging.
  bool serveUntil(const std::function<bool()>& done, int limitMs = 20000) {
    QDeadlineTimer deadline(limitMs);
    while (!done()) {
      if (deadline.hasExpired()) return false;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      QThread::msleep(2);
    }
    return true;
  }
  QPushButton* button(const char* name) { return windows.main().findChild<QPushButton*>(name); }
  void press(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
  void pressSwitch() { press("BtComActivate"); }
  bool live() { return form().RamRData[0].Value != 0 && form().EepSynchron; }
  QString zustand() {
    return windows.main().findChild<QStatusBar*>("SbZustand")->findChild<QLabel*>()->text();
  }

  ui::Windows windows;
  FakePlatform platform;
  platform::QtScreenMetrics screen{windows.main()};
  QtSerialPortFactory ports;
  QtExecutor executor{windows.main()};
  PlatformServices services{platform, screen, platform, platform, platform, ports, executor};
  Application app{services};
  ui::WindowBindings bindings{windows, app};
  std::optional<sim::DimmerProcess> dimmer;
};

}  // namespace q6::test
