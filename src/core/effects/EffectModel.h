#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "effects/EffectKind.h"
#include "effects/EffectRows.h"
#include "effects/EffectTypeTables.h"

namespace ravlo {

class XgModel;

// The three effect blocks: every type's current row (EffectRows), which type
// each block runs, and the operations that turn effect edits into messages,
// send a whole block and store what a file brings. Setters store nothing.
class EffectModel : public EffectRows {
 public:
  static constexpr int kDefaultReverbType = 1;
  static constexpr int kDefaultChorusType = 1;
  static constexpr int kDefaultVariationType = 20;
  // The pause the editors use between the two dumps of a block.
  static constexpr unsigned kEditorBlockPauseMs = 2;

  explicit EffectModel(XgModel& model) : model_(model) {}

  // Every row and every VariationSettings at its defaults, and the XG
  // default type in each block.
  void ResetToDefaults();

  int Type(EffectKind kind) const { return types_[static_cast<std::size_t>(kind)]; }
  // False (nothing changed) for an index outside the kind's table.
  bool SetType(EffectKind kind, int typeIndex);

  // Reverb or Chorus: slot 2..19 / 2..20, one 9-byte change; a value above
  // 254 sends nothing and succeeds. Variation: parameter 1..10 as a 10-byte
  // change (MSB, LSB), 11..16 as a 9-byte change.
  bool SetEffectParameter(EffectKind kind, int slotOrParameter, int value);
  // A VariationSettings byte: a 9-byte change at 0x56 + setting.
  bool SetEffectParameter(VariationSetting setting, int value);
  bool SetVariationConnection(bool system);
  bool SetVariationPart(int part);

  // Makes `typeIndex` current and sends the block: two bulk dumps with the
  // pause between them, or the type change and every value that differs
  // from its default, each followed by the pause.
  bool SendEffectBlock(EffectKind kind, int typeIndex, bool nonDefaultOnly, unsigned pauseMs);

  // Stores a received effect parameter change (already passed on). False
  // when the message is too short or its address is not an effect slot.
  bool StoreEffectParameter(std::span<const std::uint8_t> message);
  // Stores a received effect bulk dump (already passed on, length checked).
  bool StoreEffectBulk(std::span<const std::uint8_t> message);

 private:
  XgModel& model_;
  std::array<int, 3> types_{kDefaultReverbType, kDefaultChorusType, kDefaultVariationType};
};

}  // namespace ravlo
