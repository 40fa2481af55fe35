// The live view and the compatibility check against the simulated dimmer, through the poll
// state machine and the serial worker; the test thread plays the user-interface thread.

#include <gtest/gtest.h>

#include "core/device/live_format.h"
#include "core/shell/application.h"
#include "support/fake_platform.h"
#include "support/simulated_dimmer.h"

namespace q6 {
namespace {

using sim::Fault;

class LiveViewTest : public ::testing::Test {
 protected:
  void switchOn(Fault fault) {
    dimmer = std::make_unique<test::SimulatedDimmer>(fault);
    platform.makePort = [this] { return dimmer->CreatePort(); };
    services = std::make_unique<PlatformServices>(platform.services());
    app = std::make_unique<Application>(*services);
    app->Start();
    form().comm.BtComActivate.click();
  }
  TForm1& form() { return app->form1(); }
  // Ticks until the first RAM block has been shown, or until the machine rests offline.
  void runUntilLiveOrOffline() {
    for (int i = 0; i < 40 && form().frame.SPStimer.enabled(); ++i) {
      ASSERT_TRUE(test::WaitUntilIdle(form().link));
      platform.executor.runPending();
      const bool blockAnswered = form().SioState == 4 && form().link.RxDone;
      form().frame.SPStimer.fire();
      if (blockAnswered) return;
    }
  }

  test::FakePlatform platform;
  std::unique_ptr<test::SimulatedDimmer> dimmer;
  std::unique_ptr<PlatformServices> services;
  std::unique_ptr<Application> app;
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
