#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace q6::test {

// A small tmpfs of its own, to fill up or to make read-only, as only root may mount one. Tests
// skip when `mounted()` is false and say why with `whyNot()`.
class ScratchDisk {
 public:
  explicit ScratchDisk(const std::filesystem::path& where, const char* size = "256k")
      : path_(where) {
    std::filesystem::create_directories(path_);
    if (::geteuid() != 0) {
      whyNot_ = "mounting a tmpfs needs root";
    } else if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, (std::string("size=") + size).c_str()) !=
               0) {
      whyNot_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    }
  }
  ~ScratchDisk() {
    if (mounted()) ::umount2(path_.c_str(), MNT_DETACH);
  }
  ScratchDisk(const ScratchDisk&) = delete;
  ScratchDisk& operator=(const ScratchDisk&) = delete;

  bool mounted() const { return whyNot_.empty(); }
  const std::string& whyNot() const { return whyNot_; }
  const std::filesystem::path& path() const { return path_; }

  // Takes every free block, so the next write fails with "No space left on device".
  void fill() {
    std::FILE* filler = std::fopen((path_ / ".filler").c_str(), "wb");
    const std::vector<char> block(4096, 'x');
    while (filler && std::fwrite(block.data(), 1, block.size(), filler) == block.size() &&
           std::fflush(filler) == 0) {
    }
    if (filler) std::fclose(filler);
  }
  bool makeReadOnly() {
    return ::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  std::filesystem::path path_;
  std::string whyNot_;
};

}  // namespace q6::test
