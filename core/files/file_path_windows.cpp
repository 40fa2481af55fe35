#include <io.h>

#include <string>

#include "core/files/file_path.h"

namespace q6 {

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
  const std::string narrow(mode);
  return ::_wfopen(path.c_str(), std::wstring(narrow.begin(), narrow.end()).c_str());
}

bool FlushToDisk(std::FILE* file) {
  return std::fflush(file) == 0 && ::_commit(_fileno(file)) == 0;
}

}  // namespace q6
