#include "core/shell/folders.h"

namespace q6 {
namespace {
constexpr std::string_view kMaker = "Tessaro GmbH";
constexpr std::string_view kProduct = "quenDARIS 6.1";
}  // namespace

std::string JoinFolder(std::string_view base, std::initializer_list<std::string_view> parts) {
  std::string path(base);
  for (const auto part : parts) {
    path += kDirSeparator;
    path += part;
  }
  return path;
}

Folders BuildFolders(const ShellFolders& shell) {
  Folders folders;
  folders.PathMyDocs = shell.GetShellFolder(kCsidlPersonal);
  folders.PathSetup = JoinFolder(shell.GetShellFolder(kCsidlCommonAppData), {kMaker, kProduct});
  folders.PathConfig = JoinFolder(folders.PathMyDocs, {kMaker, kProduct});
  folders.PathDeviceSettings =
      JoinFolder(folders.PathMyDocs, {kMaker, kProduct, "VRK_Einstellungen"}) +
      std::string(kDirSeparator);
  return folders;
}

std::string DefaultDatalogPath(std::string_view pathMyDocs) {
  return JoinFolder(pathMyDocs, {kMaker, kProduct, "datalog.txt"});
}

std::string SettingsFilePath(std::string_view pathSetup) {
  return JoinFolder(pathSetup, {"quendaris6.ini"});
}

}  // namespace q6
