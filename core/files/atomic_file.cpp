#include "core/files/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace q6 {
namespace {

std::filesystem::path TemporarySibling(const std::filesystem::path& path) {
  std::random_device random;
  auto name = path.filename().string() + ".tmp" + std::to_string(random() % 1000000u);
  return path.parent_path() / name;
}

bool FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

std::string Reason(const std::filesystem::path& path, int error) {
  return path.string() + ": " + std::strerror(error);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view content) {
  const auto temporary = TemporarySibling(path);
  std::FILE* file = std::fopen(temporary.string().c_str(), "wb");
  if (!file) return Reason(path, errno);
  const bool written =
      std::fwrite(content.data(), 1, content.size(), file) == content.size() && FlushToDisk(file);
  const int writeError = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Reason(path, written ? errno : writeError);
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return path.string() + ": " + ec.message();
  }
  return std::nullopt;
}

}  // namespace q6
