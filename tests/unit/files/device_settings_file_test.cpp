#include <gtest/gtest.h>

#include "settings_file_fixture.h"

namespace q6 {
namespace {

class DeviceSettingsFileTest : public test::SettingsFileTest {
 protected:
  std::string settings(const std::string& lines) { return file("d.cfg", "[Settings]\n" + lines); }
  std::vector<int> changeover() const {
    return {c.UdUmschaltspannung.value(), c.UdEwUacRampeWechselUp.value(),
            c.UdEwUacRampeWechselDown.value(), c.UdEwFreqRampeWechselUp.value(),
            c.UdEwFreqRampeWechselDown.value()};
  }
};

TEST_F(DeviceSettingsFileTest, OnlyTheSectionHeaderLoadsTheDefaults) {
  for (SpinField* spin : {&c.UdUAcVorStart, &c.UdTimeVorStartrampe, &c.UdTimeStartrampe,
                          &c.UdUAcStart, &c.UdDauerStartspannung, &c.UdUAcNenn, &c.UdUacNachzuend,
                          &c.UdTimeNachzuend, &c.UdEinbrennFrequenz})
    spin->setValue(spin->min());
  c.RgNetzSetup.setItemIndex(2);
  c.UdUmschaltfrequenz.setValue(60);
  c.CbSommerzeitkorrektur.setChecked(false);

  ASSERT_TRUE(form.LoadDeviceSettings(settings("")));
  const std::vector<int> expected = {180, 5, 10, 230, 10, 230, 240, 2, 50, 0, 70, 1};
  EXPECT_EQ((std::vector<int>{c.UdUAcVorStart.value(), c.UdTimeVorStartrampe.value(),
                              c.UdTimeStartrampe.value(), c.UdUAcStart.value(),
                              c.UdDauerStartspannung.value(), c.UdUAcNenn.value(),
                              c.UdUacNachzuend.value(), c.UdTimeNachzuend.value(),
                              c.UdEinbrennFrequenz.value(), c.RgNetzSetup.itemIndex(),
                              c.UdUmschaltfrequenz.value(), c.CbSommerzeitkorrektur.checked()}),
            expected);
  EXPECT_EQ(filePanel(), "File: " + path("d.cfg"));
}

TEST_F(DeviceSettingsFileTest, TheChangeoverFrequencyCouplesOnlyWithTheValueOfTheFile) {
  struct Case {
    int shown;
    const char* line;
    int frequency;
    std::vector<int> coupled;  // empty: left alone
  };
  for (const auto& [shown, line, frequency, coupled] : {
           Case{70, "Umschaltfrequenz:=60", 60, {208, 91, 91, 61, 61}},
           Case{70, "Umschaltfrequenz:=70", 70, {}},
           Case{70, "Umschaltfrequenz:=80", 75, {}},
       }) {
    c.UdUmschaltfrequenz.setValue(shown);
    c.UdUmschaltspannung.setValue(190);
    for (SpinField* ramp : {&c.UdEwUacRampeWechselUp, &c.UdEwUacRampeWechselDown,
                            &c.UdEwFreqRampeWechselUp, &c.UdEwFreqRampeWechselDown})
      ramp->setValue(20);
    const auto before = changeover();
    ASSERT_TRUE(form.LoadDeviceSettings(settings(std::string(line) + "\n")));
    EXPECT_EQ(c.UdUmschaltfrequenz.value(), frequency) << line;
    EXPECT_EQ(changeover(), coupled.empty() ? before : coupled) << line;
  }
}

TEST_F(DeviceSettingsFileTest, FlagsAndItemsReadAsIntegers) {
  struct Case {
    const char* line;
    bool summerTime;
    int mode;
  };
  for (const auto& [line, summerTime, mode] : {
           Case{"Sommerzeitkorrektur:=2", true, 0},
           Case{"Sommerzeitkorrektur:=0", false, 0},
           Case{"Sommerzeitkorrektur:=ja", true, 0},
           Case{"Versorgungsnetz:=1", true, 1},
           Case{"Versorgungsnetz:=7", true, 2},
           Case{"Versorgungsnetz:=-1", true, 0},
       }) {
    c.RgNetzSetup.setItemIndex(1);
    ASSERT_TRUE(form.LoadDeviceSettings(settings(std::string(line) + "\n")));
    EXPECT_EQ(c.CbSommerzeitkorrektur.checked(), summerTime) << line;
    EXPECT_EQ(c.RgNetzSetup.itemIndex(), mode) << line;
  }
}

TEST_F(DeviceSettingsFileTest, SelectingTheModeRunsTheOperatingModeRule) {
  c.RgNetzSetup.setItemIndex(0);
  ASSERT_TRUE(form.LoadDeviceSettings(settings("Versorgungsnetz:=1\n")));
  EXPECT_TRUE(c.UdUmschaltfrequenz.enabled());
  EXPECT_FALSE(c.UdEinbrennFrequenz.visible());
}

TEST_F(DeviceSettingsFileTest, WindowsEncodedKeysWithUmlautsLoad) {
  ASSERT_TRUE(
      form.LoadDeviceSettings(settings("Nachz\xFCndspannung:=250\nDauer Nachz\xFCnden:=3\n")));
  EXPECT_EQ(c.UdUacNachzuend.value(), 250);
  EXPECT_EQ(c.UdTimeNachzuend.value(), 3);
}

TEST_F(DeviceSettingsFileTest, SaveDialogAppendsCfgUnlessTheNameHasAnExtension) {
  for (const auto& [chosen, written] :
       {std::pair{"Anlage", "Anlage.cfg"}, std::pair{"Anlage.alt", "Anlage.alt"},
        std::pair{"Anlage.gdt", "Anlage.gdt"}}) {
    platform.saveAnswers = {path(chosen)};
    form.frame.MpGeraetedatenSpeichern.click();
    EXPECT_TRUE(std::filesystem::exists(path(written))) << chosen;
  }
  ASSERT_FALSE(platform.saveRequests.empty());
  const SaveFileRequest& request = platform.saveRequests.back();
  EXPECT_EQ(request.initialDir, form.PathDeviceSettings);
  EXPECT_EQ(request.filter, "(*.cfg)|*.cfg");
  EXPECT_EQ(request.fileName, "");
  EXPECT_EQ(request.defaultExt, "gdt");
}

TEST_F(DeviceSettingsFileTest, SavedSettingsLoadBack) {
  c.UdUAcVorStart.setValue(170);
  c.UdUacNachzuend.setValue(250);
  c.RgNetzSetup.setItemIndex(1);
  c.UdUmschaltfrequenz.setValue(65);
  c.CbSommerzeitkorrektur.setChecked(false);
  form.SaveDeviceSettings(path("s.cfg"));
  form.LoadDeviceSettings(settings(""));
  ASSERT_TRUE(form.LoadDeviceSettings(path("s.cfg")));
  EXPECT_EQ(c.UdUAcVorStart.value(), 170);
  EXPECT_EQ(c.UdUacNachzuend.value(), 250);
  EXPECT_EQ(c.RgNetzSetup.itemIndex(), 1);
  EXPECT_EQ(c.UdUmschaltfrequenz.value(), 65);
  EXPECT_FALSE(c.CbSommerzeitkorrektur.checked());
}

}  // namespace
}  // namespace q6
