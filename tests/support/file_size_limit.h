#pragma once

#include <cstdint>

namespace q6::test {

// A file-size limit makes every write past it fail, as a full disk does, also for root. Only
// POSIX systems have one; elsewhere `available()` is false and the limit does nothing.
class FileSizeLimit {
 public:
  static bool available();
  explicit FileSizeLimit(std::uint64_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  std::uint64_t savedCurrent_ = 0;
  std::uint64_t savedMaximum_ = 0;
  void (*previousHandler_)(int) = nullptr;
};

}  // namespace q6::test
