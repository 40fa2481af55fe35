#include "platform/shell/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QLayout>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>

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

void QtDialogs::ShowModal(Form& window) {
  if (QDialog* dialog = lookup_(window)) dialog->exec();
}

}  // namespace q6::platform
