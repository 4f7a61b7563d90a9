// Recorded or loaded bytes of any shape must be turned into review text
// without reading past a message.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/ProgressLabel.h"
#include "review/ReviewText.h"
#include "support/ModelRig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ravlo::test::BasicModelRig<> fixture;
  // The first two bytes are the Variation type, as a file would set it (a
  // type the tables lack included), which names the Variation parameters;
  // the rest is the recording.
  std::span<const std::uint8_t> recorded(data, size);
  if (size >= 2) {
    const std::uint8_t typeChange[] = {0xF0,
                                       0x43,
                                       0x10,
                                       0x4C,
                                       0x02,
                                       0x01,
                                       0x40,
                                       static_cast<std::uint8_t>(data[0] & 0x7F),
                                       static_cast<std::uint8_t>(data[1] & 0x7F),
                                       0xF7};
    fixture.model.Effects().StoreEffectParameter(typeChange);
    recorded = recorded.subspan(2);
  }
  std::string text;
  ravlo::SilentProgress progress;
  if (!ravlo::BuildReviewText(fixture.model, recorded, text, progress)) __builtin_trap();
  return 0;
}
