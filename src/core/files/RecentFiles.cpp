#include "files/RecentFiles.h"

#include <algorithm>

namespace ravlo {

RecentFiles RecentFiles::FromText(std::string_view text) {
  RecentFiles recent;
  std::size_t start = 0;
  while (start < text.size() && recent.paths_.size() < kLimit) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string path(text.substr(start, end - start));
    if (!path.empty() &&
        std::find(recent.paths_.begin(), recent.paths_.end(), path) == recent.paths_.end()) {
      recent.paths_.push_back(path);
    }
    start = end + 1;
  }
  return recent;
}

std::string RecentFiles::ToText() const {
  std::string text;
  for (const std::string& path : paths_) {
    if (!text.empty()) text += '\n';
    text += path;
  }
  return text;
}

void RecentFiles::Add(const std::string& path) {
  if (path.empty() || path.find('\n') != std::string::npos) return;
  Remove(path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kLimit) paths_.resize(kLimit);
}

bool RecentFiles::Remove(const std::string& path) {
  return std::erase(paths_, path) > 0;
}

}  // namespace ravlo
