#pragma once

#include "core/shell/platform_services.h"

namespace q6::windows {

// Shell folders through the known-folder API: the user's Documents and the machine-wide
// ProgramData folder, as UTF-8 paths.
class KnownFolders final : public ShellFolders {
 public:
  std::string GetShellFolder(int csidl) const override;
};

}  // namespace q6::windows
