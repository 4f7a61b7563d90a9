// Any bytes read as a standard MIDI song: the reader never reads past its
// chunks, and a song it accepts is taken in, extension parameters kept,
// without a fault.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "intake/SysexIntake.h"
#include "platform/ProgressLabel.h"
#include "song/SongSetup.h"
#include "support/ModelRig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ravlo::test::BasicModelRig<> rig;
  static ravlo::test::CountingIntakeHost host;
  static ravlo::SilentProgress progress;
  static ravlo::SysexIntake intake(rig.model, rig.prompts, progress, host);
  // Nothing asked and no error file: the counts are only reported.
  intake.SetUnrecognisedPolicy(ravlo::SysexIntake::UnrecognisedPolicy::Report);
  intake.SetKeepExtensions(true);
  // Odd sizes stand for the extended instrument, so that its blocks are explored too.
  rig.model.SetInstrument(size % 2 != 0 ? ravlo::InstrumentModel::Extended
                                        : ravlo::InstrumentModel::Basic);
  std::string error;
  const auto song = ravlo::SongSetup::Read(std::span(data, size), error);
  if (!song) {
    if (error.empty()) __builtin_trap();
    return 0;
  }
  for (const ravlo::SongEvent& event : song->Events()) {
    const auto bytes = song->MessageBytes(event);
    if (event.IsSysex() && (bytes.empty() || bytes.front() != 0xF0 || bytes.back() != 0xF7)) {
      __builtin_trap();
    }
  }
  intake.LoadSong(*song, "");
  return 0;
}
