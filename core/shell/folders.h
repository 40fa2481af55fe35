#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/shell/platform_services.h"

namespace q6 {

#ifdef _WIN32
inline constexpr std::string_view kDirSeparator = "\\";
#else
inline constexpr std::string_view kDirSeparator = "/";
#endif

struct Folders {
  std::string PathMyDocs;
  std::string PathSetup;
  std::string PathConfig;
  std::string PathDeviceSettings;
};

// Joins the parts with the platform's separator, each part preceded by it.
std::string JoinFolder(std::string_view base, std::initializer_list<std::string_view> parts);

Folders BuildFolders(const ShellFolders& shell);
std::string DefaultDatalogPath(std::string_view pathMyDocs);
std::string SettingsFilePath(std::string_view pathSetup);

}  // namespace q6
