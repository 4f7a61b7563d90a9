// The single-instance socket takes bytes from whoever connects: any bytes,
// in any pieces, must end in a handover within its bounds or none.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "instance/HandoverReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ravlo::HandoverReader reader;
  // The first byte cuts the rest into pieces, as a socket may deliver them.
  const std::size_t piece = size > 0 ? data[0] % 64 + 1 : 1;
  const std::span<const std::uint8_t> bytes(data, size);
  for (std::size_t at = size > 0 ? 1 : 0; at < size; at += piece) {
    reader.Feed(bytes.subspan(at, std::min(piece, size - at)));
  }
  const bool complete = reader.Current() == ravlo::HandoverReader::State::Complete;
  if (!complete && !reader.Files().empty()) __builtin_trap();
  std::size_t total = 0;
  for (const auto& file : reader.Files()) total += file.size();
  if (total > ravlo::HandoverReader::kMaxBytes) __builtin_trap();
  return 0;
}
