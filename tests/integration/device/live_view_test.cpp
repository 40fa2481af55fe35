// The live view and the compatibility check against the simulated dimmer, through the poll
// state machine and the serial worker; the test thread plays the user-interface thread.

#include <gtest/gtest.h>

#include "core/device/live_format.h"
#include "support/in_process_program.h"

namespace q6 {
namespace {

using sim::Fault;

class LiveViewTest : public test::InProcessProgramTest {
 protected:
  void switchOn(Fault fault) {
    start(fault);
    InProcessProgramTest::switchOn();
  }
  // Ticks until the first RAM block has been shown, or until the machine rests offline.
  void runUntilLiveOrOffline() {
    int previous = form().SioState;
    tickUntil([&] {
      const bool blockAnswered = previous == 4 && form().SioState == 1;
      previous = form().SioState;
      return blockAnswered || !form().frame.SPStimer.enabled();
    });
  }
};

TEST_F(LiveViewTest, AHealthyDimmerIsShownLive) {
  switchOn(Fault::None);
  runUntilLiveOrOffline();
  const TForm1& f = form();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.errors.empty());
  EXPECT_EQ(f.Info.HardwareName, "VRKA3000");
  EXPECT_EQ(f.frame.SbInfo.panelText(0).rfind("Version: ", 0), 0U);
  EXPECT_NE(f.frame.SbZustand.panelText(0), "OFFLINE");
  EXPECT_EQ(f.measure.EdUac.text(), TenthsWhole(RamWord(f.RamRData, 0x0032)));
  EXPECT_EQ(f.tables.StgRamData.cell(3, 2), std::to_string(RamWord(f.RamRData, 0x0032)));
  EXPECT_NE(f.live.uC_Zeit.caption(), "01.01.2000          00:00");
}

TEST_F(LiveViewTest, AnIncompatibleDimmerIsRefusedAndLeftOffline) {
  struct Case {
    Fault fault;
    const char* message;
    const char* error;
  };
  for (const auto& [fault, message, error] : {
           Case{Fault::WrongId, "Diese Software unterstützt nur quendaris-Produkte der Version 6.x",
                nullptr},
           Case{Fault::WrongProtocol, nullptr,
                "Softwareversion Visualisierung <> Softwareversion Controller !\r\n"
                "(3.1.1.0 > 4.2.1.0)\r\nBitte Oberfläche updaten!"},
       }) {
    platform.messages.clear();
    platform.errors.clear();
    switchOn(fault);
    runUntilLiveOrOffline();
    const TForm1& f = form();
    EXPECT_EQ(platform.messages,
              message ? std::vector<std::string>{message} : std::vector<std::string>{});
    EXPECT_EQ(platform.errors,
              error ? std::vector<std::string>{error} : std::vector<std::string>{});
    EXPECT_FALSE(f.frame.SPStimer.enabled());
    EXPECT_FALSE(f.EepSynchron);
    EXPECT_EQ(f.frame.SbZustand.panelText(0), "OFFLINE");
    EXPECT_EQ(f.comm.BtComActivate.caption(), "COM aktivieren");
    EXPECT_EQ(f.measure.EdUac.text(), "") << "no RAM block was read";
  }
}

}  // namespace
}  // namespace q6
