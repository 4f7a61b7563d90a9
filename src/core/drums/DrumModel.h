#pragma once

#include <cstdint>
#include <string_view>

#include "drums/DrumParameterTable.h"
#include "drums/DrumSetups.h"

namespace ravlo {

class XgModel;

// The two drum setups (DrumSetups) with the operations that send and store
// drum parameters, name notes and kits, and send a setup in a pass. Setups
// are 0..1 and note indexes 0..78 (MIDI note - 13).
class DrumModel : public DrumSetups {
 public:
  explicit DrumModel(XgModel& model, int setupCount = kDrumSetupCount)
      : DrumSetups(setupCount), model_(model) {}

  // One 9-byte change 3s rr pp vv; 0xFF sends nothing and fails. Stores nothing.
  bool SetDrumParameter(int setup, int noteIndex, int address, std::uint8_t value);
  bool PutDrumParameter(int address, int noteIndex, int setup, std::uint8_t value);
  bool GetDrumNote(int setup, int noteIndex, DrumParameterBytes& out) const;
  bool ResetDrumNote(int setup, int noteIndex);

  // The instrument name of the note in the setup's kit ("----" when absent).
  std::string_view DrumNoteName(int setup, int noteIndex) const;
  // The catalogue name of the setup's kit voice.
  std::string_view DrumKitName(int setup) const;

  // Stores a newly chosen kit voice, derives its kit mask and resets the notes.
  bool SetKitVoice(int setup, const DrumKitVoice& voice);

  // Every note present in the kit: the delay then its 27-byte dump, or each
  // parameter that differs from the kit's default followed by the delay.
  bool SendDrumSetup(int setup, bool nonDefaultOnly, unsigned delayMs);

 private:
  XgModel& model_;
};

}  // namespace ravlo
