#include <gtest/gtest.h>

#include "config_fixture.h"
#include "core/device/config_words.h"
#include "core/device/power_class.h"

namespace q6 {
namespace {

using test::ConfigTest;

TEST_F(ConfigTest, WordsAreScaledAndLimitedToTheirFields) {
  struct Case {
    std::uint16_t address;
    std::uint16_t word;
    SpinField& field;
    int shown;
  };
  for (const auto& k : {
           Case{0x0030, 0x431E, c.UdWt1, 30},
           Case{0x0030, 0x431E, c.UdWt2, 67},
           Case{0x0030, 0x5050, c.UdWt1, 67},
           Case{0x0030, 0x5050, c.UdWt2, 67},
           Case{0x0034, 0x0A14, c.UdWe2, 20},
           Case{0x0034, 0x0A14, c.UdWe3, 10},
           Case{0x0052, 3000, c.UdTimePRedUp, 600},
           Case{0x0052, 127, c.UdTimePRedUp, 25},
           Case{0x0052, 5, c.UdTimePRedUp, 25},
           Case{0x0054, 5, c.UdTimePRedDown, 25},
           Case{0x0050, 599, c.UdEinbrennzeit, 9},
           Case{0x0042, 2389, c.UdUAcStart, 238},
           Case{0x0036, 1655, c.UdUAcVorStart, 165},
           Case{0x001E, 7, c.UdHardwareversion, 7},
       }) {
    ASSERT_TRUE(decode({{k.address, k.word}}));
    EXPECT_EQ(k.field.value(), k.shown) << k.field.name() << " " << k.word;
  }
}

TEST_F(ConfigTest, AtLevelTwoTheDimmingTimesGoDownToFiveSeconds) {
  form.ApplyPasswordLevel(2);
  ASSERT_TRUE(decode({{0x0052, 5}}));
  EXPECT_EQ(c.UdTimePRedUp.value(), 5);
}

TEST_F(ConfigTest, TimeWordsAreHourAndMinute) {
  ASSERT_TRUE(decode({{0x0020, 0x1400}, {0x0024, 0x051E}, {0x002A, 0x0000}}));
  EXPECT_EQ(c.DateTimePicker_Mo1.seconds(), Time(20, 0));
  EXPECT_EQ(c.DateTimePicker_Mo3.seconds(), Time(5, 30));
  EXPECT_EQ(c.DateTimePicker_Sa2.seconds(), Time(0, 0));
  EXPECT_TRUE(c.DateTimePicker_Mo1.valid());
}

TEST_F(ConfigTest, AWordThatIsNoTimeOfDayMarksItsFieldAndDecodingGoesOn) {
  for (const std::uint16_t word :
       {std::uint16_t{0x1800}, std::uint16_t{0x173C}, std::uint16_t{0xFFFF}}) {
    ASSERT_TRUE(decode({{0x0022, word}, {0x0024, 0x0300}, {0x006E, 99}}));
    EXPECT_FALSE(c.DateTimePicker_Mo2.valid()) << word;
    EXPECT_EQ(c.DateTimePicker_Mo3.seconds(), Time(3, 0));
    EXPECT_EQ(c.UdEwFreqRampeWechselDown.value(), 99);
  }
  ASSERT_TRUE(decode({{0x0022, 0x1700}}));
  EXPECT_TRUE(c.DateTimePicker_Mo2.valid());
}

TEST_F(ConfigTest, RadioWordsSelectByTheirLastSetBitAndKeepTheSelectionWithoutOne) {
  ASSERT_TRUE(decode({{0x0040, 6}, {0x003E, 3}}));
  EXPECT_EQ(c.RgNetzSetup.itemIndex(), 2);
  EXPECT_EQ(c.RgVersion.itemIndex(), 1);
  EXPECT_FALSE(c.UdEinbrennFrequenz.visible());
  EXPECT_TRUE(c.EdEinbrennFrequenzU.visible());

  ASSERT_TRUE(decode({{0x0040, 0}, {0x003E, 0}}));
  EXPECT_EQ(c.RgNetzSetup.itemIndex(), 2);
  EXPECT_EQ(c.RgVersion.itemIndex(), 1);

  ASSERT_TRUE(decode({{0x0040, 1}, {0x005A, 1}}));
  EXPECT_EQ(c.RgNetzSetup.itemIndex(), 0);
  EXPECT_TRUE(c.UdEinbrennFrequenz.visible());
  EXPECT_FALSE(c.EdEinbrennFrequenzU.visible());
  EXPECT_TRUE(c.CbSommerzeitkorrektur.checked());
  ASSERT_TRUE(decode({{0x005A, 2}}));
  EXPECT_FALSE(c.CbSommerzeitkorrektur.checked());
}

TEST_F(ConfigTest, DecodedPowerClassKeepsTheDecodedLimits) {
  ASSERT_TRUE(decode({{0x0060, 2}, {0x0062, 100}, {0x0064, 90}, {0x0066, 110}}));
  EXPECT_EQ(c.RgLeistungsklasse.text(), "3000 W");
  EXPECT_EQ(form.PowerClassValue, 2);
  EXPECT_EQ(c.UdPDcRed.value(), 100);
  EXPECT_EQ(c.UdPdcRedOff.value(), 90);
  EXPECT_EQ(c.UdPDCOverload.value(), 110);

  ASSERT_TRUE(decode({{0x0060, 9}}));
  EXPECT_EQ(c.RgLeistungsklasse.text(), "1500 W");
  EXPECT_EQ(c.UdPDcRed.value(), 0);

  c.RgLeistungsklasse.setItemIndex(4);
  EXPECT_EQ(c.UdPDcRed.value(), 3300);
  EXPECT_EQ(c.UdPdcRedOff.value(), 3250);
  EXPECT_EQ(c.UdPDCOverload.value(), 3600);
}

TEST_F(ConfigTest, PowerClassesMapBothWays) {
  for (int index = 0; index < 8; ++index)
    EXPECT_EQ(PowerClassToIndex(IndexToPowerClass(index)), index);
  EXPECT_EQ(IndexToPowerClass(0), 6);
  EXPECT_EQ(PowerClassToIndex(9), 1);
  EXPECT_EQ(PowerClassToIndex(-1), 1);
}

TEST_F(ConfigTest, DecodedChangeoverVoltageAndRampsWinOverTheCoupling) {
  ASSERT_TRUE(decode(
      {{0x0056, 60}, {0x0058, 1900}, {0x0068, 11}, {0x006A, 12}, {0x006C, 13}, {0x006E, 14}}));
  EXPECT_EQ(c.UdUmschaltfrequenz.value(), 60);
  EXPECT_EQ(c.UdUmschaltspannung.value(), 190);
  EXPECT_EQ(c.UdEwUacRampeWechselUp.value(), 11);
  EXPECT_EQ(c.UdEwUacRampeWechselDown.value(), 12);
  EXPECT_EQ(c.UdEwFreqRampeWechselUp.value(), 13);
  EXPECT_EQ(c.UdEwFreqRampeWechselDown.value(), 14);
}

TEST_F(ConfigTest, SteppingTheChangeoverFrequencyPresetsVoltageAndRamps) {
  ASSERT_EQ(c.UdUmschaltfrequenz.value(), 70);
  c.UdUmschaltfrequenz.stepUp();
  EXPECT_EQ(c.UdUmschaltfrequenz.value(), 75);
  EXPECT_EQ(c.UdUmschaltspannung.value(), 174);
  EXPECT_EQ(c.UdEwUacRampeWechselUp.value(), 36);
  EXPECT_EQ(c.UdEwUacRampeWechselDown.value(), 36);
  EXPECT_EQ(c.UdEwFreqRampeWechselUp.value(), 30);
  EXPECT_EQ(c.UdEwFreqRampeWechselDown.value(), 30);
  // The requested value decides, before the field limits it.
  c.UdUmschaltfrequenz.setValue(80);
  EXPECT_EQ(c.UdUmschaltfrequenz.value(), 75);
  EXPECT_EQ(c.UdUmschaltspannung.value(), 174);
}

TEST_F(ConfigTest, DeviceNumberHasFiveDigitsAtLeast) {
  ASSERT_TRUE(decode({{0x001C, 7}}));
  EXPECT_EQ(c.EdGeraeteNr.text(), "00007");
  ASSERT_TRUE(decode({{0x001C, 65535}}));
  EXPECT_EQ(c.EdGeraeteNr.text(), "65535");
}

TEST_F(ConfigTest, IdentityStringsAndTheVersionPanel) {
  const Words identity = {{0x0100, 0x4241}, {0x0102, 0x4443}, {0x0104, 0x4645}, {0x0106, 0x4847},
                          {0x001E, 24},     {0x0130, 0x0041}, {0x0110, 0x5256}, {0x0112, 0x354B},
                          {0x0114, 0x3030}, {0x0116, 0x2020}};
  Words build3 = identity;
  build3[0x0004] = 0x0003;
  ASSERT_TRUE(decode(build3));
  EXPECT_EQ(form.Info.SoftwarePName, "ABCDEFGH24A-P003");
  EXPECT_EQ(form.Info.HardwareKennung, "ABCDEFGH24A-P003");
  EXPECT_EQ(form.Info.HardwareName, "VRK500  ");
  EXPECT_EQ(form.frame.SbInfo.panelText(0), "Version: ABCDEFGH24A-P003 VRK500  ");
  ASSERT_TRUE(decode(identity));
  EXPECT_EQ(form.Info.SoftwarePName, "ABCDEFGH24A-P");
}

TEST_F(ConfigTest, CalibrationWordsReachTheCalibrationRecord) {
  ASSERT_TRUE(decode({{0x0070, 1000},
                      {0x0072, 1},
                      {0x0074, 2000},
                      {0x0076, 2},
                      {0x0078, 0xFFFF},
                      {0x007A, 3},
                      {0x007C, 4096}}));
  const TKalData& k = form.KalData;
  EXPECT_EQ(k.fGainUac, 1000);
  EXPECT_EQ(k.fOffsetUac, 1);
  EXPECT_EQ(k.fGainIz, 2000);
  EXPECT_EQ(k.fOffsetIz, 2);
  EXPECT_EQ(k.fGainUz, 65535) << "the words are unsigned; the wider field only widens them";
  EXPECT_EQ(k.fOffsetUz, 3);
  EXPECT_EQ(k.fGainPdc, 4096);
}

TEST_F(ConfigTest, AnIncompatibleDimmerChangesNoControl) {
  EXPECT_FALSE(readEeprom({{0x0000, 0x0601}, {0x0030, 0x0101}, {0x001C, 7}}));
  EXPECT_EQ(c.UdWt1.value(), 30);
  EXPECT_EQ(c.UdWt2.value(), 67);
  EXPECT_EQ(c.EdGeraeteNr.text(), "00000");
}

}  // namespace
}  // namespace q6
