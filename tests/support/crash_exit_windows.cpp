// A test program that crashes must fail. Under wine the crash handler's debugger can end the
// process with exit code 0, so the program reports the crash and ends itself first.

#include <windows.h>

#include <cstdio>

namespace {

LONG WINAPI ReportAndFail(EXCEPTION_POINTERS* exception) {
  const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
  std::fprintf(stderr, "unhandled exception 0x%08lx at %p\n", record.ExceptionCode,
               record.ExceptionAddress);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

[[maybe_unused]] const auto installed = SetUnhandledExceptionFilter(&ReportAndFail);

}  // namespace
