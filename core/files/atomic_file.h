#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace q6 {

// The bytes of the file, or nothing when it cannot be read; `reason` then names the file and why.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         std::string* reason = nullptr);

// Writes a sibling temporary file, flushes it to the disk and renames it over `path`, so a crash
// or a full disk never leaves a half-written file where a good one was. Returns the reason of a
// failure, or nothing on success.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view content);

}  // namespace q6
