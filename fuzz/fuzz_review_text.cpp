// Recorded or loaded bytes of any shape must be turned into review text
// without reading past a message.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "messages/XgMessages.h"
#include "platform/ProgressLabel.h"
#include "review/ReviewText.h"
#include "support/ModelRig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ravlo::test::BasicModelRig<> fixture;
  // The first two bytes are the Variation type, as a file would set it (a
  // type the tables lack included), which names the Variation parameters;
  // its top bit chooses the instrument model, and the second byte also the
  // type of insertion 1, which names its parameters; the rest is the
  // recording.
  std::span<const std::uint8_t> recorded(data, size);
  // Odd sizes stand for the extended instrument, so that its blocks are explored too.
  fixture.model.SetInstrument(size % 2 != 0 ? ravlo::InstrumentModel::Extended
                                            : ravlo::InstrumentModel::Basic);
  if (size >= 2) {
    const std::uint8_t typeBytes[] = {static_cast<std::uint8_t>(data[0] & 0x7F),
                                      static_cast<std::uint8_t>(data[1] & 0x7F)};
    fixture.model.Effects().StoreEffectParameter(
        ravlo::BuildParameterChange(fixture.model.Unit(), ravlo::xg_block::EffectAddress(0x40),
                                    typeBytes)
            .Bytes());
    fixture.model.SetInstrument((data[0] & 0x80) != 0 ? ravlo::InstrumentModel::Extended
                                                      : ravlo::InstrumentModel::Basic);
    fixture.model.Insertions().Store(0, 0, typeBytes);
    recorded = recorded.subspan(2);
  }
  std::string text;
  ravlo::SilentProgress progress;
  if (!ravlo::BuildReviewText(fixture.model, recorded, text, progress)) __builtin_trap();
  return 0;
}
