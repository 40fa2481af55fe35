#include "platform/shell/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTimeZone>
#include <algorithm>

namespace q6::platform {
namespace {

QScreen* ScreenOf(const QWidget* widget) {
  QScreen* screen = widget ? widget->screen() : nullptr;
  return screen ? screen : QGuiApplication::primaryScreen();
}

int DevicePixels(qreal logical, const QScreen* screen) {
  return qRound(logical * (screen ? screen->devicePixelRatio() : 1.0));
}

}  // namespace

std::string QtShellFolders::GetShellFolder(int csidl) const {
  QStandardPaths::StandardLocation location;
  if (csidl == kCsidlCommonAppData)
    location = QStandardPaths::GenericConfigLocation;
  else if (csidl == kCsidlPersonal)
    location = QStandardPaths::DocumentsLocation;
  else
    return {};
  return QStandardPaths::writableLocation(location).toStdString();
}

int QtScreenMetrics::windowPixelsPerInch() const {
  const QScreen* screen = ScreenOf(mainWindow_);
  return screen ? DevicePixels(screen->logicalDotsPerInch(), screen) : 96;
}

int QtScreenMetrics::screenPixelsPerInch() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? DevicePixels(screen->logicalDotsPerInch(), screen) : 96;
}

PixelSize QtScreenMetrics::workArea() const {
  const QScreen* screen = ScreenOf(mainWindow_);
  if (!screen) return {};
  const QRect area = screen->availableGeometry();
  return {DevicePixels(area.width(), screen), DevicePixels(area.height(), screen)};
}

PixelSize QtScreenMetrics::controlSize(const std::string& name) const {
  if (!mainWindow_) return {};
  auto* control = mainWindow_->findChild<QWidget*>(QString::fromStdString(name));
  if (!control) return {};
  // Before the first show the layout has not run yet; let it place the controls now.
  if (auto* layout = mainWindow_->layout()) layout->activate();
  const QScreen* screen = ScreenOf(mainWindow_);
  return {DevicePixels(control->width(), screen), DevicePixels(control->height(), screen)};
}

LocalDateTime QtWallClock::now() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

std::optional<ZoneOffsets> QtWallClock::zoneOffsets() const {
  const QTimeZone zone = QTimeZone::systemTimeZone();
  if (!zone.isValid()) return std::nullopt;
  // Midwinter and midsummer of this year, so that either hemisphere's daylight time is seen.
  const int year = QDate::currentDate().year();
  int standard = 0;
  int daylight = 0;
  for (const QDate date : {QDate(year, 1, 15), QDate(year, 7, 15)}) {
    const QDateTime noon(date, QTime(12, 0), zone);
    standard = zone.standardTimeOffset(noon);
    daylight = std::max(daylight, zone.daylightTimeOffset(noon));
  }
  return ZoneOffsets{standard / 60, (standard + daylight) / 60};
}

char QtUserLocale::decimalSeparator() const {
  const QString separator = QLocale::system().decimalPoint();
  return separator.size() == 1 && separator[0].unicode() < 0x80 ? separator[0].toLatin1() : '.';
}

void QtDialogs::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, title_, QString::fromStdString(text), QMessageBox::Ok,
                  parent_);
  box.exec();
}

void QtDialogs::ShowError(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, title_, QString::fromStdString(text), QMessageBox::Abort,
                  parent_);
  box.exec();
}

std::optional<std::string> QtDialogs::InputPassword(const std::string& caption,
                                                    const std::string& prompt,
                                                    const std::string& defaultText) {
  QInputDialog dialog(parent_);
  dialog.setWindowTitle(QString::fromStdString(caption));
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextEchoMode(QLineEdit::Password);
  dialog.setTextValue(QString::fromStdString(defaultText));
  // Selected, the default text goes with the first keystroke.
  if (auto* edit = dialog.findChild<QLineEdit*>()) edit->selectAll();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

std::string QtUserLocale::dateTimeText(const LocalDateTime& when) const {
  const QLocale locale = QLocale::system();
  // The long time format names the time zone on some systems; the date-time text does not.
  QString timeFormat = locale.timeFormat(QLocale::LongFormat).remove('t').trimmed();
  const QDate date(when.year, when.month, when.day);
  const QTime time(when.hour, when.minute, when.second);
  return (locale.toString(date, QLocale::ShortFormat) + ' ' + locale.toString(time, timeFormat))
      .toStdString();
}

namespace {

// "Description|pattern|…" as the file dialog's name filters.
QStringList NameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString pattern = '(' + parts[i + 1] + ')';
    filters << (parts[i].contains(pattern) ? parts[i] : parts[i] + ' ' + pattern);
  }
  return filters;
}

}  // namespace

std::optional<std::string> QtDialogs::SaveFileName(const SaveFileRequest& request) {
  QFileDialog dialog(parent_, title_, QString::fromStdString(request.initialDir));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The caller asks before it overwrites, in its own words.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(NameFilters(request.filter));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
  dialog.selectFile(QString::fromStdString(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtDialogs::OpenFileName(const SaveFileRequest& request) {
  QFileDialog dialog(parent_, title_, QString::fromStdString(request.initialDir));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // AnyFile: the caller treats a missing file as one without keys.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(NameFilters(request.filter));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
  dialog.selectFile(QString::fromStdString(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

bool QtDialogs::Confirm(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace("\r\n", "\n").replace('\r', '\n');
  QMessageBox box(QMessageBox::Question, title_, shown, QMessageBox::Ok | QMessageBox::Cancel,
                  parent_);
  return box.exec() == QMessageBox::Ok;
}

void QtDialogs::ShowModal(Form& window) {
  if (QDialog* dialog = lookup_(window)) dialog->exec();
}

}  // namespace q6::platform
