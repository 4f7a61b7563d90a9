// Any bank-sized image converts into four complete outputs without reading
// past the image, whatever its owner table and element switches say.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "files/VoiceBankFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Short inputs are padded so that every run exercises a whole bank.
  std::vector<std::uint8_t> image(ravlo::kVoiceBankFileSize, 0);
  std::copy_n(data, std::min(size, image.size()), image.begin());
  const auto images = ravlo::BuildVoiceBankImages(
      image, ravlo::UnitNumber::FromValue(static_cast<int>(size & 0x0F)));
  if (!images) __builtin_trap();
  for (const auto& out : *images) {
    if (out.size() != ravlo::kVoiceBankOutputSize) __builtin_trap();
  }
  return 0;
}
