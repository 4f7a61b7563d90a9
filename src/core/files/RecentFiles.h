#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ravlo {

inline constexpr const char* kRecentFilesKey = "RecentFiles";

// The files opened or saved last, the latest first, each once, at most
// kLimit of them. Kept in the settings as one text of one path a line, so a
// path with a line break in it is never taken.
class RecentFiles {
 public:
  static constexpr std::size_t kLimit = 8;

  RecentFiles() = default;
  // The list kept as `text`; empty lines, repeats and paths beyond the
  // limit are dropped.
  static RecentFiles FromText(std::string_view text);
  std::string ToText() const;

  // `path` goes to the top, leaving its old place; the oldest falls off
  // beyond the limit.
  void Add(const std::string& path);
  // False when `path` was not listed.
  bool Remove(const std::string& path);

  const std::vector<std::string>& Paths() const { return paths_; }
  bool operator==(const RecentFiles&) const = default;

 private:
  std::vector<std::string> paths_;
};

}  // namespace ravlo
