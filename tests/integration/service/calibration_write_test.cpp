// Calibrating the three gains against reference values, through the poll state machine and the
// simulated dimmer in its calibration state.

#include <gtest/gtest.h>

#include "core/device/memory_image.h"
#include "core/link/records.h"
#include "service_fixture.h"

namespace q6 {
namespace {

class CalibrationWriteTest : public test::ServiceTest {
 protected:
  // Connected, with the dimmer in its calibration state and the given gains.
  void calibrating() {
    connect();
    form().modes.BtKalibrierzustand.click();
    tickUntil([this] { return form().CurrentRegime == 91 && form().SioState == 1; });
    form().KalData.fGainUac = 1000;
    form().KalData.fGainUz = 1000;
    form().KalData.fGainPdc = 1000;
  }
  void setRam(std::uint16_t address, std::uint16_t value) {
    form().RamRData[static_cast<std::size_t>(RamIndex(address))].Value = value;
  }
  std::uint16_t written(std::uint16_t address) {
    return form().EepWData[static_cast<std::size_t>(EepIndex(address))].Value;
  }
  // What the Uac button checks: the shown actual frequency and AC setpoint.
  void shown(const char* frequency, const char* setpoint) {
    form().measure.EdFreqIst.setText(frequency);
    form().develop.EdEwUacSoll.setText(setpoint);
  }
  std::vector<std::string> memo() { return form().modes.Memo1.lines(); }
  void step(const char* field, StepKey key, int times) {
    for (int i = 0; i < times; ++i) ASSERT_TRUE(form().FormKeyDown(key, field));
  }
};

TEST_F(CalibrationWriteTest, UacGainIsScaledByTheReferenceAndWrittenToTheDimmer) {
  calibrating();
  auto& m = form().modes;
  step("EdKalUac", StepKey::Up, 23);
  EXPECT_EQ(m.EdKalUac.text(), "232,3");
  step("EdKalUz", StepKey::Down, 1);
  shown("50", "230");
  m.BtWrKalUac.click();
  EXPECT_EQ(memo(), (std::vector<std::string>{"Alter Kalibrierwert (Uac): 1000",
                                              "Neuer Kalibrierwert (Uac): 1010"}));
  EXPECT_EQ(form().KalData.fGainUac, 1010);
  EXPECT_EQ(written(0x0070), 1010);
  EXPECT_EQ(form().EepRData[0x0070 / 2].Value, 1010);
  EXPECT_FALSE(m.BtWrKalUac.enabled());
  EXPECT_TRUE(form().KalibrierRequest);

  tickUntil([this] { return form().SioState == 20; });
  // Seven calibration words from 0x0070 up, then the take-over signal.
  const auto& tx = form().link.TxBuffer;
  const auto record = [&tx](std::size_t slot) {
    const std::size_t at = slot * kWriteSlot;
    return std::vector<int>{tx[at], tx[at + 1], tx[at + 2], tx[at + 3], tx[at + 4]};
  };
  EXPECT_EQ(record(0), (std::vector<int>{kCmdWriteEepromWord, 0x00, 0x70, 0x03, 0xF2}));
  EXPECT_EQ(record(6)[2], 0x7C);
  EXPECT_EQ(record(7), (std::vector<int>{kCmdWriteRamWord, 0x00, 0x6C, 0x00, 0x02}));
  tickUntil([this] { return !form().KalibrierRequest; });
  EXPECT_EQ(dimmer->dimmer.eepromWord(0x0070), 1010);
  EXPECT_EQ(m.EdKalUac.text(), "230,0");
  EXPECT_EQ(m.EdKalUz.text(), "244,9");
  for (Button* button : {&m.BtWrKalUac, &m.BtWrKalUz, &m.BtWrKalPdc})
    EXPECT_TRUE(button->enabled());
}

TEST_F(CalibrationWriteTest, UzAndPdcGainsUseTheDimmersReading) {
  calibrating();
  auto& m = form().modes;
  setRam(0x0030, 2430);
  setRam(0x003A, 2950);
  m.BtWrKalUz.click();
  m.BtWrKalPdc.click();
  EXPECT_EQ(written(0x0078), 1008);
  EXPECT_EQ(written(0x007C), 1017);
  EXPECT_EQ(memo(), (std::vector<std::string>{
                        "Alter Kalibrierwert (Uz): 1000", "Neuer Kalibrierwert (Uz): 1008",
                        "Alter Kalibrierwert (Pdc): 1000", "Neuer Kalibrierwert (Pdc): 1017"}));
  tickUntil([this] { return !form().KalibrierRequest; });
  EXPECT_EQ(dimmer->dimmer.eepromWord(0x0078), 1008);
  EXPECT_EQ(dimmer->dimmer.eepromWord(0x007C), 1017);
}

TEST_F(CalibrationWriteTest, UacPreconditionsAndUnusableReadingsSendNothing) {
  calibrating();
  auto& m = form().modes;
  shown("49", "230");
  m.BtWrKalUac.click();
  shown("50", "231");
  m.BtWrKalUac.click();
  setRam(0x0030, 0);
  m.BtWrKalUz.click();
  EXPECT_EQ(memo(),
            (std::vector<std::string>{"Frequenz <> 50 Hz", "Button Zustand Kalibrierung nutzen.",
                                      "UAcSoll <> 230 V", "Button Zustand Kalibrierung nutzen.",
                                      "Kalibrierung (Uz) nicht gesendet: Anzeige ist 0."}));
  EXPECT_FALSE(form().KalibrierRequest);
  EXPECT_EQ(form().KalData.fGainUac, 1000);
  EXPECT_EQ(form().KalData.fGainUz, 1000);
  EXPECT_TRUE(m.BtWrKalUac.enabled());
  EXPECT_TRUE(m.BtWrKalUz.enabled());
}

TEST_F(CalibrationWriteTest, VoltageReferencesStepByATenthWithinTheirLimits) {
  struct Case {
    const char* field;
    int start;
    StepKey key;
    const char* shown;
  };
  auto& m = form().modes;
  for (const auto& [field, start, key, text] : {
           Case{"EdKalUac", 2550, StepKey::Up, "255,0"},
           Case{"EdKalUac", 2100, StepKey::Down, "210,0"},
           Case{"EdKalUac", 2300, StepKey::Down, "229,9"},
           Case{"EdKalUz", 2700, StepKey::Up, "270,0"},
           Case{"EdKalUz", 2200, StepKey::Down, "220,0"},
       }) {
    SpinField& stepper = std::string(field) == "EdKalUac" ? m.UdKalUac : m.UdKalUz;
    stepper.setValue(start);
    step(field, key, 1);
    EXPECT_EQ(form().findAs<Edit>(field)->text(), text) << field << " " << start;
  }
}

TEST_F(CalibrationWriteTest, WheelStepsTheReferencesAndTurnsIntoArrowsOnTimePickers) {
  struct Case {
    int delta;
    const char* focused;
    WheelAction action;
  };
  for (const auto& [delta, focused, action] : {
           Case{120, "EdKalUac", WheelAction::Handled},
           Case{-1, "EdKalUz", WheelAction::Handled},
           Case{120, "DateTimePicker_Mo1", WheelAction::KeyUp},
           Case{-120, "DateTimePicker_Sa_End", WheelAction::KeyDown},
           Case{120, "EdKalPdc", WheelAction::Pass},
           Case{0, "EdKalUac", WheelAction::Pass},
       }) {
    EXPECT_EQ(form().FormMouseWheel(delta, focused), action) << focused << " " << delta;
  }
  EXPECT_EQ(form().modes.EdKalUac.text(), "230,1");
  EXPECT_EQ(form().modes.EdKalUz.text(), "244,9");
  EXPECT_FALSE(form().FormKeyDown(StepKey::Up, "EdKalPdc"));
}

TEST_F(CalibrationWriteTest, LanguageChangeAndDisconnectClearTheMemo) {
  form().modes.Memo1.add("x");
  form().english1Click();
  EXPECT_TRUE(memo().empty());
  form().modes.Memo1.add("x");
  form().ResetOfflineView();
  EXPECT_TRUE(memo().empty());
}

}  // namespace
}  // namespace q6
