#include <unistd.h>

#include "core/files/file_path.h"

namespace q6 {

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && ::fsync(fileno(file)) == 0; }

}  // namespace q6
