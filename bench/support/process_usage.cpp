#include "bench/support/process_usage.h"

#include <unistd.h>

#include <ctime>
#include <fstream>

namespace q6::bench {

long ResidentBytes() {
  long pages = 0;
  long resident = 0;
  std::ifstream statm("/proc/self/statm");
  statm >> pages >> resident;
  return resident * ::sysconf(_SC_PAGESIZE);
}

double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace q6::bench
