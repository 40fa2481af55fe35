#include <sys/resource.h>

#include <csignal>

#include "support/file_size_limit.h"

namespace q6::test {

bool FileSizeLimit::available() { return true; }

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  savedCurrent_ = saved.rlim_cur;
  savedMaximum_ = saved.rlim_max;
  previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = saved;
  limit.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  const rlimit saved{savedCurrent_, savedMaximum_};
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler_);
}

}  // namespace q6::test
