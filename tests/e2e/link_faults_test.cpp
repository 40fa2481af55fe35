// Faults of the dimmer and of the line, end to end: the whole program against the
// quendaris-dimmer program over a pseudo-terminal. Every fault is reported once, leaves the
// offline view and a responsive window, and a healthy dimmer is live at the next switch-on.

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QProgressBar>
#include <QTimer>
#include <filesystem>

#include "program_fixture.h"

namespace q6 {
namespace {

namespace fs = std::filesystem;
using test::kDataError;
using Messages = std::vector<std::string>;

const std::string kOldHardware =
    "Diese Hardware wird von der Oberfläche nicht unterstützt!\r\n"
    "Bitte benutzen Sie einer Visualisierung mit Softwarestand > 5.5";
const std::string kWrongVersion =
    "Diese Software unterstützt nur quendaris-Produkte der Version 6.x";
const std::string kWrongProtocol =
    "Softwareversion Visualisierung <> Softwareversion Controller !\r\n(3.1.1.0 > 4.2.1.0)\r\n"
    "Bitte Oberfläche updaten!";

class LinkFaultTest : public test::ProgramTest {
 protected:
  LinkFaultTest() {
    QObject::connect(&heartbeat, &QTimer::timeout, [this] { ++beats; });
    heartbeat.start(20);
  }

  // The machine has stopped for good: no timer, no transfer, so no further message can come.
  bool stopped() {
    return !form().sio_started && !form().frame.SPStimer.enabled() && !form().link.anmeldung;
  }
  void expectOfflineView() {
    EXPECT_EQ(zustand(), "OFFLINE");
    EXPECT_EQ(button("BtComActivate")->text(), "COM aktivieren");
    for (const char* name : {"uC_read_bt", "uC_send_bt", "err_mem_read_bt", "clk_bt"})
      EXPECT_FALSE(button(name)->isEnabled()) << name;
    for (const char* bar : {"ProgressBar_RAM", "ProgressBar_EEP"})
      EXPECT_EQ(windows.main().findChild<QProgressBar*>(bar)->value(), 0) << bar;
    EXPECT_EQ(form().frame.SbInfo.panelText(0), "Version: ");
    EXPECT_FALSE(form().EepSynchron);
    EXPECT_GT(beats, 0) << "the window kept handling events";
  }
  // A healthy dimmer takes the faulty one's place, and one switch-on brings its live data.
  void expectReconnect() {
    const std::size_t shown = platform.messages.size() + platform.errors.size();
    startDimmer();
    form().RamRData[0].Value = 0;
    pressSwitch();
    ASSERT_TRUE(serveUntil([this] { return live(); }))
        << ::testing::PrintToString(platform.messages) << ::testing::PrintToString(platform.errors);
    EXPECT_EQ(platform.messages.size() + platform.errors.size(), shown) << "nothing more to report";
    EXPECT_NE(zustand(), "OFFLINE");
  }

  QTimer heartbeat;
  int beats = 0;
};

TEST_F(LinkFaultTest, EachDimmerFaultIsReportedOnceAndAHealthyDimmerConnectsAfterwards) {
  struct Case {
    const char* fault;
    Messages messages;
    Messages errors;
  };
  for (const Case& c : {
           Case{"silent", {kDataError}, {}},
           Case{"logon", {kDataError}, {}},
           Case{"echo", {kDataError}, {}},
           Case{"old-hardware", {kOldHardware}, {}},
           Case{"wrong-id", {kWrongVersion}, {}},
           Case{"wrong-protocol", {}, {kWrongProtocol}},
       }) {
    SCOPED_TRACE(c.fault);
    platform.messages.clear();
    platform.errors.clear();
    startDimmer({"--fault", c.fault});
    pressSwitch();
    ASSERT_TRUE(serveUntil([this] { return stopped(); }));
    EXPECT_EQ(platform.messages, c.messages);
    EXPECT_EQ(platform.errors, c.errors);
    expectOfflineView();
    expectReconnect();
    pressSwitch();  // off, for the next case
  }
}

TEST_F(LinkFaultTest, ADimmerWhoseBlocksAllFailTheirSumShowsNoLiveDataAndNoError) {
  startDimmer({"--fault", "block-sum"});
  pressSwitch();
  // The configuration is read; then every RAM block is dropped.
  ASSERT_TRUE(serveUntil([this] { return form().EepSynchron; }));
  // Each block read is one log-on and one block transfer.
  const unsigned read = form().link.TransferNumber;
  ASSERT_TRUE(serveUntil([&] { return form().link.TransferNumber >= read + 6; }));
  EXPECT_EQ(form().RamRData[0].Value, 0);
  EXPECT_TRUE(form().sio_started);
  pressSwitch();
  EXPECT_TRUE(platform.messages.empty()) << ::testing::PrintToString(platform.messages);
  expectOfflineView();
  expectReconnect();
}

TEST_F(LinkFaultTest, ADimmerKilledAndRestartedDuringTheEepromReadIsReportedOnce) {
  // At 9600 baud the 840-byte read takes well over a second.
  startDimmer({"--wire-baud", "9600"});
  pressSwitch();
  ASSERT_TRUE(serveUntil(
      [this] { return form().SioState == 94 && form().comm.ProgressBar_EEP.position() >= 10; }));
  dimmer->kill();
  startDimmer();
  ASSERT_TRUE(serveUntil([this] { return stopped(); }));
  EXPECT_EQ(platform.messages, Messages{kDataError});
  expectOfflineView();

  form().RamRData[0].Value = 0;
  pressSwitch();
  ASSERT_TRUE(serveUntil([this] { return live(); })) << ::testing::PrintToString(platform.messages);
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(LinkFaultTest, APortThatTakesBytesButNeverAnswersEndsInOneDataError) {
  // A pseudo-terminal nobody reads: every byte is accepted, none is answered.
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  const fs::path entry = fs::path(form().PathSetup) / "ports" / "COM1";
  fs::create_directories(entry.parent_path());
  fs::create_symlink(::ptsname(master), entry);

  pressSwitch();
  ASSERT_TRUE(serveUntil([this] { return stopped(); }));
  EXPECT_EQ(platform.messages, Messages{kDataError});
  expectOfflineView();

  ::close(master);
  fs::remove(entry);
  expectReconnect();
}

TEST_F(LinkFaultTest, LateAnswersWithinTheReadTimeoutOnlySlowTheLinkLaterOnesEndIt) {
  // At 9600 baud an answer comes 2 ms after its byte, inside the 31 ms a read waits.
  startDimmer({"--wire-baud", "9600"});
  pressSwitch();
  ASSERT_TRUE(serveUntil([this] { return live(); }));
  EXPECT_TRUE(platform.messages.empty()) << ::testing::PrintToString(platform.messages);
  pressSwitch();

  // At 300 baud it comes after 67 ms, too late for every read.
  startDimmer({"--wire-baud", "300"});
  pressSwitch();
  ASSERT_TRUE(serveUntil([this] { return stopped(); }));
  EXPECT_EQ(platform.messages, Messages{kDataError});
  expectOfflineView();
  // Unplugged: asked to stop, it would first answer its backlog at 300 baud.
  dimmer->kill();
  expectReconnect();
}

}  // namespace
}  // namespace q6
