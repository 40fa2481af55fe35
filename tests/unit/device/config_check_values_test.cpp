#include <gtest/gtest.h>

#include <functional>

#include "config_fixture.h"

namespace q6 {
namespace {

// A dimmer read once, with the profile times of the default view and the link active.
class CheckValuesTest : public test::ConfigTest {
 protected:
  CheckValuesTest() {
    form.sio_active = true;
    completeRead({{0x001C, 1234},
                  {0x003E, 1},
                  {0x0042, 2380},
                  {0x0020, 0x1400},
                  {0x0022, 0x1600},
                  {0x0024, 0x0500},
                  {0x0026, 0x0600},
                  {0x0028, 0x1600},
                  {0x002A, 0x0000},
                  {0x002C, 0x0700},
                  {0x002E, 0x0800}});
  }
  static Rgb ColorOf(const Control& control) {
    return static_cast<const CaptionedControl&>(control).color();
  }
  bool writable() const { return form.comm.uC_send_bt.enabled(); }
};

TEST_F(CheckValuesTest, DeviceNumberIsValidFromZeroTo65535) {
  struct Case {
    const char* text;
    Rgb color;
    std::uint16_t word;
  };
  for (const auto& k :
       {Case{"65535", colors::kChanged, 65535}, Case{"65536", colors::kInvalid, 65535},
        Case{"99999", colors::kInvalid, 65535}, Case{"", colors::kInvalid, 65535},
        Case{"01234", colors::kWindow, 1234}, Case{"0", colors::kChanged, 0},
        Case{"123456", colors::kInvalid, 0}}) {
    c.EdGeraeteNr.setText(k.text);
    EXPECT_EQ(c.EdGeraeteNr.color(), k.color) << k.text;
    EXPECT_EQ(written(0x001C), k.word) << k.text;
  }
  // An invalid number does not stop a write.
  EXPECT_TRUE(writable());
}

TEST_F(CheckValuesTest, ClickingTheDeviceNumberClearsItAndMarksItRed) {
  c.EdGeraeteNr.click();
  EXPECT_EQ(c.EdGeraeteNr.text(), "");
  EXPECT_EQ(c.EdGeraeteNr.color(), colors::kInvalid);
  EXPECT_EQ(written(0x001C), 1234);
}

TEST_F(CheckValuesTest, BeforeTheFirstReadOnlyTheDeviceNumberIsChecked) {
  form.GoOffline();
  const auto image = form.EepWData;
  c.UdUAcNenn.setValue(240);
  c.EdGeraeteNr.setText("");
  EXPECT_EQ(c.EdGeraeteNr.color(), colors::kInvalid);
  EXPECT_EQ(form.EepWData[0x4C / 2].Value, image[0x4C / 2].Value);
  EXPECT_EQ(c.UdUAcNenn.color(), colors::kInactiveCaption);
}

TEST_F(CheckValuesTest, ProfileTimesMustNotDecreaseOnTheNoonToNoonDay) {
  struct Case {
    TimeField& changed;
    int time;
    TimeField* red;
  };
  for (const auto& k : {Case{c.DateTimePicker_Mo3, Time(21, 0), &c.DateTimePicker_Mo3},
                        Case{c.DateTimePicker_Mo3, Time(5, 0), nullptr},
                        Case{c.DateTimePicker_Mo2, Time(6, 30), &c.DateTimePicker_Mo2},
                        Case{c.DateTimePicker_Mo2, Time(22, 0), nullptr},
                        Case{c.DateTimePicker_Mo3, Time(6, 0), nullptr},
                        Case{c.DateTimePicker_Mo3, Time(5, 0), nullptr},
                        Case{c.DateTimePicker_Mo2, Time(1, 0), nullptr},
                        Case{c.DateTimePicker_Mo1, Time(23, 0), nullptr},
                        Case{c.DateTimePicker_Mo1, Time(11, 0), &c.DateTimePicker_Mo1},
                        Case{c.DateTimePicker_Mo2, Time(13, 0), &c.DateTimePicker_Mo2},
                        Case{c.DateTimePicker_Mo1, Time(20, 0), &c.DateTimePicker_Mo1},
                        Case{c.DateTimePicker_Mo2, Time(22, 0), nullptr}}) {
    k.changed.setSeconds(k.time);
    for (TimeField* time : c.times())
      EXPECT_EQ(time->color() == colors::kInvalid, time == k.red)
          << time->name() << " after " << k.changed.name() << " " << k.time;
    EXPECT_EQ(writable(), k.red == nullptr) << k.changed.name() << " " << k.time;
  }
}

TEST_F(CheckValuesTest, AChangeElsewhereMarksTheLaterFieldOfABrokenPair) {
  const auto handler = c.DateTimePicker_Mo3.OnChange.detach();
  c.DateTimePicker_Mo3.setSeconds(Time(21, 0));
  c.DateTimePicker_Mo3.OnChange.attach(handler);
  form.CheckValues(form);
  EXPECT_EQ(c.DateTimePicker_Mo3.color(), colors::kInvalid);
  EXPECT_EQ(c.DateTimePicker_Mo2.color(), colors::kWindow);
  // The out-of-order times are still in the write image; only the button holds them back.
  EXPECT_EQ(written(0x0024), 0x1500);
  EXPECT_FALSE(writable());
}

TEST_F(CheckValuesTest, WithoutTheLinkTheWriteButtonIsNeverEnabled) {
  form.sio_active = false;
  form.comm.uC_send_bt.setEnabled(false);
  c.DateTimePicker_Mo3.setSeconds(Time(5, 30));
  EXPECT_FALSE(writable());
}

TEST_F(CheckValuesTest, ControlsAreEncodedIntoTheirWords) {
  struct Case {
    std::function<void()> edit;
    std::uint16_t address;
    std::uint16_t word;
    const Control& marked;
  };
  const Case cases[] = {
      {[&] { c.UdUAcNenn.setValue(240); }, 0x004C, 2400, c.UdUAcNenn},
      {[&] { c.UdEinbrennzeit.setValue(15); }, 0x0050, 900, c.UdEinbrennzeit},
      {[&] { c.UdTimePRedUp.setValue(25); }, 0x0052, 125, c.UdTimePRedUp},
      {[&] { c.RgNetzSetup.setItemIndex(2); }, 0x0040, 4, c.RgNetzSetup},
      {[&] { c.RgVersion.setItemIndex(1); }, 0x003E, 2, c.RgVersion},
      {[&] { c.RgLeistungsklasse.setItemIndex(0); }, 0x0060, 6, c.RgLeistungsklasse},
      {[&] { c.CbSommerzeitkorrektur.setChecked(true); }, 0x005A, 1, c.CbSommerzeitkorrektur},
      {[&] { c.UdUAcVorStart.setValue(165); }, 0x0036, 1650, c.UdUAcVorStart},
      {[&] { c.UdHardwareversion.setValue(25); }, 0x001E, 25, c.UdHardwareversion},
      {[&] { c.DateTimePicker_Mo1.setSeconds(Time(20, 15)); }, 0x0020, 0x140F,
       c.DateTimePicker_Mo1},
  };
  for (const Case& k : cases) {
    k.edit();
    EXPECT_EQ(written(k.address), k.word) << k.marked.name();
    EXPECT_EQ(ColorOf(k.marked), colors::kChanged) << k.marked.name();
  }
  EXPECT_EQ(written(0x005C), 17096);
  EXPECT_EQ(written(0x0110), 0x5256);
  EXPECT_EQ(written(0x0112), 0x354B);
  EXPECT_EQ(written(0x0114), 0x3030);
  EXPECT_EQ(written(0x0116), 0x2020);
  EXPECT_EQ(written(0x0100), '6' | '0' << 8);
}

TEST_F(CheckValuesTest, NominalVoltageFactorOverTheRange) {
  for (const auto& [volts, factor] : {std::pair{230, 16384}, {210, 14959}, {250, 17809}}) {
    c.UdUAcNenn.setValue(volts);
    EXPECT_EQ(written(0x005C), factor) << volts;
  }
}

TEST_F(CheckValuesTest, PercentagesAreMarkedByTheirOwnByte) {
  c.UdWt2.setValue(40);
  EXPECT_EQ(written(0x0030), 40 << 8);
  EXPECT_EQ(c.UdWt2.color(), colors::kChanged);
  EXPECT_EQ(c.UdWt1.color(), colors::kWindow);
  c.UdWt2.setValue(0);
  EXPECT_EQ(c.UdWt2.color(), colors::kWindow);
}

TEST_F(CheckValuesTest, UndoingAnEditReturnsTheFieldToNormal) {
  const int before = c.UdUAcStart.value();
  c.UdUAcStart.stepUp();
  EXPECT_EQ(c.UdUAcStart.color(), colors::kChanged);
  c.UdUAcStart.setValue(before);
  EXPECT_EQ(c.UdUAcStart.color(), colors::kWindow);
  c.RgVersion.setItemIndex(1);
  c.RgVersion.setItemIndex(0);
  EXPECT_EQ(c.RgVersion.color(), colors::kPanel);
}

TEST_F(CheckValuesTest, OutOfOrderDeviceTimesTurnRedOnlyWithTheNextChange) {
  form.GoOffline();
  form.sio_active = true;
  completeRead({{0x0020, 0x1400}, {0x0022, 0x1600}, {0x0024, 0x1500}, {0x0026, 0x0600}});
  EXPECT_NE(c.DateTimePicker_Mo3.color(), colors::kInvalid);
  for (std::size_t i = 0; i < 168; ++i) ASSERT_EQ(form.EepWData[i].Value, form.EepRData[i].Value);
  c.UdWt1.stepUp();
  EXPECT_EQ(c.DateTimePicker_Mo3.color(), colors::kInvalid);
  EXPECT_FALSE(writable());
}

TEST_F(CheckValuesTest, AFieldWithoutATimeOfDayIsRedUntilATimeIsSet) {
  form.GoOffline();
  form.sio_active = true;
  completeRead({{0x0020, 0x1400}, {0x0022, 0x1900}, {0x0024, 0x0500}, {0x0026, 0x0600}});
  form.CheckValues(form);
  EXPECT_EQ(c.DateTimePicker_Mo2.color(), colors::kInvalid);
  EXPECT_EQ(written(0x0022), 0x1900);
  EXPECT_FALSE(writable());
  c.DateTimePicker_Mo2.setSeconds(Time(22, 0));
  EXPECT_EQ(c.DateTimePicker_Mo2.color(), colors::kChanged);
  EXPECT_TRUE(writable());
}

}  // namespace
}  // namespace q6
