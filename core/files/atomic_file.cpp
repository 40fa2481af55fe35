#include "core/files/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>

#include "core/files/file_path.h"

namespace q6 {
namespace {

std::filesystem::path TemporarySibling(const std::filesystem::path& path) {
  std::random_device random;
  auto name = path.filename();
  name += ".tmp" + std::to_string(random() % 1000000u);
  return path.parent_path() / name;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string Reason(const std::filesystem::path& path, int error) {
  return FileText(path) + ": " + std::strerror(error);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* reason) {
  const auto fail = [&](const std::string& why) -> std::optional<std::string> {
    if (reason) *reason = FileText(path) + ": " + why;
    return std::nullopt;
  };
  // Sized up front, so even a file of hundreds of megabytes is read into one buffer without
  // growing copies. A directory fails here.
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return fail(ec.message());
  const std::unique_ptr<std::FILE, FileCloser> file(OpenFile(path, "rb"));
  if (!file) return fail(std::strerror(errno));
  std::string bytes(size, '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
  if (std::ferror(file.get())) return fail(std::strerror(errno));
  return bytes;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view content) {
  const auto temporary = TemporarySibling(path);
  std::FILE* file = OpenFile(temporary, "wb");
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
    return FileText(path) + ": " + ec.message();
  }
  return std::nullopt;
}

}  // namespace q6
