#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "files/FileIo.h"

namespace ravlo::test {

ScratchDirectory::ScratchDirectory(const std::string& stem)
    : path_(std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(::getpid()))) {
  std::filesystem::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDirectory::Put(const std::string& name,
                                  const std::vector<std::uint8_t>& bytes) const {
  const std::string path = File(name);
  EXPECT_TRUE(WriteWholeFile(path, bytes).ok) << path;
  return path;
}

}  // namespace ravlo::test
