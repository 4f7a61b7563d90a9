#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ravlo {

// Whole-file reads and writes, the only way the program touches files.
// Failures carry the system's own text for the error, or one of ours.
struct FileResult {
  bool ok = false;
  std::string error;  // the message to show when !ok
};

// No file of a kind the program reads comes near this size.
inline constexpr std::uint64_t kMaxReadSize = 64u * 1024u * 1024u;

// Reads a regular file of at most `limit` bytes. The file's kind is looked
// at before anything is read and without waiting on it, so that a FIFO or a
// device cannot hold the program; a file too large for memory is refused
// with a message, never a crash. On failure `contents` is left as it was.
FileResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& contents,
                         std::uint64_t limit = kMaxReadSize);

// Replaces the file only once the whole new content is on disk: the bytes
// go to a temporary file of a fresh name beside it (created exclusively,
// never through a link), which is flushed and then renamed over the old
// one, so that a failed write leaves the old file and nothing else. A path
// that is a symbolic link writes the file it points to and keeps the link;
// the new file keeps the old one's permissions (and owner, where allowed).
// A file that is not writable, or not a regular file, is refused.
FileResult WriteWholeFile(const std::string& path, std::span<const std::uint8_t> contents);

// What the user is told when a file is too much for the memory there is.
std::string NoMemoryText(const std::string& path);

// Whether a file (not a directory) is at `path` now.
bool FileExists(const std::string& path);

// The directory part of a path (without the last separator), or "".
std::string DirectoryOf(const std::string& path);
// The part after the last separator.
std::string FileNameOf(const std::string& path);
// `directory` and `name` joined with the platform's separator.
std::string JoinPath(const std::string& directory, const std::string& name);

}  // namespace ravlo
