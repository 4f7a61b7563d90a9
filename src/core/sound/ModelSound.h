#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <span>

#include "drums/DrumParameterTable.h"
#include "model/Indices.h"
#include "model/ModelChange.h"
#include "parts/PartRecord.h"
#include "sound/SoundEngine.h"
#include "sound/XgSoundMap.h"

namespace ravlo {

class XgModel;

// Plays a model on a sound engine: it follows the model's change notices,
// so whatever the model takes in (an edit, a file, a reset, an undo, a
// read-back) is heard at once, and it plays the channel messages it is
// given on every part that receives them. Part n plays on engine channel n.
// Expression and modulation come from the channel rows, every other setting
// from the parts, the system block and the Reverb and Chorus blocks, by the
// rows of XgSoundMap.
class ModelSound final : private ModelObserver {
 public:
  // Sets the engine to the whole image and follows it from then on.
  ModelSound(XgModel& model, SoundEngine& engine);
  // Stops following; whatever sounds on the parts is cut.
  ~ModelSound() override;
  ModelSound(const ModelSound&) = delete;
  ModelSound& operator=(const ModelSound&) = delete;

  // The whole image again.
  void ApplyAll();
  // A channel message, as the synthesizer received it: notes, pitch bend,
  // pressure and the performance controllers. (What the model keeps, it
  // has already taken.)
  void Perform(std::span<const std::uint8_t> message);
  // The preset a part is heard on; none before the engine had any.
  const std::optional<HeardPreset>& Heard(PartIndex part) const;

 private:
  static constexpr int kNoNote = -1;

  void ModelChanged(const ModelChange& change) override;
  void ApplyPart(PartIndex part);
  void ApplyPartRow(PartIndex part, const PartSoundRow& row);
  void ApplyVoice(PartIndex part);
  void ApplyTuning(PartIndex part);
  // The expression and modulation of the channel the part receives on.
  void ApplyChannelRow(PartIndex part);
  void ApplyChannelRows(MidiChannel channel);
  void ApplySystem();
  void ApplyReverb();
  void ApplyChorus();

  void PerformOnPart(PartIndex part, std::uint8_t kind, int data1, int data2);
  void PerformController(PartIndex part, int controller, int value);
  void NoteOn(PartIndex part, int key, int velocity);
  void NoteOff(PartIndex part, int key);
  // A drum part's own parameters of the note: its setup's, or in plain drum
  // mode its kit's defaults; none for a normal part or a note outside the kits.
  struct DrumNoteValues {
    DrumParameterBytes current;
    DrumParameterBytes kit;
  };
  std::optional<DrumNoteValues> DrumValues(PartIndex part, int key) const;
  NoteShape ShapeOf(PartIndex part, int key, const std::optional<DrumNoteValues>& drum);
  double RandomPlace();

  // The part's byte at `address`; the normal default where the part lacks it.
  int Value(PartIndex part, int address) const;
  bool Receives(PartIndex part, int switchAddress) const { return Value(part, switchAddress) != 0; }
  bool IsDrums(PartIndex part) const;
  bool Playing(PartIndex part) const;

  XgModel& model_;
  SoundEngine& engine_;
  std::array<std::optional<HeardPreset>, kPartCount> heard_{};
  // The note a mono part holds.
  std::array<int, kPartCount> monoNote_{};
  std::minstd_rand random_;
};

}  // namespace ravlo
