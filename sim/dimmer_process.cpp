#include "sim/dimmer_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace q6::sim {

DimmerProcess::DimmerProcess(const std::filesystem::path& program,
                             const std::filesystem::path& setupDir, const std::string& portName,
                             const std::vector<std::string>& extraArgs) {
  std::vector<std::string> args{program.string(), "--com", portName, "--setup-dir",
                                setupDir.string()};
  args.insert(args.end(), extraArgs.begin(), extraArgs.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_ = ::fork();
  if (pid_ == 0) {
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  const auto entry = setupDir / "ports" / portName;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  // An entry left by a dimmer that was killed points at a device that is gone; only the new
  // dimmer's own entry leads to one.
  std::error_code ec;
  while (!(ready_ = std::filesystem::is_symlink(entry, ec) && std::filesystem::exists(entry, ec)) &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

DimmerProcess::~DimmerProcess() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  ::waitpid(pid_, nullptr, 0);
}

void DimmerProcess::kill() {
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

}  // namespace q6::sim
