#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/shell/platform_services.h"
#include "support/temp_dir.h"

namespace q6::test {

// Folders inside a temporary directory, a 96 ppi screen, and dialogs that only record.
class FakePlatform : public ShellFolders,
                     public ScreenMetrics,
                     public Dialogs,
                     public WallClock,
                     public UserLocale {
 public:
  FakePlatform()
      : documents((dir.path() / "docs").string()),
        commonAppData((dir.path() / "appdata").string()) {}

  std::string GetShellFolder(int csidl) const override {
    if (csidl == kCsidlPersonal) return documents;
    if (csidl == kCsidlCommonAppData) return commonAppData;
    return {};
  }
  int windowPixelsPerInch() const override { return ppi; }
  int screenPixelsPerInch() const override { return ppi; }
  PixelSize workArea() const override { return {1920, 1040}; }
  PixelSize controlSize(const std::string& name) const override {
    const auto it = sizes.find(name);
    return it == sizes.end() ? PixelSize{} : it->second;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowModal(Form& window) override { modalWindows.push_back(window.name()); }

  LocalDateTime now() const override { return clockNow; }
  char decimalSeparator() const override { return decimal; }

  PlatformServices services() { return {*this, *this, *this, *this, *this}; }

  TempDir dir;
  std::string documents;
  std::string commonAppData;
  int ppi = 96;
  std::map<std::string, PixelSize> sizes;
  std::vector<std::string> messages;
  std::vector<std::string> modalWindows;
  LocalDateTime clockNow{2025, 1, 1, 12, 0, 0};
  char decimal = ',';
};

}  // namespace q6::test
