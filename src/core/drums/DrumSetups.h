#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "drums/DrumNoteRecord.h"
#include "drums/DrumNoteTables.h"
#include "model/Indices.h"

namespace ravlo {

// The first XG level has two drum setups, the later instruments four; the
// storage holds four, and the instrument the model stands for decides how
// many of them are setups.
inline constexpr int kDrumSetupCount = 2;
inline constexpr int kExtendedDrumSetupCount = 4;

// The drum kit a setup holds: bank MSB, program (0-based), bank LSB.
struct DrumKitVoice {
  std::uint8_t bankMsb = 127;
  std::uint8_t program = 0;
  std::uint8_t bankLsb = 0;

  friend bool operator==(const DrumKitVoice&, const DrumKitVoice&) = default;
};

// One drum setup: a note record for every note 13..91, the kit voice and the
// kit mask derived from it.
struct DrumSetup {
  std::array<DrumNoteRecord, kDrumNoteCount> notes{};
  std::uint16_t kitMask = 0;
  DrumKitVoice kitVoice{};
};

// The model's drum setup storage. Sends nothing and tells nobody: writing is
// DrumModel's business.
class DrumSetups {
 public:
  explicit DrumSetups(int storedCount = kExtendedDrumSetupCount);
  virtual ~DrumSetups() = default;
  DrumSetups(const DrumSetups&) = default;
  DrumSetups& operator=(const DrumSetups&) = default;

  // The setups there are: all that are stored, unless the instrument has fewer.
  virtual int Count() const { return StoredCount(); }
  int StoredCount() const { return static_cast<int>(setups_.size()); }
  bool IsSetup(int setup) const { return setup >= 0 && setup < Count(); }
  static bool IsNote(int note) { return note >= kFirstDrumNote && note <= kLastDrumNote; }

  // Null for a setup or note out of range.
  const DrumSetup* Setup(int setup) const;
  const DrumNoteRecord* Note(int setup, DrumNote note) const;

 protected:
  DrumSetup* MutableSetup(int setup);
  DrumNoteRecord* MutableNote(int setup, DrumNote note);
  // Standard kit 1 in every stored setup, every note at its defaults.
  void ResetSetups();
  // Derives and stores the kit mask from the kit voice.
  bool LoadKitKind(int setup);
  // Every note of the setup back to the defaults of the kit it holds.
  bool ResetSetupNotes(int setup);

 private:
  std::vector<DrumSetup> setups_;
};

}  // namespace ravlo
