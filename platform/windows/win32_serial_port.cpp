#include "platform/windows/win32_serial_port.h"

#include <windows.h>

#include "platform/windows/wide_text.h"

namespace q6::windows {
namespace {

DWORD Milliseconds(int value) { return value > 0 ? static_cast<DWORD>(value) : 0; }

std::optional<BYTE> StopBitsOf(int count) {
  if (count == 1) return ONESTOPBIT;
  if (count == 2) return TWOSTOPBITS;
  return std::nullopt;
}

}  // namespace

Win32SerialPort::~Win32SerialPort() { close(); }

bool Win32SerialPort::fail() {
  lastError_ = static_cast<int>(GetLastError());
  return false;
}

bool Win32SerialPort::open(const std::string& device) {
  close();
  HANDLE handle = CreateFileW(Widen(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_SYSTEM, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return fail();
  handle_ = handle;
  return true;
}

bool Win32SerialPort::applyLineSettings(const LineSettings& settings) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(handle_, &dcb)) return fail();
  const std::optional<BYTE> stopBits = StopBitsOf(settings.stopBits);
  if (!stopBits || settings.baudRate <= 0 || settings.dataBits < 5 || settings.dataBits > 8) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return fail();
  }
  dcb.BaudRate = static_cast<DWORD>(settings.baudRate);
  dcb.ByteSize = static_cast<BYTE>(settings.dataBits);
  dcb.StopBits = *stopBits;
  dcb.Parity = NOPARITY;
  dcb.fBinary = TRUE;
  dcb.fParity = FALSE;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_DISABLE;
  dcb.fRtsControl = RTS_CONTROL_DISABLE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fErrorChar = FALSE;
  dcb.fNull = FALSE;
  // A line error must not stall every later read and write until it is cleared.
  dcb.fAbortOnError = FALSE;
  return SetCommState(handle_, &dcb) || fail();
}

bool Win32SerialPort::setQueueSizes(std::size_t input, std::size_t output) {
  return SetupComm(handle_, static_cast<DWORD>(input), static_cast<DWORD>(output)) || fail();
}

bool Win32SerialPort::setTimeouts(const PortTimeouts& timeouts) {
  COMMTIMEOUTS comm{};
  comm.ReadIntervalTimeout = Milliseconds(timeouts.readInterval);
  comm.ReadTotalTimeoutMultiplier = Milliseconds(timeouts.readTotalPerByte);
  comm.ReadTotalTimeoutConstant = Milliseconds(timeouts.readTotalConstant);
  comm.WriteTotalTimeoutMultiplier = Milliseconds(timeouts.writeTotalPerByte);
  comm.WriteTotalTimeoutConstant = Milliseconds(timeouts.writeTotalConstant);
  return SetCommTimeouts(handle_, &comm) || fail();
}

bool Win32SerialPort::purge() {
  return PurgeComm(handle_, PURGE_TXCLEAR | PURGE_RXCLEAR) || fail();
}

bool Win32SerialPort::write(const std::uint8_t* data, std::size_t count) {
  DWORD written = 0;
  // A write that times out short is no port failure; the missing echo will tell.
  return WriteFile(handle_, data, static_cast<DWORD>(count), &written, nullptr) || fail();
}

std::optional<std::size_t> Win32SerialPort::read(std::uint8_t* data, std::size_t count) {
  DWORD received = 0;
  if (!ReadFile(handle_, data, static_cast<DWORD>(count), &received, nullptr)) {
    fail();
    return std::nullopt;
  }
  return received;
}

void Win32SerialPort::close() {
  if (handle_) CloseHandle(handle_);
  handle_ = nullptr;
}

}  // namespace q6::windows
