#include "core/files/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/files/atomic_file.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace q6 {
namespace {

constexpr const char* kSample =
    "; settings\r\n"
    "[Option]\r\n"
    "Com = COM3 \r\n"
    "com=COM9\r\n"
    "Language=eng\r\n"
    "\r\n"
    "[Other]\r\n"
    "Keep=me\r\n";

TEST(IniFile, LooksUpWithoutRegardToCaseFirstMatchTrimmed) {
  const auto ini = IniFile::parse(kSample);
  struct Case {
    const char* section;
    const char* key;
    std::optional<std::string> expected;
  };
  for (const auto& [section, key, expected] : {
           Case{"Option", "Com", "COM3"},
           Case{"OPTION", "COM", "COM3"},
           Case{"option", "language", "eng"},
           Case{"Other", "keep", "me"},
           Case{"Option", "Keep", std::nullopt},
           Case{"Missing", "Com", std::nullopt},
       }) {
    EXPECT_EQ(ini.read(section, key), expected) << section << "/" << key;
  }
  EXPECT_EQ(ini.readString("Option", "Datalogpath", "fallback"), "fallback");
}

TEST(IniFile, WriteReplacesInPlaceAppendsToSectionOrAddsSection) {
  auto ini = IniFile::parse(kSample);
  ini.write("option", "COM", "COM4");
  ini.write("Option", "Datalogpath", "/x/datalog.txt");
  ini.write("New", "Key", "v");
  EXPECT_EQ(ini.text(),
            "; settings\r\n"
            "[Option]\r\n"
            "COM=COM4\r\n"
            "com=COM9\r\n"
            "Language=eng\r\n"
            "Datalogpath=/x/datalog.txt\r\n"
            "\r\n"
            "[Other]\r\n"
            "Keep=me\r\n"
            "\r\n"
            "[New]\r\n"
            "Key=v\r\n");
}

TEST(IniFile, KeepsTheLineEndingsItFound) {
  auto ini = IniFile::parse("[A]\nk=1\n");
  ini.write("A", "k", "2");
  EXPECT_EQ(ini.text(), "[A]\nk=2\n");
}

TEST(IniFile, ReadsWindows1252AndUtf8WithBom) {
  test::TempDir dir;
  const auto cp1252 = dir.path() / "cp1252.ini";
  const auto bom = dir.path() / "bom.ini";
  std::ofstream(cp1252, std::ios::binary) << "[Profil]\r\nNachz\xFCndspannung:=240\r\n";
  std::ofstream(bom, std::ios::binary)
      << "\xEF\xBB\xBF[Profil]\r\nNachz\xC3\xBCndspannung:=240\r\n";
  for (const auto& path : {cp1252, bom}) {
    const auto loaded = LoadIniFile(path);
    EXPECT_TRUE(loaded.exists);
    EXPECT_EQ(loaded.ini.read("Profil", "Nachzündspannung:"), "240") << path;
  }
}

TEST(IniFile, MissingFileIsEmptyAndNoError) {
  test::TempDir dir;
  const auto loaded = LoadIniFile(dir.path() / "none.ini");
  EXPECT_FALSE(loaded.exists);
  EXPECT_TRUE(loaded.error.empty());
  EXPECT_EQ(loaded.ini.text(), "");
}

using test::FileSizeLimit;

TEST(AtomicSave, FailedWriteLeavesTheOldFileIntactAndNoTemporary) {
  if (!FileSizeLimit::available()) GTEST_SKIP() << "no file-size limit on this system";
  test::TempDir dir;
  const auto path = dir.path() / "quendaris6.ini";
  auto ini = IniFile::parse("[Option]\r\nCom=COM2\r\n");
  ASSERT_FALSE(SaveIniFile(path, ini));
  const auto before = ReadWholeFile(path);

  ini.write("Option", "Datalogpath", std::string(4096, 'x'));
  std::optional<std::string> failure;
  {
    FileSizeLimit limit(1024);
    failure = SaveIniFile(path, ini);
  }
  ASSERT_TRUE(failure.has_value());
  EXPECT_NE(failure->find("quendaris6.ini"), std::string::npos) << *failure;
  EXPECT_EQ(ReadWholeFile(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "no temporary file is left behind";
}

TEST(AtomicSave, MissingFolderIsReportedNotCreated) {
  test::TempDir dir;
  const auto failure = WriteFileAtomically(dir.path() / "no" / "such.ini", "x");
  ASSERT_TRUE(failure.has_value());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "no"));
}

}  // namespace
}  // namespace q6
