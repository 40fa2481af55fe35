#include <gtest/gtest.h>

#include <functional>

#include "core/language/caption_rows.h"
#include "core/language/text_table.h"
#include "core/shell/application.h"
#include "support/fake_platform.h"

namespace q6 {
namespace {

class LanguagesTest : public ::testing::Test {
 protected:
  LanguagesTest() : services(platform.services()), app(services), form(app.form1()) {}

  test::FakePlatform platform;
  PlatformServices services;
  Application app;
  TForm1& form;
};

TEST_F(LanguagesTest, MenuClickChecksOneItemSetsTheCodeAndRecaptions) {
  struct Case {
    std::function<void(TForm1&)> click;
    const char* item;
    const char* code;
    const char* title;
  };
  for (const auto& [click, item, code, title] : {
           Case{[](TForm1& f) { f.english1Click(); }, "english1", "eng",
                "Tessaro GmbH - quenDARIS - visualisation VRKA 6.1"},
           Case{[](TForm1& f) { f.german1Click(); }, "german1", "ger",
                "Tessaro GmbH - quenDARIS - Visualisierung VRKA 6.1"},
           Case{[](TForm1& f) { f.Schwe1Click(); }, "Schwe1", "schw", nullptr},
           Case{[](TForm1& f) { f.Franzsich1Click(); }, "Franzsich1", "franz", nullptr},
           Case{[](TForm1& f) { f.tuerk1Click(); }, "tuerk1", "tuerk", nullptr},
       }) {
    click(form);
    EXPECT_EQ(form.LanguageCode, code);
    int checked = 0;
    for (MenuItem* m : {&form.frame.german1, &form.frame.english1, &form.frame.Schwe1,
                        &form.frame.Franzsich1, &form.frame.tuerk1})
      checked += m->checked();
    EXPECT_EQ(checked, 1) << code;
    EXPECT_TRUE(form.findAs<MenuItem>(item)->checked()) << code;
    EXPECT_EQ(form.caption(), form.GetInfoString(0)) << code;
    if (title) {
      EXPECT_EQ(form.caption(), title);
    }
  }
}

TEST_F(LanguagesTest, EveryCaptionRowNamesAnExistingControl) {
  for (const auto& [row, window, name] : CaptionRows()) {
    const Form& target =
        window == LanguageWindow::Main ? static_cast<const Form&>(form) : app.infofenst();
    EXPECT_TRUE(name == target.name() || target.findAs<CaptionedControl>(name))
        << "row " << row << " names " << name;
  }
}

TEST_F(LanguagesTest, EnglishReachesMenusTabsMessagesAndTheInformationWindow) {
  form.english1Click();
  EXPECT_EQ(form.frame.about1.caption(), "about VRK");
  EXPECT_EQ(form.frame.TSFehlerspeicher.caption(), "fault memory ");
  EXPECT_EQ(form.comm.uC_read_bt.caption(), "data read");
  EXPECT_EQ(form.comm.BtComActivate.caption(), "com activate");
  EXPECT_EQ(form.Msg.StartCommunication, "Please, first start communication!");
  EXPECT_EQ(form.Msg.UzMaxError, "DC-Link overvoltage fault");
  EXPECT_EQ(app.infofenst().caption(), "information");
  EXPECT_EQ(app.infofenst().Label7.caption(), "sw-version:");
}

TEST_F(LanguagesTest, SwitchButtonFollowsTheConnectionState) {
  form.sio_started = true;
  form.german1Click();
  EXPECT_EQ(form.comm.BtComActivate.caption(), "COM stoppen");
  form.sio_started = false;
  form.english1Click();
  EXPECT_EQ(form.comm.BtComActivate.caption(), "com activate");
}

TEST_F(LanguagesTest, StoredFrenchCodeChecksTheHiddenItemAndShowsMissingRows) {
  form.LanguageCode = "franz";
  EXPECT_TRUE(form.SelectStartupLanguage());
  EXPECT_TRUE(form.frame.Franzsich1.checked());
  EXPECT_FALSE(form.frame.Franzsich1.visible());
  EXPECT_EQ(form.frame.Fehlerdateispeichern1.caption(), "-178-");
  EXPECT_EQ(form.frame.MpDimmProfilLaden.caption(), "-221-");
}

TEST_F(LanguagesTest, UnknownCodeChecksNothingAndAnswersInGerman) {
  form.LanguageCode = "xx";
  EXPECT_TRUE(form.SelectStartupLanguage()) << "no chooser for an unknown code";
  for (MenuItem* m : {&form.frame.german1, &form.frame.english1, &form.frame.Schwe1,
                      &form.frame.Franzsich1, &form.frame.tuerk1})
    EXPECT_FALSE(m->checked()) << m->name();
  EXPECT_EQ(form.frame.about1.caption(), "Über VRKA3000") << "design text stays";
  EXPECT_EQ(form.GetInfoString(66), " Bitte Passwort eingeben!");
  EXPECT_EQ(form.GetInfoString(198), "OFFLINE");
}

TEST_F(LanguagesTest, EmptyAndMissingRows) {
  for (const std::function<void(TForm1&)>& click :
       {std::function<void(TForm1&)>([](TForm1& f) { f.english1Click(); }),
        std::function<void(TForm1&)>([](TForm1& f) { f.german1Click(); })}) {
    click(form);
    EXPECT_EQ(form.GetInfoString(161), "");
    EXPECT_EQ(form.GetInfoString(240), "-240-");
  }
  EXPECT_EQ(form.GetInfoString(-1), "");
  EXPECT_EQ(form.GetInfoString(kTextRows), "");
}

TEST_F(LanguagesTest, ChooserPicksGermanForAnythingButEnglish) {
  app.langForm().setVisible(true);
  app.langForm().ComboBox1.pick(0);
  EXPECT_TRUE(form.frame.german1.checked());
  EXPECT_EQ(form.LanguageCode, "ger");
  EXPECT_FALSE(app.langForm().visible());
}

}  // namespace
}  // namespace q6
