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
  // One parameter change each; the values are taken as the wire can carry them.
  bool EmitSlot(EffectKind kind, std::size_t slot, int32_t value);
  bool EmitVariationParam(std::size_t param, int32_t value);
  bool EmitVariationSetting(std::size_t setting, int32_t value);

  bool SendBlockDumps(EffectKind kind, std::size_t type, unsigned pauseMs);
  bool SendSlotChanges(EffectKind kind, std::size_t type, unsigned pauseMs);
  bool SendVariationChanges(std::size_t type, unsigned pauseMs);

  bool StoreTypeChange(EffectKind kind, std::uint8_t msb, std::uint8_t lsb);
  bool StoreVariationTypeChange(std::uint8_t msb, std::uint8_t lsb);
  bool StoreSlot(EffectKind kind, std::uint8_t addressLow, std::uint8_t value);
  bool StoreVariationParam(std::size_t param, int32_t value);
  bool StoreVariationSetting(std::size_t setting, std::uint8_t value);

  bool StoreTypeDump(EffectKind kind, std::span<const std::uint8_t> data);
  bool StoreVariationDump(std::span<const std::uint8_t> data);
  // Received bytes from `firstSlot` (Reverb, Chorus) or parameter index
  // `firstSlot` (Variation) on, up to `endSlot`.
  void StoreRun(EffectKind kind, std::size_t firstSlot, std::size_t endSlot,
                std::span<const std::uint8_t> data);

  void RaiseChanged(EffectKind kind);

  XgModel& model_;
  std::array<int, 3> types_{kDefaultReverbType, kDefaultChorusType, kDefaultVariationType};
};

}  // namespace ravlo
