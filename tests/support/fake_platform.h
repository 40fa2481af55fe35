#pragma once

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/shell/platform_services.h"
#include "support/link_doubles.h"
#include "support/temp_dir.h"

namespace q6::test {

// Folders inside a temporary directory, a 96 ppi screen, and dialogs that only record.
// A port where no device answers the opening, like a COM port without hardware.
class MissingPort final : public SerialPort {
 public:
  bool open(const std::string&) override { return false; }
  bool applyLineSettings(const LineSettings&) override { return false; }
  bool setQueueSizes(std::size_t, std::size_t) override { return false; }
  bool setTimeouts(const PortTimeouts&) override { return false; }
  bool purge() override { return false; }
  bool write(const std::uint8_t*, std::size_t) override { return false; }
  std::optional<std::size_t> read(std::uint8_t*, std::size_t) override { return std::nullopt; }
  void close() override {}
  int lastError() const override { return 2; }
};

class FakePlatform : public ShellFolders,
                     public ScreenMetrics,
                     public Dialogs,
                     public WallClock,
                     public UserLocale,
                     public SerialPortFactory {
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
  void ShowError(const std::string& text) override { errors.push_back(text); }
  // Answers with the scripted entry, or cancels when there is none.
  std::optional<std::string> InputPassword(const std::string& caption, const std::string& prompt,
                                           const std::string& defaultText) override {
    passwordPrompts.push_back({caption, prompt, defaultText});
    return passwordEntry;
  }
  // Scripted answers, taken in order; with none left the user cancels.
  std::optional<std::string> SaveFileName(const SaveFileRequest& request) override {
    saveRequests.push_back(request);
    return NextAnswer(saveAnswers, std::optional<std::string>{});
  }
  std::optional<std::string> OpenFileName(const SaveFileRequest& request) override {
    openRequests.push_back(request);
    return NextAnswer(openAnswers, std::optional<std::string>{});
  }
  bool Confirm(const std::string& text) override {
    confirmations.push_back(text);
    return NextAnswer(confirmAnswers, false);
  }

  LocalDateTime now() const override { return clockNow; }
  std::optional<ZoneOffsets> zoneOffsets() const override { return zone; }
  char decimalSeparator() const override { return decimal; }
  // Slashes and colons, as many regional settings have them.
  std::string dateTimeText(const LocalDateTime& t) const override {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", t.month, t.day, t.year,
                  t.hour, t.minute, t.second);
    return text;
  }

  std::unique_ptr<SerialPort> CreatePort() override {
    return makePort ? makePort() : std::make_unique<MissingPort>();
  }

  PlatformServices services() { return {*this, *this, *this, *this, *this, *this, executor}; }

  TempDir dir;
  std::string documents;
  std::string commonAppData;
  int ppi = 96;
  std::map<std::string, PixelSize> sizes;
  std::vector<std::string> messages;
  std::vector<std::string> modalWindows;
  std::vector<std::string> errors;
  struct PasswordPrompt {
    std::string caption;
    std::string prompt;
    std::string defaultText;
  };
  std::vector<PasswordPrompt> passwordPrompts;
  std::optional<std::string> passwordEntry;
  std::vector<SaveFileRequest> saveRequests;
  std::vector<std::optional<std::string>> saveAnswers;
  std::vector<SaveFileRequest> openRequests;
  std::vector<std::optional<std::string>> openAnswers;
  std::vector<std::string> confirmations;
  std::vector<bool> confirmAnswers;
  LocalDateTime clockNow{2025, 1, 1, 12, 0, 0};
  // Central European time: one hour ahead of UTC, two in summer.
  std::optional<ZoneOffsets> zone = ZoneOffsets{60, 120};
  std::function<std::unique_ptr<SerialPort>()> makePort;
  // The test thread stands in for the user-interface thread and runs what the worker posts.
  QueuedExecutor executor;
  char decimal = ',';

 private:
  template <typename T>
  static T NextAnswer(std::vector<T>& answers, T none) {
    if (answers.empty()) return none;
    T answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};

}  // namespace q6::test
