#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "drums/DrumParameterTable.h"
#include "drums/DrumSetups.h"
#include "messages/XgMessage.h"
#include "model/ImageCell.h"

namespace ravlo {

class XgModel;

// The drum setups (DrumSetups) with the operations that change them: the
// drum parameter setters, a note back to its kit's defaults, a new kit, what
// a file or a read-back brings, and the setup send of a pass. A setter
// stores what went out and tells the model's observers; a failed send stores
// nothing. Setups are 0..1, or 0..3 with the extended instrument.
class DrumModel final : public DrumSetups {
 public:
  explicit DrumModel(XgModel& model, int storedCount = kExtendedDrumSetupCount)
      : DrumSetups(storedCount), model_(model) {}

  // Two setups, or four with the extended instrument.
  int Count() const override;

  // Standard kit 1 everywhere; the model tells its observers.
  void ResetToDefaults() { ResetSetups(); }

  // One 9-byte change 3s nn pp vv; 0xFF sends nothing and fails.
  bool SetDrumParameter(int setup, DrumNote note, int address, std::uint8_t value);
  // The shown value of a parameter (its descriptor's form and range).
  bool SetDrumValue(int setup, DrumNote note, int address, int shown);
  // The shown value; nothing for a setup, note or address out of range.
  std::optional<int> DrumValue(int setup, DrumNote note, int address) const;
  bool GetDrumNote(int setup, DrumNote note, DrumParameterBytes& out) const;
  // The note back to its kit's defaults: each parameter that differs is sent
  // back, so the synthesizer plays what the editor then shows.
  bool ResetDrumNote(int setup, DrumNote note);

  // The instrument name of the note in the setup's kit ("----" when absent).
  std::string_view DrumNoteName(int setup, DrumNote note) const;
  // The catalogue name of the setup's kit voice.
  std::string_view DrumKitName(int setup) const;

  // Stores a newly chosen kit voice, derives its kit mask and resets the notes.
  bool SetKitVoice(int setup, const DrumKitVoice& voice);
  // Every note of the setup back to its kit's defaults, without a message
  // (a Drum Setup Reset went, or the synthesizer did it itself).
  bool ResetNotes(int setup);
  // Bytes a file or a read-back brought, in address order from `first`.
  bool StoreDrumParameters(int setup, DrumNote note, int first,
                           std::span<const std::uint8_t> values);

  // The edit history's view of a setup: the kit (bank MSB, program, bank LSB,
  // mask), then per note its parameters by address and its kit word.
  // PutCells stores them without a message (one notice); SendCell sends a
  // parameter with the value `target` holds for it (the kit, the kit words
  // and 0xFF have no message).
  static constexpr std::size_t kKitCellCount = 4;
  static constexpr std::size_t kNoteCellCount = kDrumParameterCount + 1;
  static constexpr std::size_t kCellCount = kKitCellCount + kDrumNoteCount * kNoteCellCount;
  bool CopyCells(int setup, std::span<ImageCell> cells) const;
  bool PutCells(int setup, std::span<const ImageCell> cells);
  CellSend SendCell(int setup, std::size_t cell, std::span<const ImageCell> target);

  // The notes the setup's kit has, lowest first: those a bulk send carries.
  std::vector<DrumNote> KitNotes(int setup) const;
  // A note's 16 parameters as one 27-byte bulk dump, as a bulk send writes
  // it and the synthesizer answers a request for it (any note 13..91, in the
  // kit or not); none for a setup or note out of range.
  std::optional<XgMessage> NoteDump(int setup, DrumNote note) const;

  // Every note present in the kit, and every note it lacks that was set away
  // from its defaults: the delay then its 27-byte dump, or each parameter
  // that differs from the kit's default followed by the delay.
  bool SendDrumSetup(int setup, bool nonDefaultOnly, unsigned delayMs);

 private:
  // The dump of a note whose parameters (in address order) are already at hand.
  XgMessage NoteDumpOf(int setup, DrumNote note, const DrumParameterBytes& parameters) const;
  XgModel& model_;
};

}  // namespace ravlo
