#include "platform/windows/known_folders.h"

#include <windows.h>
// After windows.h, which the shell headers need.
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/windows/wide_text.h"

namespace q6::windows {

std::string KnownFolders::GetShellFolder(int csidl) const {
  const KNOWNFOLDERID* id = nullptr;
  if (csidl == kCsidlPersonal)
    id = &FOLDERID_Documents;
  else if (csidl == kCsidlCommonAppData)
    id = &FOLDERID_ProgramData;
  else
    return {};
  PWSTR path = nullptr;
  std::string folder;
  if (SUCCEEDED(SHGetKnownFolderPath(*id, KF_FLAG_DEFAULT, nullptr, &path))) folder = Narrow(path);
  // The shell allocates the text even when the call fails.
  CoTaskMemFree(path);
  return folder;
}

}  // namespace q6::windows
