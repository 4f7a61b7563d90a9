// Recorded or loaded bytes of any shape must be turned into review text
// without reading past a message.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "effects/EffectKind.h"
#include "effects/EffectTypeTables.h"
#include "platform/ProgressLabel.h"
#include "review/ReviewText.h"
#include "support/ModelRig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ravlo::test::BasicModelRig<> fixture;
  // The first byte picks the Variation type, which names the Variation
  // parameters; the rest is the recording.
  if (size > 0) {
    fixture.model.Effects().SetType(ravlo::EffectKind::Variation,
                                    data[0] % static_cast<int>(ravlo::kVariationTypeCount));
  }
  const std::span<const std::uint8_t> recorded =
      size > 0 ? std::span(data + 1, size - 1) : std::span<const std::uint8_t>();
  std::string text;
  ravlo::SilentProgress progress;
  if (!ravlo::BuildReviewText(fixture.model, recorded, text, progress)) __builtin_trap();
  return 0;
}
