#include "platform/serial/qt_serial_port.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <algorithm>
#include <cerrno>

namespace q6 {
namespace {

// QSerialPort keeps no system error number of its own; its error kinds stand in when the last
// call left none.
int ErrorNumberOf(QSerialPort::SerialPortError error) {
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return ENOENT;
    case QSerialPort::PermissionError:
      return EACCES;
    case QSerialPort::OpenError:
      return EBUSY;
    case QSerialPort::UnsupportedOperationError:
      return ENOTSUP;
    case QSerialPort::NotOpenError:
      return EBADF;
    default:
      return EIO;
  }
}

}  // namespace

QtSerialPort::QtSerialPort() = default;

QtSerialPort::~QtSerialPort() = default;

bool QtSerialPort::fail() {
  lastError_ =
      errno != 0 ? errno : ErrorNumberOf(port_ ? port_->error() : QSerialPort::NotOpenError);
  return false;
}

bool QtSerialPort::timedOut() {
  if (port_->error() != QSerialPort::TimeoutError) return false;
  port_->clearError();
  return true;
}

bool QtSerialPort::open(const std::string& device) {
  // A thread that Qt did not start has no event dispatcher, and the port's notifier complains
  // without one; creating an event loop supplies it. It is never run: the waits poll directly.
  { QEventLoop dispatcherForThisThread; }
  port_ = std::make_unique<QSerialPort>();
  port_->setPortName(QString::fromStdString(device));
  errno = 0;
  if (port_->open(QIODevice::ReadWrite)) return true;
  fail();
  port_.reset();
  return false;
}

bool QtSerialPort::applyLineSettings(const LineSettings& settings) {
  errno = 0;
  const bool accepted = port_->setBaudRate(settings.baudRate) &&
                        port_->setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
                        port_->setParity(QSerialPort::NoParity) &&
                        port_->setStopBits(static_cast<QSerialPort::StopBits>(settings.stopBits)) &&
                        port_->setFlowControl(QSerialPort::NoFlowControl);
  if (!accepted) return fail();
  // A pseudo-terminal has no modem lines, so refusing these is no failure of the port.
  port_->setDataTerminalReady(false);
  port_->setRequestToSend(false);
  port_->clearError();
  return true;
}

bool QtSerialPort::setQueueSizes(std::size_t input, std::size_t) {
  port_->setReadBufferSize(static_cast<qint64>(input));
  return true;
}

bool QtSerialPort::setTimeouts(const PortTimeouts& timeouts) {
  timeouts_ = timeouts;
  return true;
}

bool QtSerialPort::purge() {
  errno = 0;
  return port_->clear(QSerialPort::AllDirections) || fail();
}

bool QtSerialPort::write(const std::uint8_t* data, std::size_t count) {
  errno = 0;
  const auto size = static_cast<qint64>(count);
  if (port_->write(reinterpret_cast<const char*>(data), size) != size) return fail();
  QDeadlineTimer deadline(timeouts_.writeTotalPerByte * size + timeouts_.writeTotalConstant);
  while (port_->bytesToWrite() > 0) {
    if (!port_->waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
      return timedOut() || fail();
    }
  }
  return true;
}

std::optional<std::size_t> QtSerialPort::read(std::uint8_t* data, std::size_t count) {
  errno = 0;
  QDeadlineTimer total(timeouts_.readTotalPerByte * static_cast<qint64>(count) +
                       timeouts_.readTotalConstant);
  std::size_t received = 0;
  for (;;) {
    const qint64 got = port_->read(reinterpret_cast<char*>(data + received),
                                   static_cast<qint64>(count - received));
    if (got < 0) {
      fail();
      return std::nullopt;
    }
    received += static_cast<std::size_t>(got);
    if (received == count) break;
    qint64 wait = total.remainingTime();
    if (received > 0) wait = std::min<qint64>(wait, timeouts_.readInterval);
    if (wait <= 0) break;
    if (!port_->waitForReadyRead(static_cast<int>(wait))) {
      if (timedOut()) break;
      fail();
      return std::nullopt;
    }
  }
  return received;
}

void QtSerialPort::close() {
  if (port_) port_->close();
  port_.reset();
}

}  // namespace q6
