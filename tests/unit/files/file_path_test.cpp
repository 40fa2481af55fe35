#include "core/files/file_path.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/files/atomic_file.h"
#include "support/temp_dir.h"

namespace q6 {
namespace {

// A name that the ANSI code pages of Windows cannot all spell.
constexpr char kName[] =
    "Gr\xc3\xbc\xc3\x9f"
    "e \xe2\x82\xac \xce\xa9.ini";

TEST(FilePath, NamesBeyondAsciiReachTheDiskAsWritten) {
  test::TempDir dir;
  const std::string file = FileText(dir.path()) + "/" + kName;
  ASSERT_FALSE(WriteFileAtomically(FilePath(file), "first"));
  ASSERT_FALSE(WriteFileAtomically(FilePath(file), "second")) << "replaces the file";
  {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> appended(OpenFile(FilePath(file), "ab"),
                                                                   &std::fclose);
    ASSERT_TRUE(appended);
    std::fputs("+", appended.get());
  }
  const auto entries = std::filesystem::directory_iterator(dir.path());
  ASSERT_NE(entries, std::filesystem::directory_iterator());
  EXPECT_EQ(FileText(entries->path().filename()), kName);
  EXPECT_EQ(ReadWholeFile(FilePath(file)), "second+");
}

TEST(FilePath, FailuresNameTheFileInUtf8) {
  test::TempDir dir;
  const auto failure =
      WriteFileAtomically(FilePath(FileText(dir.path()) + "/missing/" + kName), "x");
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->find(kName), std::string::npos) << *failure;
}

}  // namespace
}  // namespace q6
