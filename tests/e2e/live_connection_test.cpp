// The whole program, offscreen, against the quendaris-dimmer program over a pseudo-terminal.

#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "program_fixture.h"

namespace q6 {
namespace {

using test::kDataError;
using LiveConnectionTest = test::ProgramTest;

TEST_F(LiveConnectionTest, SwitchingOnShowsTheDimmerSwitchingOffGoesOffline) {
  startDimmer();
  pressSwitch();
  ASSERT_TRUE(serveUntil([this] { return live(); })) << ::testing::PrintToString(platform.messages);

  windows.main()
      .findChild<QTabWidget*>("PageControl1")
      ->setCurrentWidget(windows.main().findChild<QWidget*>("TsRam"));
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
