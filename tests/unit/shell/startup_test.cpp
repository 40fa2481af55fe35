#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/files/atomic_file.h"
#include "core/files/file_path.h"
#include "core/files/ini_file.h"
#include "core/shell/application.h"
#include "core/shell/folders.h"
#include "core/shell/key_filter.h"
#include "core/shell/scaling.h"
#include "support/fake_platform.h"

namespace q6 {
namespace {

// `base` followed by the '/'-separated `parts`, with the system's separator.
std::string Under(const std::string& base, std::string parts) {
  std::replace(parts.begin(), parts.end(), '/', kDirSeparator.front());
  return base + std::string(kDirSeparator) + parts;
}

class StartupTest : public ::testing::Test {
 protected:
  std::string settingsPath() const {
    return Under(platform.commonAppData, "Tessaro GmbH/quenDARIS 6.1/quendaris6.ini");
  }
  void writeSettings(const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(settingsPath()).parent_path());
    std::ofstream(settingsPath(), std::ios::binary) << text;
  }
  std::string defaultLogPath() const {
    return Under(platform.documents, "Tessaro GmbH/quenDARIS 6.1/datalog.txt");
  }
  // One run of the program: start, then close.
  Application& start() {
    services = std::make_unique<PlatformServices>(platform.services());
    app = std::make_unique<Application>(*services);
    app->Start();
    return *app;
  }
  IniFile savedSettings() const { return LoadIniFile(settingsPath()).ini; }

  test::FakePlatform platform;
  std::unique_ptr<PlatformServices> services;
  std::unique_ptr<Application> app;
};

TEST_F(StartupTest, FirstStartWritesTheDefaultFileAndRunsInGerman) {
  auto& form = start().form1();
  const auto ini = savedSettings();
  EXPECT_EQ(ini.read("Option", "Com"), "COM1");
  EXPECT_EQ(ini.read("Option", "Language"), "ger");
  EXPECT_EQ(ini.read("Option", "Datalogpath"), defaultLogPath());
  EXPECT_TRUE(form.frame.german1.checked());
  EXPECT_FALSE(app->langForm().visible());
  EXPECT_EQ(form.comm.CbComPort.text(), "COM1");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartupTest, FoldersFollowTheFixedNames) {
  auto& form = start().form1();
  EXPECT_EQ(form.PathMyDocs, platform.documents);
  EXPECT_EQ(form.PathSetup, Under(platform.commonAppData, "Tessaro GmbH/quenDARIS 6.1"));
  EXPECT_EQ(form.PathConfig, Under(platform.documents, "Tessaro GmbH/quenDARIS 6.1"));
  EXPECT_EQ(form.PathDeviceSettings,
            Under(platform.documents, "Tessaro GmbH/quenDARIS 6.1/VRK_Einstellungen/"));
  EXPECT_TRUE(std::filesystem::is_directory(form.PathSetup));
  EXPECT_FALSE(std::filesystem::exists(form.PathConfig)) << "created only by the file dialogs";
}

TEST_F(StartupTest, FoldersBeyondAsciiKeepTheirNames) {
  const auto home = platform.dir.path() / u8"J\u00fcrgen \u20ac";
  platform.documents = platform.commonAppData = FileText(home);
  start();
  EXPECT_TRUE(
      std::filesystem::is_regular_file(home / "Tessaro GmbH" / "quenDARIS 6.1" / "quendaris6.ini"));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartupTest, OnlyComKeyShowsTheChooserAndTheDefaultLogPath) {
  writeSettings("[Option]\r\nCom=COM7\r\n");
  auto& form = start().form1();
  EXPECT_EQ(form.comm.CbComPort.text(), "COM7");
  EXPECT_EQ(form.LanguageCode, "none");
  EXPECT_TRUE(app->langForm().visible());
  EXPECT_EQ(form.PathDatalog, defaultLogPath());
}

TEST_F(StartupTest, NoneShowsTheChooserUntilALanguageIsChosen) {
  writeSettings("[Option]\r\nCom=COM1\r\nLanguage=none\r\n");
  start();
  EXPECT_TRUE(app->langForm().visible());
  app->langForm().setVisible(false);  // closed without a choice
  app->form1().FormCloseQuery();
  EXPECT_EQ(savedSettings().read("Option", "Language"), "none");

  start();
  ASSERT_TRUE(app->langForm().visible());
  app->langForm().ComboBox1.pick(1);
  EXPECT_FALSE(app->langForm().visible());
  EXPECT_TRUE(app->form1().frame.english1.checked());
  EXPECT_EQ(app->form1().caption(), "Tessaro GmbH - quenDARIS - visualisation VRKA 6.1");
  app->form1().FormCloseQuery();
  EXPECT_EQ(savedSettings().read("Option", "Language"), "eng");
}

TEST_F(StartupTest, ChosenPortIsRememberedWithoutCommunication) {
  start().form1().comm.CbComPort.setItemIndex(3);
  app->form1().FormCloseQuery();
  EXPECT_EQ(start().form1().comm.CbComPort.text(), "COM4");
}

TEST_F(StartupTest, SavingKeepsOtherSectionsAndKeys) {
  writeSettings("[Option]\r\nCom=COM2\r\nLanguage=ger\r\nExtra=1\r\n[Mine]\r\nA=b\r\n");
  start().form1().FormCloseQuery();
  const auto ini = savedSettings();
  EXPECT_EQ(ini.read("Option", "Extra"), "1");
  EXPECT_EQ(ini.read("Mine", "A"), "b");
  EXPECT_EQ(ini.read("Option", "Com"), "COM2");
}

TEST_F(StartupTest, SavedPortSelectsItsItem) {
  struct Case {
    const char* saved;
    const char* selected;
  };
  for (const auto& [saved, selected] :
       {Case{"COM12", "COM12"}, Case{"COM32", "COM32"}, Case{"COMx", "COM1"}, Case{"COM", "COM1"},
        Case{"COM33", "COM1"}, Case{"COM0", "COM1"}}) {
    writeSettings(std::string("[Option]\r\nLanguage=ger\r\nCom=") + saved + "\r\n");
    EXPECT_EQ(start().form1().comm.CbComPort.text(), selected) << saved;
  }
  writeSettings("[Option]\r\nCom=COM12\r\n");
  EXPECT_EQ(start().form1().comm.CbComPort.itemIndex(), 11);
}

TEST_F(StartupTest, UnwritableSettingsFolderIsReportedOnceAndTheProgramRuns) {
  // The settings folder's place is taken by a file, so neither the folder nor the file can be
  // made, whoever runs the test.
  std::filesystem::create_directories(platform.commonAppData);
  std::ofstream(platform.commonAppData + "/Tessaro GmbH") << "in the way";
  auto& form = start().form1();
  EXPECT_TRUE(form.frame.german1.checked()) << "runs with the defaults it could not write";
  EXPECT_FALSE(app->langForm().visible());
  form.FormCloseQuery();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("Tessaro GmbH"), std::string::npos);
}

TEST_F(StartupTest, FocusStartsOnTheCommunicationSwitch) {
  auto& form = start().form1();
  form.FormShow();
  EXPECT_EQ(form.focused(), "BtComActivate");
}

TEST_F(StartupTest, ClosingStopsThePollTimer) {
  auto& form = start().form1();
  form.frame.SPStimer.setEnabled(true);
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_FALSE(form.frame.SPStimer.enabled());
}

TEST(KeyFilter, OnlyDigitsCommaAndBackspaceReachAnEdit) {
  std::string field;
  for (const char32_t key : {U'1', U'2', U'a', U',', U'5', U'.', U'-', U'A'}) {
    if (FormKeyPress(key) == KeyAction::Pass) field += static_cast<char>(key);
  }
  EXPECT_EQ(field, "12,5");
  EXPECT_EQ(FormKeyPress(8), KeyAction::Pass);
  EXPECT_EQ(FormKeyPress(13), KeyAction::FocusNext);
  EXPECT_EQ(FormKeyPress(U'ü'), KeyAction::Discard);
}

TEST(Scaling, RoundsHalvesToTheEvenNeighbour) {
  struct Case {
    int value;
    int ppi;
    int expected;
  };
  for (const auto& [value, ppi, expected] :
       {Case{878, 120, 1098}, Case{587, 120, 734}, Case{878, 96, 878}, Case{587, 144, 880},
        Case{1, 144, 2}, Case{3, 144, 4}, Case{5, 144, 8}, Case{878, 72, 658}}) {
    EXPECT_EQ(ScaleToDensity(value, ppi), expected) << value << " at " << ppi;
  }
}

TEST_F(StartupTest, ScalingWritesItsDiagnosticsAndResizesTheWindow) {
  platform.ppi = 120;
  platform.sizes["Panel1"] = {878, 60};
  auto& form = start().form1();
  EXPECT_EQ(form.width(), 1098);
  EXPECT_EQ(form.height(), 734);
  EXPECT_EQ(form.frame.MemoTest.lines(),
            (std::vector<std::string>{"PixelperInch: 120", "FormWidth: 878", "FormHeigth: 587",
                                      "WorkHeigth: 1040", "WorkWidth: 1920",
                                      "ScreenPixelPerInch: 120", "Panel1 Size: 60 x 878",
                                      "FormWidthScale: 1098", "FormHeigthScale: 734"}));
}

}  // namespace
}  // namespace q6
