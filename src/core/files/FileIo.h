#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ravlo {

// Whole-file reads and writes, the only way the program touches files.
// Failures carry the system's own text for the error.
struct FileResult {
  bool ok = false;
  std::string error;  // the system's text when !ok
};

// Opens for reading only, so read-only files open like any other.
FileResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& contents);

// Replaces the file only once the whole new content is written: the bytes go
// to a temporary file beside it, which is then renamed over the old one, so
// a failed write leaves the old file intact.
FileResult WriteWholeFile(const std::string& path, std::span<const std::uint8_t> contents);

// Whether a file (not a directory) is at `path` now.
bool FileExists(const std::string& path);

// The directory part of a path (without the last separator), or "".
std::string DirectoryOf(const std::string& path);
// The part after the last separator.
std::string FileNameOf(const std::string& path);
// `directory` and `name` joined with the platform's separator.
std::string JoinPath(const std::string& directory, const std::string& name);

}  // namespace ravlo
