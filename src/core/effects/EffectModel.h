#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "effects/EffectKind.h"
#include "effects/EffectRows.h"
#include "effects/EffectTypeTables.h"
#include "effects/ExtendedEffectTypes.h"
#include "messages/XgMessage.h"
#include "model/ImageCell.h"
#include "model/Indices.h"
#include "model/ModelChange.h"
#include "parameters/ParameterDescriptor.h"

namespace ravlo {

class XgModel;

// The three effect blocks: every type's current row (EffectRows), which type
// each block runs, and the operations that change them: the parameter
// setters, a new type or the type's defaults from the editors, a whole block
// in a pass, what a file or a read-back brings. Every change stores what went
// out and tells the model's observers; a failed send stores nothing.
//
// A type the tables do not hold (larger XG instruments have more) is kept as
// it came, by its two type bytes and the values received for it, and goes
// back out as it came.
class EffectModel : private EffectRows {
 public:
  // Reading every type's values; writing goes through the operations below.
  using EffectRows::GetEffectRow;
  using EffectRows::GetVariationSettings;

  static constexpr int kDefaultReverbType = 1;
  static constexpr int kDefaultChorusType = 1;
  static constexpr int kDefaultVariationType = 20;
  // The pause the editors use between the two dumps of a block.
  static constexpr unsigned kEditorBlockPauseMs = 2;

  explicit EffectModel(XgModel& model) : model_(model) {}

  // Every row and every VariationSettings at its defaults, and the XG
  // default type in each block; the model tells its observers.
  void ResetToDefaults();

  // The type index the block runs; EffectTypeCount(kind) while it runs a type
  // the tables do not hold.
  int Type(EffectKind kind) const { return types_[Index(kind)]; }
  bool IsKnownType(EffectKind kind) const;
  // The two type bytes of what the block runs.
  std::array<std::uint8_t, 2> TypeNumber(EffectKind kind) const;
  // The type's name (with Extended also a later instrument's type), or
  // "Unknown (5E 00)" for a type no table holds.
  std::string TypeDisplayName(EffectKind kind) const;
  // What the block runs now: the current type's row, or what came for an
  // unknown type (0 where nothing came).
  EffectRow CurrentRow(EffectKind kind) const;
  VariationSettings CurrentVariationSettings() const;
  // Whether a value of the unknown type the block runs came (or was edited
  // since); false while the block runs a known type.
  bool UnknownValueCame(EffectKind kind, std::size_t slotOrParam) const;
  // Variation parameter `param` (0..15) of the type the block runs, labelled
  // by the amp type its Param 2 holds; "Parameter 3" and its raw value for a
  // type the tables lack.
  ParameterDescriptor CurrentVariationParameter(std::size_t param) const;
  // A Reverb or Chorus slot as the type the block runs reads it: the slot
  // table's, or the raw "Parameter 3" of a type the tables lack.
  ParameterDescriptor CurrentSlotParameter(EffectKind kind, std::size_t slot) const;
  // True when a Reverb or Chorus slot means something to the type the block
  // runs: a known type with parameters, and the slot's gate (where it has
  // one) not holding the 255 of a parameter the type leaves out. Every
  // parameter slot of a type the tables lack may mean something.
  bool SlotInUse(EffectKind kind, std::size_t slot) const;

  // Reverb or Chorus: slot 2..19 / 2..20, one 9-byte change; a value above
  // 254 sends nothing and succeeds. Variation: parameter 1..10 as a 10-byte
  // change (MSB, LSB), 11..16 as a 9-byte change. Stored in the current
  // type's row.
  bool SetEffectParameter(EffectKind kind, int slotOrParameter, int value);
  // A VariationSettings byte: a 9-byte change at 0x56 + setting.
  bool SetEffectParameter(VariationSetting setting, int value);
  // The connection and the part are one setting for every type.
  bool SetVariationConnection(bool system);
  bool SetVariationPart(int part);

  // The Variation window's connection buttons: the connection, then what
  // makes it count: a system effect needs the send level of the channel the
  // Controllers window shows, an insertion the part it goes to.
  bool SwitchVariationConnection(bool system, MidiChannel sendChannel);

  // The editors' type list: the block runs `typeIndex` with the values last
  // edited for it, sent as the block's two dumps with the pause between.
  bool ChangeType(EffectKind kind, int typeIndex);
  // The editors' type list: the table's types, then with Extended the later
  // instruments' types the block can run, in type number order (none with
  // Basic). The place in it of what the block runs; none for a type no list
  // holds.
  std::vector<ExtendedEffectType> ExtendedTypes(EffectKind kind) const;
  std::optional<int> ListedType(EffectKind kind) const;
  // The type at `index` of that list: a table type as ChangeType sends it, a
  // later type as one type change (the synthesizer loads its values itself;
  // the program knows them as they are read back or edited).
  bool ChangeToListedType(EffectKind kind, int index);
  // The editors' Default: the current type's default values (for Variation
  // also its default settings, insertion connection and no part), sent as the
  // two dumps. A type the tables lack has no defaults here: its values and
  // settings go back to what was received for it, and out as they came.
  bool RestoreTypeDefaults(EffectKind kind);

  // The block as a bulk send writes it and the synthesizer answers requests
  // for it: the dump from the type address and the dump of Params 11..16
  // (an unknown type as it came, 0 where nothing came).
  std::optional<std::array<XgMessage, 2>> BlockDumps(EffectKind kind) const;

  // The pass: two bulk dumps with the pause between them, or the type change
  // and every value that differs from its default, each followed by the pause.
  bool SendEffectBlock(EffectKind kind, bool nonDefaultOnly, unsigned pauseMs);

  // The edit history's view of a block: the type it runs, what came for an
  // unknown type (type bytes, values, which came, settings), every known
  // type's row and (Variation) settings. PutCells stores them without a
  // message (one notice); SendCell sends a value of what the block runs now
  // by its setter (other types' values and the type have no message).
  static std::size_t CellCount(EffectKind kind);
  // The Variation connection, as every type holds it.
  static std::size_t ConnectionCell();
  bool CopyCells(EffectKind kind, std::span<ImageCell> cells) const;
  bool PutCells(EffectKind kind, std::span<const ImageCell> cells);
  CellSend SendCell(EffectKind kind, std::size_t cell, std::span<const ImageCell> target);

  // Stores a received effect parameter change (already passed on). False
  // when the message is too short or its address is not an effect slot.
  bool StoreEffectParameter(std::span<const std::uint8_t> message);
  // Stores a received effect bulk dump (already passed on, length checked).
  bool StoreEffectBulk(std::span<const std::uint8_t> message);

 private:
  // What came for a type the tables do not hold: its type bytes, every value
  // by slot (Reverb, Chorus) or parameter (Variation), and which of them came.
  struct UnknownValues {
    std::array<std::int32_t, kMaxEffectRowLength> values{};
    std::array<bool, kMaxEffectRowLength> received{};
    VariationSettings settings{};
  };
  struct UnknownType : UnknownValues {
    std::array<std::uint8_t, 2> number{};
    // As the file or the synthesizer gave them, for Default.
    UnknownValues arrived{};
  };

  static std::size_t Index(EffectKind kind) { return static_cast<std::size_t>(kind); }
  bool SetType(EffectKind kind, int typeIndex);

  // One parameter change each; the values are taken as the wire can carry them.
  bool EmitSlot(EffectKind kind, std::size_t slot, int32_t value);
  bool EmitVariationParam(std::size_t param, int32_t value);
  bool EmitVariationSetting(std::size_t setting, int32_t value);

  // The block's two dumps from the given values, built and sent.
  std::array<XgMessage, 2> BuildBlockDumps(EffectKind kind, std::array<std::uint8_t, 2> number,
                                           const EffectRow& values, const EffectRow& defaults,
                                           const VariationSettings& settings) const;
  bool SendBlockDumps(EffectKind kind, std::array<std::uint8_t, 2> number, const EffectRow& values,
                      const EffectRow& defaults, const VariationSettings& settings,
                      unsigned pauseMs);
  bool SendSlotChanges(EffectKind kind, std::size_t type, unsigned pauseMs);
  bool SendVariationChanges(std::size_t type, unsigned pauseMs);
  // An unknown type as it came: the type change, then each value that came
  // and the settings (those off their defaults, or every one).
  enum class Settings { OffDefault, All };
  bool SendUnknownType(EffectKind kind, unsigned pauseMs, Settings settings = Settings::OffDefault);
  // What arrived for the unknown types is kept at the end of every intake.
  void KeepArrived();

  // Stores one value of the current type (or of the unknown one) and tells.
  void StoreValue(EffectKind kind, std::size_t slotOrParam, int32_t value);
  void StoreSetting(std::size_t setting, std::uint8_t value);
  void EnterUnknownType(EffectKind kind, std::uint8_t msb, std::uint8_t lsb);
  // Connection and part into every type's settings, the unknown one's too.
  void Spread(std::uint8_t connection, std::uint8_t part);

  bool StoreReceivedParameter(std::span<const std::uint8_t> message);
  bool StoreReceivedBulk(std::span<const std::uint8_t> message);
  bool StoreTypeChange(EffectKind kind, std::uint8_t msb, std::uint8_t lsb);
  bool StoreSlot(EffectKind kind, std::uint8_t addressLow, std::uint8_t value);

  bool StoreTypeDump(EffectKind kind, std::span<const std::uint8_t> data);
  bool StoreVariationDump(std::span<const std::uint8_t> data);
  // Received bytes from `firstSlot` (Reverb, Chorus) or parameter index
  // `firstSlot` (Variation) on, up to `endSlot`.
  void StoreRun(EffectKind kind, std::size_t firstSlot, std::size_t endSlot,
                std::span<const std::uint8_t> data);

  void RaiseChanged(EffectKind kind);
  void Publish(EffectKind kind, std::uint8_t addressLow, int32_t old, int32_t value);

  XgModel& model_;
  std::array<int, 3> types_{kDefaultReverbType, kDefaultChorusType, kDefaultVariationType};
  std::array<UnknownType, 3> unknown_{};
};

// The model block of an effect kind's notices.
ModelBlock EffectBlock(EffectKind kind);

}  // namespace ravlo
