#include "platform/serial/qt_serial_port.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <algorithm>
#include <cerrno>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

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

#ifndef _WIN32
// Whether the system denies this process the device itself. Qt also reports a device that another
// program has locked as a permission error, with whatever its lock check left in errno, so the
// device's own permissions decide.
PortFailure FailureOfOpen(const std::string& device, int errorNumber) {
  if (errorNumber != EACCES && errorNumber != EPERM) return PortFailure::Other;
  if (::faccessat(AT_FDCWD, device.c_str(), R_OK | W_OK, AT_EACCESS) == 0)
    return PortFailure::Other;
  return errno == EACCES || errno == EPERM ? PortFailure::AccessDenied : PortFailure::Other;
}
#else
// Windows denies the access to a port that another program holds, so it tells nothing about
// the user's rights.
PortFailure FailureOfOpen(const std::string&, int) { return PortFailure::Other; }
#endif

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
  lastFailure_ = FailureOfOpen(device, lastError_);
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

#ifndef _WIN32
// On POSIX systems the byte traffic goes straight to the descriptor: every byte of a transfer
// waits for its echo, so the per-byte cost of Qt's buffering and wait functions would add up to a
// good share of the wire time. QSerialPort still opens, configures, purges and closes the port;
// its own buffer stays empty because this thread never runs its event loop.
namespace {

// Waits until the descriptor is ready for `events` or the deadline passes; false on timeout,
// empty on failure.
std::optional<bool> WaitReady(int fd, short events, const QDeadlineTimer& deadline) {
  for (;;) {
    pollfd watched{fd, events, 0};
    const auto remaining = std::max<qint64>(0, deadline.remainingTime());
    const int ready = ::poll(&watched, 1, static_cast<int>(remaining));
    if (ready > 0) {
      if (watched.revents & (POLLERR | POLLNVAL)) return std::nullopt;
      // A hung-up peer with nothing left to read is a broken line.
      if ((watched.revents & POLLHUP) && !(watched.revents & POLLIN)) return std::nullopt;
      return true;
    }
    if (ready == 0) return false;
    if (errno != EINTR) return std::nullopt;
  }
}

}  // namespace

bool QtSerialPort::write(const std::uint8_t* data, std::size_t count) {
  errno = 0;
  const int fd = static_cast<int>(port_->handle());
  const QDeadlineTimer deadline(timeouts_.writeTotalPerByte * static_cast<qint64>(count) +
                                timeouts_.writeTotalConstant);
  std::size_t sent = 0;
  while (sent < count) {
    const ssize_t written = ::write(fd, data + sent, count - sent);
    if (written > 0) {
      sent += static_cast<std::size_t>(written);
      continue;
    }
    if (written < 0 && errno != EAGAIN && errno != EINTR) return fail();
    const auto ready = WaitReady(fd, POLLOUT, deadline);
    if (!ready) return fail();
    // A write that times out is no port failure; the missing echo will tell.
    if (!*ready) return true;
  }
  return true;
}

std::optional<std::size_t> QtSerialPort::read(std::uint8_t* data, std::size_t count) {
  errno = 0;
  const int fd = static_cast<int>(port_->handle());
  const QDeadlineTimer total(timeouts_.readTotalPerByte * static_cast<qint64>(count) +
                             timeouts_.readTotalConstant);
  std::size_t received = 0;
  while (received < count) {
    QDeadlineTimer wait = total;
    if (received > 0 && total.remainingTime() > timeouts_.readInterval)
      wait = QDeadlineTimer(timeouts_.readInterval);
    const auto ready = WaitReady(fd, POLLIN, wait);
    if (!ready) {
      fail();
      return std::nullopt;
    }
    if (!*ready) break;
    const ssize_t got = ::read(fd, data + received, count - received);
    if (got > 0) {
      received += static_cast<std::size_t>(got);
      continue;
    }
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    // End of file on a terminal: the other side is gone.
    if (got == 0) errno = EIO;
    fail();
    return std::nullopt;
  }
  return received;
}
#else
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

#endif

void QtSerialPort::close() {
  if (port_) port_->close();
  port_.reset();
}

}  // namespace q6
