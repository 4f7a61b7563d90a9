// The patch list reads any file: every byte pattern must give a report
// without reading past the file's end.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "files/PatchList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ravlo::UserVoice voice(0);
  const std::string lines = ravlo::ListVoiceDumps(std::span(data, size), voice);
  // Each line belongs to a message of at least 392 bytes.
  std::size_t count = 0;
  for (char c : lines) count += c == '\n' ? 1 : 0;
  if (count > size / ravlo::kUserVoiceDumpSize) __builtin_trap();
  return 0;
}
