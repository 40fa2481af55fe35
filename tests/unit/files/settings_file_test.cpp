#include <gtest/gtest.h>

#include "core/files/ini_file.h"
#include "core/files/text_encoding.h"
#include "settings_file_fixture.h"
#include "support/file_size_limit.h"

namespace q6 {
namespace {

const std::filesystem::path kGolden =
    std::filesystem::path(__FILE__).parent_path() / "../../data/files/default_product_data.prd";

using SettingsFileTest = test::SettingsFileTest;

TEST(TextEncoding, Utf8ToWindows1252ReplacesWhatItCannotHold) {
  for (const auto& [utf8, cp1252] : {
           std::pair<std::string, std::string>{"Nachzündspannung:", "Nachz\xFCndspannung:"},
           {"€ – ™", "\x80 \x96 \x99"},
           {"Ж中😀", "???"},
           {"a\xFC"
            "b",
            "a?b"},
       }) {
    EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
    if (cp1252.find('?') == std::string::npos) {
      EXPECT_EQ(Cp1252ToUtf8(cp1252), utf8);
    }
  }
}

// The default window at a fixed moment, byte for byte as the Windows tool writes it.
TEST_F(SettingsFileTest, ADefaultProductDataFileMatchesTheWindowsText) {
  platform.clockNow = {2025, 6, 30, 14, 5, 9};
  form.SaveProductData(path("default.prd"));
  EXPECT_EQ(bytesOf(path("default.prd")), bytesOf(kGolden));
}

TEST_F(SettingsFileTest, AFailedSaveLeavesTheOldFileAndNamesIt) {
  if (!test::FileSizeLimit::available()) GTEST_SKIP() << "no file-size limit on this system";
  const auto name = file("keep.ini", "[Options]\nWT_P_Red1:=10\n");
  {
    const test::FileSizeLimit fullDisk(64);
    form.SaveDimmProfile(name);
  }
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_NE(platform.messages[0].find(name), std::string::npos);
  EXPECT_EQ(bytesOf(name), "[Options]\r\nWT_P_Red1:=10\r\n");
}

TEST_F(SettingsFileTest, OpenDialogsStartWhereTheirFilesLiveAndCancelDoesNothing) {
  struct Case {
    MenuItem& item;
    const std::string& folder;
    const char* filter;
    const char* defaultExt;
  };
  for (const auto& [item, folder, filter, defaultExt] : {
           Case{form.frame.MpDimmProfilLaden, form.PathConfig, "(*.ini)|*.ini", "ini"},
           Case{form.frame.MpGeraetedatenLaden, form.PathDeviceSettings, "(*.cfg)|*.cfg", "cfg"},
           Case{form.frame.Produktdatenladen1, form.PathConfig, "(*.prd)|*.PRD", "prd"},
       }) {
    const std::string panel = filePanel();
    item.click();
    ASSERT_FALSE(platform.openRequests.empty());
    const SaveFileRequest& request = platform.openRequests.back();
    EXPECT_EQ(request.initialDir, folder);
    EXPECT_EQ(request.filter, filter);
    EXPECT_EQ(request.fileName, "");
    EXPECT_EQ(request.defaultExt, defaultExt);
    EXPECT_EQ(filePanel(), panel);
  }
}

}  // namespace
}  // namespace q6
