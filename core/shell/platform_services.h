#pragma once

#include <optional>
#include <string>

#include "core/link/executor.h"
#include "core/link/serial_port.h"
#include "core/widgets/dialogs.h"

namespace q6 {

// What the program needs from the operating system and the user-interface toolkit. The platform
// layer implements these; tests use fakes.

inline constexpr int kCsidlPersonal = 5;        // the user's documents
inline constexpr int kCsidlCommonAppData = 35;  // the common application-data folder

class ShellFolders {
 public:
  virtual ~ShellFolders() = default;
  // The folder's path, or the empty text when it cannot be resolved.
  virtual std::string GetShellFolder(int csidl) const = 0;
};

struct PixelSize {
  int width = 0;
  int height = 0;
};

class ScreenMetrics {
 public:
  virtual ~ScreenMetrics() = default;
  virtual int windowPixelsPerInch() const = 0;
  virtual int screenPixelsPerInch() const = 0;
  virtual PixelSize workArea() const = 0;
  // The laid-out size of a named control of the main window.
  virtual PixelSize controlSize(const std::string& name) const = 0;
};

// A local date and time as the PC clock shows it.
struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// The UTC offsets of the PC's time zone in minutes; equal when the zone keeps no daylight saving.
struct ZoneOffsets {
  int standardMinutes = 0;
  int daylightMinutes = 0;
};

class WallClock {
 public:
  virtual ~WallClock() = default;
  virtual LocalDateTime now() const = 0;
  // Nothing when the time zone cannot be determined.
  virtual std::optional<ZoneOffsets> zoneOffsets() const = 0;
};

// The user's regional settings, for numbers shown in the views (files use fixed formats).
class UserLocale {
 public:
  virtual ~UserLocale() = default;
  virtual char decimalSeparator() const = 0;
  // The date in the short date format, a space, and the time in the long time format.
  virtual std::string dateTimeText(const LocalDateTime& when) const = 0;
};

struct PlatformServices {
  ShellFolders& folders;
  ScreenMetrics& screen;
  Dialogs& dialogs;
  WallClock& clock;
  UserLocale& locale;
  SerialPortFactory& ports;
  // Brings the serial worker's progress to the user-interface thread.
  Executor& executor;
};

}  // namespace q6
