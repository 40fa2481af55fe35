// The state commands and the manual mode, through the RAM write list, the poll state machine and
// the simulated dimmer.

#include <gtest/gtest.h>

#include <vector>

#include "core/device/memory_image.h"
#include "service_fixture.h"

namespace q6 {
namespace {

using Pairs = std::vector<std::pair<std::uint16_t, std::uint16_t>>;

class ManualModeTest : public test::ServiceTest {
 protected:
  Pairs queued() {
    Pairs pairs;
    for (int i = 0; i < form().RamSendDataLength; ++i) {
      const auto& entry = form().RamSendData[static_cast<std::size_t>(i)];
      pairs.emplace_back(entry.address, entry.value);
    }
    return pairs;
  }
  void setRam(std::uint16_t address, std::uint16_t value) {
    form().RamRData[static_cast<std::size_t>(RamIndex(address))].Value = value;
  }
  // Runs until a RAM block shows the dimmer in `regime`, or (`left`) in any other state.
  void awaitRegime(std::uint16_t regime, bool left = false) {
    tickUntil([&] { return (form().CurrentRegime == regime) != left && form().SioState == 1; });
  }
};

TEST_F(ManualModeTest, WithoutCommunicationEveryCommandIsRefused) {
  for (Button* button :
       {&form().modes.BtNormalMode, &form().modes.BtResetZustand, &form().modes.BtKalibrierzustand,
        &form().modes.BtManuellMode, &form().modes.BtManuellSend}) {
    platform.messages.clear();
    button->click();
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Bitte erst Kommunikation starten!"})
        << button->name();
    EXPECT_FALSE(form().RamWriteRequest) << button->name();
    EXPECT_EQ(form().RamSendDataLength, 0) << button->name();
  }
}

TEST_F(ManualModeTest, StateButtonsQueueTheirRequest) {
  connect();
  struct Case {
    Button& button;
    int mark;
    Pairs pairs;
  };
  auto& m = form().modes;
  for (const auto& [button, mark, pairs] : {
           Case{m.BtNormalMode, 0, {{0x008E, 2}}},
           Case{m.BtResetZustand, 0, {{0x008E, 94}}},
           Case{m.BtKalibrierzustand, 0, {{0x008E, 91}}},
           Case{m.BtKalibrierzustand, 1, {{0x008E, 2}}},
           Case{m.BtManuellMode, 1, {{0x008E, 2}}},
       }) {
    button.setTag(mark);
    button.click();
    EXPECT_EQ(queued(), pairs) << button.name() << " " << mark;
    EXPECT_TRUE(form().RamWriteRequest);
    EXPECT_TRUE(button.enabled());
    form().RamSendDataLength = 0;
    form().RamWriteRequest = false;
  }
}

TEST_F(ManualModeTest, ManualModeLoadsTheDimmersValuesAndSendsTheChosenOnes) {
  connect();
  auto& m = form().modes;
  setRam(0x0090, 2305);
  setRam(0x0092, 60);
  setRam(0x0094, 300);
  setRam(0x0096, 7);
  m.BtManuellMode.click();
  EXPECT_EQ(m.UdUacManuell.value(), 230);
  EXPECT_EQ(m.UdFreqManuell.value(), 60);
  EXPECT_EQ(m.UdTimeUacManuell.value(), 200);
  EXPECT_EQ(m.UdTimeFreqManuell.value(), 7);
  EXPECT_EQ(queued(), (Pairs{{0x006C, 16}, {0x008E, 40}}));
  awaitRegime(40);
  EXPECT_EQ(m.BtManuellMode.tag(), 1);
  EXPECT_TRUE(m.BtManuellSend.enabled());

  m.UdUacManuell.setValue(231);
  m.UdFreqManuell.setValue(60);
  m.UdTimeUacManuell.setValue(20);
  m.UdTimeFreqManuell.setValue(5);
  m.BtManuellSend.click();
  EXPECT_EQ(queued(),
            (Pairs{{0x0090, 2310}, {0x0092, 60}, {0x0094, 20}, {0x0096, 5}, {0x006C, 16}}));
  EXPECT_FALSE(m.BtManuellSend.enabled());
  EXPECT_EQ(m.BtManuellSend.tag(), 1);
  settle();
  EXPECT_TRUE(m.BtManuellSend.enabled());
  EXPECT_EQ(m.BtManuellSend.tag(), 0);
  EXPECT_EQ(dimmer->dimmer.ramWord(0x0090), 2310);
  EXPECT_EQ(dimmer->dimmer.ramWord(0x0096), 5);
  EXPECT_EQ(form().CurrentRegime, 40);

  m.BtManuellMode.click();
  awaitRegime(40, true);
  EXPECT_FALSE(m.BtManuellSend.enabled());
  EXPECT_EQ(m.BtManuellMode.caption(), "Manueller Modus");
}

TEST_F(ManualModeTest, SendingOutsideManualModeIsRefused) {
  connect();
  ASSERT_NE(form().CurrentRegime, 40);
  form().modes.BtManuellSend.click();
  EXPECT_EQ(platform.messages, std::vector<std::string>{"Bitte erst Zustand Manuell aktivieren"});
  EXPECT_FALSE(form().RamWriteRequest);
}

TEST_F(ManualModeTest, ResetAndCalibrationStateReachTheDimmer) {
  connect();
  auto& m = form().modes;
  m.BtKalibrierzustand.click();
  awaitRegime(91);
  EXPECT_EQ(m.BtKalibrierzustand.tag(), 1);
  EXPECT_EQ(m.BtKalibrierzustand.caption(), "Ende Kalibrierung");
  EXPECT_TRUE(m.BtWrKalUac.enabled());
  m.BtKalibrierzustand.click();
  awaitRegime(91, true);
  EXPECT_EQ(m.BtKalibrierzustand.tag(), 0);

  m.BtResetZustand.click();
  settle();
  EXPECT_TRUE(m.BtResetZustand.enabled());
  EXPECT_EQ(form().CurrentRegime, 94);
}

}  // namespace
}  // namespace q6
