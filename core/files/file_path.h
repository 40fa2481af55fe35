#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace q6 {

// The program keeps file names as UTF-8 text. A path made from plain char text would read it in
// the ANSI code page on Windows and name another file, so text and paths convert through these.
std::filesystem::path FilePath(std::string_view utf8);
std::string FileText(const std::filesystem::path& path);

// std::fopen that keeps every character of the file's name.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);
// Flushes the file's buffers through to the disk.
bool FlushToDisk(std::FILE* file);

}  // namespace q6
