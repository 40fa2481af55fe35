#include "platform/windows/known_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/windows/wide_text.h"

namespace q6::windows {
namespace {

TEST(KnownFolders, DocumentsAndProgramDataAreTwoExistingFolders) {
  const KnownFolders folders;
  const std::string documents = folders.GetShellFolder(kCsidlPersonal);
  const std::string programData = folders.GetShellFolder(kCsidlCommonAppData);
  for (const std::string& folder : {documents, programData}) {
    const std::filesystem::path path(Widen(folder));
    EXPECT_TRUE(path.is_absolute()) << folder;
    EXPECT_TRUE(std::filesystem::is_directory(path)) << folder;
  }
  EXPECT_NE(documents, programData);
}

TEST(KnownFolders, OtherIdentifiersResolveToNothing) {
  EXPECT_EQ(KnownFolders().GetShellFolder(0x1a), "");
}

}  // namespace
}  // namespace q6::windows
