#include <gtest/gtest.h>

#include "../device/device_fixture.h"
#include "core/service/access_levels.h"

namespace q6 {
namespace {

class AccessLevelTest : public test::DeviceTest {
 protected:
  void enter(std::optional<std::string> entry) {
    platform.passwordEntry = std::move(entry);
    form.frame.MenuePasswort1.click();
  }
  bool shown(const char* name) const { return form.find(name)->visible(); }
  // Every control of the level table as the level says.
  void expectLevel(int level) {
    EXPECT_EQ(form.PasswordLevel, level);
    for (const auto& [name, what, on] : LevelTable()) {
      // The operating mode has the last word on the changeover group.
      if (std::string_view(name) == "GbFreileitung") continue;
      const Control& control = *form.find(name);
      const bool state = what == LevelSwitch::Enabled ? control.enabled() : control.visible();
      EXPECT_EQ(state, on[static_cast<std::size_t>(level)]) << name << " at level " << level;
    }
    EXPECT_EQ(form.config.UdTimePRedUp.min(), level == 2 ? 5 : 25);
    EXPECT_EQ(form.config.UdTimePRedDown.min(), level == 2 ? 5 : 25);
  }
};

TEST_F(AccessLevelTest, EveryControlOfTheTableExists) {
  for (const auto& row : LevelTable()) EXPECT_NE(form.find(row.control), nullptr) << row.control;
}

TEST_F(AccessLevelTest, StartsAtLevelZeroOnTheDimmingProfile) {
  expectLevel(0);
  EXPECT_EQ(form.frame.PageControl1.activePage(), 0);
  EXPECT_FALSE(form.config.GbFreileitung.enabled());
}

TEST_F(AccessLevelTest, EachPasswordAppliesItsWholeColumn) {
  for (const auto& [password, level] :
       {std::pair{"Ulmen7361", 2}, {"pqtzrw5", 1}, {"fobe2473", 3}, {"Ulmen7361", 2}}) {
    enter(password);
    expectLevel(level);
  }
  enter("pqtzrw5");
  EXPECT_FALSE(shown("TsKalibrierung"));
  EXPECT_FALSE(shown("TsRam"));
  EXPECT_FALSE(shown("TsEeprom"));
  EXPECT_FALSE(shown("TsEntwicklung"));
  enter("fobe2473");
  EXPECT_TRUE(shown("TsExport"));
  EXPECT_FALSE(shown("EdUz"));
  EXPECT_FALSE(shown("EdIdc"));
}

TEST_F(AccessLevelTest, FiveSecondsOnlyAtLevelTwo) {
  enter("Ulmen7361");
  form.config.UdTimePRedUp.setValue(5);
  EXPECT_EQ(form.config.UdTimePRedUp.value(), 5);
  enter("fobe2473");
  EXPECT_EQ(form.config.UdTimePRedUp.value(), 25);
}

TEST_F(AccessLevelTest, WrongPasswordsAndCancelChangeNothing) {
  enter("Ulmen7361");
  for (const auto& entry : {std::optional<std::string>{"ulmen7361"},
                            {"Passwort"},
                            {""},
                            {"Ulmen7361 "},
                            std::optional<std::string>{}}) {
    enter(entry);
    expectLevel(2);
  }
  EXPECT_TRUE(platform.messages.empty());
  const auto& prompt = platform.passwordPrompts.back();
  EXPECT_EQ(prompt.caption, "Passwortabfrage");
  EXPECT_EQ(prompt.prompt, " Bitte Passwort eingeben!");
  EXPECT_EQ(prompt.defaultText, "Passwort");
}

TEST_F(AccessLevelTest, OverheadLineModeFreesTheChangeoverOnlyWhenTheLevelAllows) {
  form.config.RgNetzSetup.setItemIndex(1);
  EXPECT_FALSE(form.config.GbFreileitung.enabled());
  enter("pqtzrw5");
  EXPECT_TRUE(form.config.GbFreileitung.enabled());
  EXPECT_TRUE(form.config.UdUmschaltfrequenz.enabled());
  EXPECT_FALSE(form.config.UdUmschaltspannung.enabled());
  form.config.RgNetzSetup.setItemIndex(0);
  EXPECT_FALSE(form.config.GbFreileitung.enabled());
}

}  // namespace
}  // namespace q6
