#include "support/ScratchDirectory.h"

#include <unistd.h>

namespace ravlo::test {

ScratchDirectory::ScratchDirectory(const std::string& stem)
    : path_(std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(::getpid()))) {
  std::filesystem::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace ravlo::test
