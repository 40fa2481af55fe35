// The whole program, offscreen, against the quendaris-dimmer program over a pseudo-terminal.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <functional>
#include <optional>

#include "platform/serial/qt_executor.h"
#include "platform/serial/qt_serial_port.h"
#include "platform/shell/qt_platform.h"
#include "sim/dimmer_process.h"
#include "support/fake_platform.h"
#include "ui/windows.h"

namespace q6 {
namespace {

constexpr const char* kDataError = "       COM Data-Error!       ";

class LiveConnectionTest : public ::testing::Test {
 protected:
  LiveConnectionTest() {
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
  void pressSwitch() {
    QTest::mouseClick(windows.main().findChild<QPushButton*>("BtComActivate"), Qt::LeftButton);
  }
  bool live() { return form().RamRData[0].Value != 0 && form().EepSynchron; }
  QString zustand() {
    return windows.main().findChild<QStatusBar*>("SbZustand")->findChild<QLabel*>()->text();
  }

  ui::Windows windows;
  test::FakePlatform platform;
  platform::QtScreenMetrics screen{windows.main()};
  QtSerialPortFactory ports;
  QtExecutor executor{windows.main()};
  PlatformServices services{platform, screen, platform, platform, platform, ports, executor};
  Application app{services};
  ui::WindowBindings bindings{windows, app};
  std::optional<sim::DimmerProcess> dimmer;
};

TEST_F(LiveConnectionTest, SwitchingOnShowsTheDimmerSwitchingOffGoesOffline) {
  startDimmer();
  pressSwitch();
  ASSERT_TRUE(serveUntil([this] { return live(); })) << ::testing::PrintToString(platform.messages);

  auto* table = windows.main().findChild<QTableWidget*>("StgRamData");
  ASSERT_NE(table->item(1, 3), nullptr);
  EXPECT_EQ(table->item(1, 3)->text().toStdString(), form().tables.StgRamData.cell(3, 1));
  EXPECT_EQ(windows.main().findChild<QPushButton*>("BtComActivate")->text(), "COM stoppen");
  EXPECT_NE(zustand(), "OFFLINE");

  pressSwitch();
  EXPECT_EQ(windows.main().findChild<QPushButton*>("BtComActivate")->text(), "COM aktivieren");
  EXPECT_EQ(zustand(), "OFFLINE");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LiveConnectionTest, LosingTheDimmerIsReportedOnceAndAReconnectWorks) {
  startDimmer();
  pressSwitch();
  ASSERT_TRUE(serveUntil([this] { return live(); }));

  int ticks = 0;
  QTimer heartbeat;
  QObject::connect(&heartbeat, &QTimer::timeout, [&ticks] { ++ticks; });
  heartbeat.start(20);
  dimmer->kill();
  ASSERT_TRUE(serveUntil([this] { return !platform.messages.empty(); }));
  // Give a second message the chance to appear.
  serveUntil([] { return false; }, 500);
  EXPECT_EQ(platform.messages, std::vector<std::string>{kDataError});
  EXPECT_EQ(zustand(), "OFFLINE");
  EXPECT_FALSE(form().sio_started);
  EXPECT_GT(ticks, 0) << "the window kept handling events";

  startDimmer();
  form().RamRData[0].Value = 0;
  pressSwitch();
  ASSERT_TRUE(serveUntil([this] { return live(); })) << ::testing::PrintToString(platform.messages);
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(LiveConnectionTest, AnIncompatibleDimmerIsRefusedAndTheWindowGoesOffline) {
  startDimmer({"--fault", "wrong-id"});
  pressSwitch();
  ASSERT_TRUE(serveUntil([this] { return !platform.messages.empty(); }));
  EXPECT_EQ(platform.messages,
            std::vector<std::string>{
                "Diese Software unterstützt nur quendaris-Produkte der Version 6.x"});
  EXPECT_FALSE(form().sio_started);
  EXPECT_FALSE(form().EepSynchron);
  EXPECT_EQ(zustand(), "OFFLINE");
  EXPECT_EQ(windows.main().findChild<QPushButton*>("BtComActivate")->text(), "COM aktivieren");
}

}  // namespace
}  // namespace q6
