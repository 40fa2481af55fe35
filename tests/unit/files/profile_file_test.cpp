#include <gtest/gtest.h>

#include "settings_file_fixture.h"

namespace q6 {
namespace {

class ProfileFileTest : public test::SettingsFileTest {
 protected:
  // Every field of the tab away from the file defaults, so a default shows as a change.
  void moveAwayFromDefaults() {
    for (TimeField* time : c.times()) time->setSeconds(Time(12, 34));
    for (SpinField* spin : {&c.UdWt1, &c.UdWt2, &c.UdWt3, &c.UdWe1, &c.UdWe2, &c.UdWe3})
      spin->setValue(50);
    c.UdEinbrennzeit.setValue(5);
    c.UdTimePRedUp.setValue(100);
    c.UdTimePRedDown.setValue(100);
  }
  std::vector<int> fields() const {
    std::vector<int> values;
    for (TimeField* time : c.times()) values.push_back(time->seconds());
    for (const SpinField* spin : {&c.UdWt1, &c.UdWt2, &c.UdWt3, &c.UdWe1, &c.UdWe2, &c.UdWe3,
                                  &c.UdEinbrennzeit, &c.UdTimePRedUp, &c.UdTimePRedDown})
      values.push_back(spin->value());
    return values;
  }
};

TEST_F(ProfileFileTest, MissingKeysTakeTheDefaultsOfTheFileNotOfTheFields) {
  moveAwayFromDefaults();
  const auto name = file("only.ini", "[Options]\nwt_p_red2:=40\n");
  ASSERT_TRUE(form.LoadDimmProfile(name));
  // The Friday/Saturday times default like the Sunday-to-Thursday ones.
  const std::vector<int> expected = {Time(20, 0), Time(22, 0), Time(5, 0), Time(6, 0), Time(20, 0),
                                     Time(22, 0), Time(5, 0),  Time(6, 0), 30,         40,
                                     30,          30,          67,         30,         10,
                                     600,         600};
  EXPECT_EQ(fields(), expected);
  EXPECT_EQ(filePanel(), "File: " + name);
}

TEST_F(ProfileFileTest, AMissingFileLoadsEveryDefault) {
  moveAwayFromDefaults();
  ASSERT_TRUE(form.LoadDimmProfile(path("none.ini")));
  EXPECT_EQ(c.UdWt2.value(), 67);
  EXPECT_EQ(c.DateTimePicker_Sa_End.seconds(), Time(6, 0));
  EXPECT_EQ(filePanel(), "File: " + path("none.ini"));
}

TEST_F(ProfileFileTest, ValuesPassThroughTheirFieldsLimits) {
  struct Case {
    const char* line;
    const SpinField& field;
    int level;
    int expected;
  };
  for (const auto& [line, field, level, expected] : {
           Case{"WT_P_Red1:=80", c.UdWt1, 0, 67},
           Case{"TimePRedUp:=3", c.UdTimePRedUp, 0, 25},
           Case{"TimePRedUp:=3", c.UdTimePRedUp, 2, 5},
           Case{"Einbrennzeit:=20", c.UdEinbrennzeit, 0, 15},
           Case{"Einbrennzeit:=zwanzig", c.UdEinbrennzeit, 0, 10},
       }) {
    form.ApplyPasswordLevel(level);
    ASSERT_TRUE(form.LoadDimmProfile(file("p.ini", std::string("[Options]\n") + line + "\n")));
    EXPECT_EQ(field.value(), expected) << line << " at level " << level;
  }
}

TEST_F(ProfileFileTest, TimesNeedHourAndMinuteAndKeepSecondsOutOfTheWord) {
  completeRead({});
  ASSERT_TRUE(
      form.LoadDimmProfile(file("p.ini", "[Options]\nWT_Time1:=20:00\nWT_Time2:=20:00:30\n")));
  EXPECT_EQ(c.DateTimePicker_Mo1.seconds(), Time(20, 0));
  EXPECT_EQ(c.DateTimePicker_Mo2.seconds(), Time(20, 0) + 30);
  EXPECT_EQ(written(0x0022), 0x1400);
}

TEST_F(ProfileFileTest, ABadTimeStopsTheLoadAtItsKey) {
  moveAwayFromDefaults();
  form.frame.SbInfo.setPanelText(1, "File: before");
  platform.openAnswers = {
      file("bad.ini", "[Options]\nWT_Time1:=21:00\nWT_Time2:=abc\nWT_P_Red1:=10\n")};
  form.frame.MpDimmProfilLaden.click();

  EXPECT_EQ(c.DateTimePicker_Mo1.seconds(), Time(21, 0));
  EXPECT_EQ(c.DateTimePicker_Mo3.seconds(), Time(12, 34));
  EXPECT_EQ(c.UdWt1.value(), 50);
  EXPECT_EQ(filePanel(), "File: before");
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_NE(platform.messages[0].find("'abc'"), std::string::npos);
  EXPECT_NE(platform.messages[0].find("WT_Time2:"), std::string::npos);
}

TEST_F(ProfileFileTest, TheFinalValidationMarksAnOutOfOrderPairOnItsLaterTime) {
  completeRead({{0x0020, 0x1400}, {0x0022, 0x1600}, {0x0024, 0x0500}, {0x0026, 0x0600}});
  platform.openAnswers = {file("order.ini", "[Options]\nWT_Time1:=23:00\nWT_Time2:=22:00\n")};
  form.frame.MpDimmProfilLaden.click();
  EXPECT_EQ(c.DateTimePicker_Mo2.color(), colors::kInvalid);
  EXPECT_NE(c.DateTimePicker_Mo1.color(), colors::kInvalid);
}

TEST_F(ProfileFileTest, SavesTheShownValuesAndLoadsThemBack) {
  moveAwayFromDefaults();
  c.DateTimePicker_Sa3.setSeconds(Time(7, 15) + 45);
  const std::vector<int> saved = fields();
  platform.saveAnswers = {path("Nacht")};
  form.frame.MpDimmProfilSpeichern.click();
  const std::string text = bytesOf(path("Nacht.ini"));
  EXPECT_NE(text.find("WT_Time1:=12:34:00\r\n"), std::string::npos);
  EXPECT_NE(text.find("TimePRedUp:=100\r\n"), std::string::npos);

  form.LoadDimmProfile(file("other.ini", "[Options]\n"));
  ASSERT_NE(fields(), saved);
  ASSERT_TRUE(form.LoadDimmProfile(path("Nacht.ini")));
  EXPECT_EQ(fields(), saved);
}

TEST_F(ProfileFileTest, TheDateOfSavingLeavesOutAMidnightTime) {
  for (const auto& [moment, expected] : {
           std::pair{LocalDateTime{2025, 3, 9, 0, 0, 0}, "Datum:=09.03.2025\r\n"},
           std::pair{LocalDateTime{2025, 3, 9, 0, 0, 1}, "Datum:=09.03.2025 00:00:01\r\n"},
       }) {
    platform.clockNow = moment;
    form.SaveDimmProfile(path("d.ini"));
    EXPECT_NE(bytesOf(path("d.ini")).find(expected), std::string::npos) << expected;
  }
}

TEST_F(ProfileFileTest, SavingIntoAProductDataFileKeepsItsSettings) {
  const auto name = file("typ.prd",
                         "[Options]\nDatum:=01.01.2020\nextra=1\nwt_time1:=01:00:00\n"
                         "[Settings]\nNennspannung:=220\n");
  form.SaveDimmProfile(name);
  const std::string text = bytesOf(name);
  EXPECT_EQ(text.find("wt_time1"), std::string::npos);
  EXPECT_LT(text.find("extra=1\r\nWT_Time1:=20:00:00\r\n"), text.find("[Settings]"));
  EXPECT_NE(text.find("[Settings]\r\nNennspannung:=220\r\n"), std::string::npos);
}

}  // namespace
}  // namespace q6
