// Any file image, plain sysex or MIDI file, is taken in message by message
// without reading past a message or the image, and every byte counted, by a
// model of either instrument: inputs of odd length stand for Extended, so
// that the insertion effects, the multi EQ and the display text take them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "intake/SysexIntake.h"
#include "platform/ProgressLabel.h"
#include "support/ModelRig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ravlo::test::BasicModelRig<> rig;
  static ravlo::test::CountingIntakeHost host;
  static ravlo::SilentProgress progress;
  static ravlo::SysexIntake intake(rig.model, rig.prompts, progress, host);
  // Odd sizes stand for the extended instrument, so that its blocks are explored too.
  rig.model.SetInstrument(size % 2 != 0 ? ravlo::InstrumentModel::Extended
                                        : ravlo::InstrumentModel::Basic);
  // The intake writes into a MIDI file's image, so it gets its own copy.
  rig.model.SetInstrument(size % 2 != 0 ? ravlo::InstrumentModel::Extended
                                        : ravlo::InstrumentModel::Basic);
  std::vector<std::uint8_t> image(data, data + size);
#if defined(RAVLO_FUZZ_MIDI_FILE)
  // Make every input a MIDI file so the event scan is what gets explored.
  const std::uint8_t header[] = {'M', 'T', 'h', 'd'};
  image.insert(image.begin(), std::begin(header), std::end(header));
#endif
  const ravlo::IntakeResult result = intake.TakeIn(image);
  const auto& counts = result.counts;
  if (counts.recognisedBytes + counts.unrecognisedBytes > image.size()) __builtin_trap();
  if (result.errorBuffer.size() != counts.unrecognisedBytes) __builtin_trap();
  return 0;
}
