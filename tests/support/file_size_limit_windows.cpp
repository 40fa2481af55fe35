#include "support/file_size_limit.h"

namespace q6::test {

bool FileSizeLimit::available() { return false; }

FileSizeLimit::FileSizeLimit(std::uint64_t) {}

FileSizeLimit::~FileSizeLimit() = default;

}  // namespace q6::test
