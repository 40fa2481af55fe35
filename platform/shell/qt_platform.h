#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/shell/platform_services.h"

class QDialog;

namespace q6::platform {

// Shell folders on the desktop's standard locations: the generic configuration folder stands
// for the common application data, the documents folder for the user's documents.
class QtShellFolders : public ShellFolders {
 public:
  std::string GetShellFolder(int csidl) const override;
};

// Pixel densities and sizes of the screen that shows the main window, in device pixels.
class QtScreenMetrics : public ScreenMetrics {
 public:
  explicit QtScreenMetrics(QWidget& mainWindow) : mainWindow_(&mainWindow) {}
  int windowPixelsPerInch() const override;
  int screenPixelsPerInch() const override;
  PixelSize workArea() const override;
  PixelSize controlSize(const std::string& name) const override;

 private:
  QPointer<QWidget> mainWindow_;
};

class QtWallClock : public WallClock {
 public:
  LocalDateTime now() const override;
  std::optional<ZoneOffsets> zoneOffsets() const override;
};

class QtUserLocale : public UserLocale {
 public:
  char decimalSeparator() const override;
  std::string dateTimeText(const LocalDateTime& when) const override;
};

class QtDialogs : public Dialogs {
 public:
  using DialogLookup = std::function<QDialog*(const Form&)>;
  // `title` captions the message boxes, as the application title does on Windows.
  QtDialogs(QWidget& parent, QString title, DialogLookup lookup)
      : parent_(&parent), title_(std::move(title)), lookup_(std::move(lookup)) {}
  void ShowMessage(const std::string& text) override;
  void ShowModal(Form& window) override;
  void ShowError(const std::string& text) override;
  std::optional<std::string> InputPassword(const std::string& caption, const std::string& prompt,
                                           const std::string& defaultText) override;
  std::optional<std::string> SaveFileName(const SaveFileRequest& request) override;
  std::optional<std::string> OpenFileName(const SaveFileRequest& request) override;
  bool Confirm(const std::string& text) override;

 private:
  QPointer<QWidget> parent_;
  QString title_;
  DialogLookup lookup_;
};

}  // namespace q6::platform
