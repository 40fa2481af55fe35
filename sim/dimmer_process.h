#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace q6::sim {

// The quendaris-dimmer program at `program`, serving one COM port of `setupDir`, for tests and
// benchmarks; stopped on destruction.
class DimmerProcess {
 public:
  DimmerProcess(const std::filesystem::path& program, const std::filesystem::path& setupDir,
                const std::string& portName, const std::vector<std::string>& extraArgs = {});
  ~DimmerProcess();

  DimmerProcess(const DimmerProcess&) = delete;
  DimmerProcess& operator=(const DimmerProcess&) = delete;

  // The port entry appeared within the start-up time.
  bool ready() const { return ready_; }
  // Ends the program at once, as a crash or a pulled cable would.
  void kill();

 private:
  pid_t pid_ = -1;
  bool ready_ = false;
};

}  // namespace q6::sim
