#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "files/FileIo.h"

namespace ravlo::test {

// A directory under the system's temporary one, named after the process so
// that tests running side by side never share it, and removed with all it
// holds when its owner goes, however the test ended. Two in one process with
// the same stem are one directory: the first to go removes it.
class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& stem)
      : path_(std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The path of `name` in it, as the file functions take paths.
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // Writes `bytes` as the file `name` in it (failing the test if it cannot); gives its path.
  std::string Put(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    const std::string path = File(name);
    EXPECT_TRUE(WriteWholeFile(path, bytes).ok) << path;
    return path;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace ravlo::test
