#include "effects/EffectModel.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "effects/EffectAddresses.h"
#include "effects/EffectLookups.h"
#include "effects/ExtendedEffectTypes.h"
#include "messages/XgMessages.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"

namespace ravlo {
namespace {

// A received parameter change: F0 43 1n 4C ah am al data.. F7.
constexpr std::size_t kChangeAddressHigh = 4;
constexpr std::size_t kChangeAddressMid = 5;
constexpr std::size_t kChangeAddressLow = 6;
constexpr std::size_t kOneByteChangeSize = kChangeHeaderSize + 2;
constexpr std::size_t kTwoByteChangeSize = kChangeHeaderSize + 3;

// A received bulk dump: F0 43 0n 4C bh bl ah am al data.. cs F7.
constexpr std::size_t kBulkAddressHigh = 6;
constexpr std::size_t kBulkAddressMid = 7;
constexpr std::size_t kBulkAddressLow = 8;

// Address lows of the second dump of each block.
constexpr std::uint8_t kReverbTailAddressLow = 0x10;
constexpr std::uint8_t kChorusTailAddressLow = 0x30;

constexpr std::int32_t kMaxDataByte = 0x7F;

// Type MSB and LSB, then the ten parameters as pairs, then the settings.
constexpr std::size_t kTypeNumberSize = 2;
constexpr std::size_t kVariationHeadCount =
    kTypeNumberSize + 2 * kVariationTwoByteParamCount + kVariationSettingCount;
static_assert(kVariationHeadCount == 33);
constexpr std::size_t kVariationTailCount = kVariationParamCount - kVariationTwoByteParamCount;
constexpr std::size_t kVariationSettingsOffset = kTypeNumberSize + 2 * kVariationTwoByteParamCount;

constexpr std::size_t kConnectionIndex = static_cast<std::size_t>(VariationSetting::Connection);

// The edit history's cells of a block, in this order.
constexpr std::size_t kRowCells = kMaxEffectRowLength;
constexpr std::size_t kSettingCells = kVariationSettingCount;
constexpr std::size_t kTypeCell = 0;
constexpr std::size_t kUnknownNumberCell = 1;
constexpr std::size_t kUnknownValuesCell = kUnknownNumberCell + kTypeNumberSize;
constexpr std::size_t kUnknownReceivedCell = kUnknownValuesCell + kRowCells;
constexpr std::size_t kUnknownSettingsCell = kUnknownReceivedCell + kRowCells;
constexpr std::size_t kRowsCell = kUnknownSettingsCell + kSettingCells;
constexpr std::size_t kPartIndex = static_cast<std::size_t>(VariationSetting::Part);

// Wire data are 7-bit: a value that a malformed file left in a row must not
// turn into a status byte on the way out.
std::array<std::uint8_t, 2> SplitPair(std::int32_t value) {
  return {wire::SevenBitPairMsb(value), wire::SevenBitPairLsb(value)};
}

// Reverb and Chorus slots from Param 11 on go in the block's second dump.
std::size_t TailSlot(EffectKind kind) {
  return kind == EffectKind::Reverb ? static_cast<std::size_t>(ReverbSlot::Param11)
                                    : static_cast<std::size_t>(ChorusSlot::Param11);
}

RefreshMark ChangedMark(EffectKind kind) {
  switch (kind) {
    case EffectKind::Reverb:
      return RefreshMark::Reverb;
    case EffectKind::Chorus:
      return RefreshMark::Chorus;
    case EffectKind::Variation:
      break;
  }
  return RefreshMark::Variation;
}

bool IsKnownKind(EffectKind kind) {
  return EffectTypeCount(kind) > 0;
}

// The address low of a row slot (Reverb, Chorus) or a parameter index 0..15 (Variation).
std::uint8_t ValueAddress(EffectKind kind, std::size_t slotOrParam) {
  if (kind == EffectKind::Variation) return VariationParamAddress(slotOrParam + 1).value_or(0);
  return EffectSlotAddress(kind, slotOrParam).value_or(0);
}

// An unknown type uses no value in a way we know of: none is left out.
EffectRow NothingUnused(EffectKind kind) {
  return EffectRow(EffectRowLength(kind));
}

}  // namespace

ModelBlock EffectBlock(EffectKind kind) {
  switch (kind) {
    case EffectKind::Reverb:
      return ModelBlock::Reverb;
    case EffectKind::Chorus:
      return ModelBlock::Chorus;
    case EffectKind::Variation:
      break;
  }
  return ModelBlock::Variation;
}

void EffectModel::ResetToDefaults() {
  ResetAll();
  types_ = {kDefaultReverbType, kDefaultChorusType, kDefaultVariationType};
  unknown_ = {};
}

bool EffectModel::SetType(EffectKind kind, int typeIndex) {
  if (typeIndex < 0 || static_cast<std::size_t>(typeIndex) >= EffectTypeCount(kind)) return false;
  types_[Index(kind)] = typeIndex;
  return true;
}

bool EffectModel::IsKnownType(EffectKind kind) const {
  return static_cast<std::size_t>(Type(kind)) < EffectTypeCount(kind);
}

std::array<std::uint8_t, 2> EffectModel::TypeNumber(EffectKind kind) const {
  if (!IsKnownType(kind)) return unknown_[Index(kind)].number;
  return EffectTypeNumber(kind, static_cast<std::size_t>(Type(kind)));
}

std::string EffectModel::TypeDisplayName(EffectKind kind) const {
  if (IsKnownType(kind)) {
    return std::string(EffectTypeName(kind, static_cast<std::size_t>(Type(kind))));
  }
  const auto number = TypeNumber(kind);
  if (model_.IsExtended()) {
    if (const auto extended = FindExtendedEffectType(kind, number[0], number[1])) {
      return std::string(extended->name);
    }
  }
  char text[24];
  std::snprintf(text, sizeof text, "Unknown (%02X %02X)", number[0], number[1]);
  return text;
}

EffectRow EffectModel::CurrentRow(EffectKind kind) const {
  if (IsKnownType(kind)) {
    return GetEffectRow(kind, static_cast<std::size_t>(Type(kind))).value_or(EffectRow());
  }
  const UnknownType& unknown = unknown_[Index(kind)];
  EffectRow row(std::span<const std::int32_t>(unknown.values).first(EffectRowLength(kind)));
  if (kind != EffectKind::Variation) {
    row.Values()[0] = unknown.number[0];
    row.Values()[1] = unknown.number[1];
  }
  return row;
}

VariationSettings EffectModel::CurrentVariationSettings() const {
  if (!IsKnownType(EffectKind::Variation)) return unknown_[Index(EffectKind::Variation)].settings;
  return GetVariationSettings(static_cast<std::size_t>(Type(EffectKind::Variation)))
      .value_or(kVariationSettingsDefaults);
}

bool EffectModel::UnknownValueCame(EffectKind kind, std::size_t slotOrParam) const {
  if (!IsKnownKind(kind) || IsKnownType(kind) || slotOrParam >= kMaxEffectRowLength) return false;
  return unknown_[Index(kind)].received[slotOrParam];
}

ParameterDescriptor EffectModel::CurrentVariationParameter(std::size_t param) const {
  if (!IsKnownType(EffectKind::Variation))
    return UnknownTypeParameter(EffectKind::Variation, param);
  const EffectRow row = CurrentRow(EffectKind::Variation);
  const std::int32_t ampType = row.Size() > 1 ? row.Values()[1] : -1;
  return VariationParameter(static_cast<std::size_t>(Type(EffectKind::Variation)), param, ampType,
                            model_.Instrument());
}

ParameterDescriptor EffectModel::CurrentSlotParameter(EffectKind kind, std::size_t slot) const {
  if (!IsKnownType(kind)) return UnknownTypeParameter(kind, slot);
  const std::span<const EffectSlot> slots = EffectSlots(kind);
  return slot < slots.size() ? slots[slot].parameter : ParameterDescriptor{};
}

bool EffectModel::SlotInUse(EffectKind kind, std::size_t slot) const {
  const std::span<const EffectSlot> slots = EffectSlots(kind);
  if (slot >= slots.size()) return false;
  if (!IsKnownType(kind)) return slot >= kFirstEffectParamSlot;
  // Type 0 of each block is "No Effect".
  if (Type(kind) == 0) return false;
  const std::size_t gate = slots[slot].gateSlot;
  return gate == kNoGate || IsDataByte(CurrentRow(kind)[gate]);
}

// --- Storing -----------------------------------------------------------------

void EffectModel::Publish(EffectKind kind, std::uint8_t addressLow, int32_t old, int32_t value) {
  if (old == value) return;
  model_.Publish({EffectBlock(kind), Type(kind), xg_block::EffectAddress(addressLow), old, value});
}

void EffectModel::StoreValue(EffectKind kind, std::size_t slotOrParam, int32_t value) {
  int32_t old = 0;
  if (IsKnownType(kind)) {
    const auto stored =
        PutEffectValue(kind, static_cast<std::size_t>(Type(kind)), slotOrParam, value);
    if (!stored) return;
    old = *stored;
  } else {
    UnknownType& unknown = unknown_[Index(kind)];
    if (slotOrParam >= EffectRowLength(kind)) return;
    old = unknown.values[slotOrParam];
    unknown.values[slotOrParam] = value;
    unknown.received[slotOrParam] = true;
  }
  Publish(kind, ValueAddress(kind, slotOrParam), old, value);
}

void EffectModel::StoreSetting(std::size_t setting, std::uint8_t value) {
  VariationSettings settings = CurrentVariationSettings();
  const std::uint8_t old = settings[setting];
  settings[setting] = value;
  if (IsKnownType(EffectKind::Variation)) {
    PutVariationSettings(static_cast<std::size_t>(Type(EffectKind::Variation)), settings);
  } else {
    unknown_[Index(EffectKind::Variation)].settings = settings;
  }
  if (setting == kConnectionIndex || setting == kPartIndex) {
    Spread(settings[kConnectionIndex], settings[kPartIndex]);
  }
  Publish(EffectKind::Variation, static_cast<std::uint8_t>(kVariationSettingsAddressLow + setting),
          old, value);
}

void EffectModel::Spread(std::uint8_t connection, std::uint8_t part) {
  SpreadConnectionAndPart(connection, part);
  VariationSettings& unknown = unknown_[Index(EffectKind::Variation)].settings;
  unknown[kConnectionIndex] = connection;
  unknown[kPartIndex] = part;
}

void EffectModel::EnterUnknownType(EffectKind kind, std::uint8_t msb, std::uint8_t lsb) {
  UnknownType& unknown = unknown_[Index(kind)];
  // Connection and part are global: a new type does not take them away.
  const VariationSettings previous = CurrentVariationSettings();
  unknown = {};
  unknown.number = {msb, lsb};
  unknown.settings = kVariationSettingsDefaults;
  unknown.settings[kConnectionIndex] = previous[kConnectionIndex];
  unknown.settings[kPartIndex] = previous[kPartIndex];
  types_[Index(kind)] = static_cast<int>(EffectTypeCount(kind));
}

// --- Setters ---------------------------------------------------------------

bool EffectModel::SetEffectParameter(EffectKind kind, int slotOrParameter, int value) {
  if (!IsKnownKind(kind) || value < 0 || slotOrParameter < 0) return false;
  const auto index = static_cast<std::size_t>(slotOrParameter);
  if (kind == EffectKind::Variation) {
    if (index < 1 || index > kVariationParamCount) return false;
    const std::int32_t limit =
        index <= kVariationTwoByteParamCount ? kEffectMaxPairValue : kMaxDataByte;
    if (value > limit || !EmitVariationParam(index, value)) return false;
    StoreValue(kind, index - 1, value);
    return true;
  }
  if (index < kFirstEffectParamSlot || index >= EffectRowLength(kind)) return false;
  // 255 marks a parameter the type does not use: there is nothing to send.
  if (value >= kEffectParamUnused) return true;
  if (value > kMaxDataByte || !EmitSlot(kind, index, value)) return false;
  StoreValue(kind, index, value);
  return true;
}

bool EffectModel::SetEffectParameter(VariationSetting setting, int value) {
  const auto index = static_cast<std::size_t>(setting);
  if (index >= kVariationSettingCount || value < 0 || value > kMaxDataByte) return false;
  if (!EmitVariationSetting(index, value)) return false;
  StoreSetting(index, static_cast<std::uint8_t>(value));
  return true;
}

bool EffectModel::SwitchVariationConnection(bool system, MidiChannel sendChannel) {
  if (!SetVariationConnection(system)) return false;
  // What follows only repeats stored values: a failure there changes nothing.
  if (system) {
    model_.Channels().SendController(sendChannel, static_cast<int>(ControllerSlot::Variation));
  } else {
    SetVariationPart(CurrentVariationSettings()[kPartIndex]);
  }
  return true;
}

bool EffectModel::SetVariationConnection(bool system) {
  return SetEffectParameter(VariationSetting::Connection,
                            system ? kVariationConnectionSystem : kVariationConnectionInsertion);
}

bool EffectModel::SetVariationPart(int part) {
  return SetEffectParameter(VariationSetting::Part, part);
}

bool EffectModel::EmitSlot(EffectKind kind, std::size_t slot, std::int32_t value) {
  const auto address = EffectSlotAddress(kind, slot);
  if (!address) return false;
  return model_.Emitter().EmitParameterChange(xg_block::EffectAddress(*address),
                                              EffectDataByte(value));
}

bool EffectModel::EmitVariationParam(std::size_t param, std::int32_t value) {
  const auto address = VariationParamAddress(param);
  if (!address) return false;
  if (param <= kVariationTwoByteParamCount) {
    const auto pair = SplitPair(value);
    return model_.Emitter().EmitParameterChange(xg_block::EffectAddress(*address), pair);
  }
  return model_.Emitter().EmitParameterChange(xg_block::EffectAddress(*address),
                                              EffectDataByte(value));
}

bool EffectModel::EmitVariationSetting(std::size_t setting, std::int32_t value) {
  const auto low = static_cast<std::uint8_t>(kVariationSettingsAddressLow + setting);
  return model_.Emitter().EmitParameterChange(xg_block::EffectAddress(low), EffectDataByte(value));
}

// --- The edit history's view ---------------------------------------------------

std::size_t EffectModel::CellCount(EffectKind kind) {
  const std::size_t types = EffectTypeCount(kind);
  return kRowsCell + types * kRowCells +
         (kind == EffectKind::Variation ? types * kSettingCells : 0);
}

std::size_t EffectModel::ConnectionCell() {
  return kUnknownSettingsCell + kConnectionIndex;
}

bool EffectModel::CopyCells(EffectKind kind, std::span<ImageCell> cells) const {
  if (!IsKnownKind(kind) || cells.size() < CellCount(kind)) return false;
  std::fill(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(CellCount(kind)), 0);
  const UnknownType& unknown = unknown_[Index(kind)];
  cells[kTypeCell] = Type(kind);
  std::copy(unknown.number.begin(), unknown.number.end(), cells.begin() + kUnknownNumberCell);
  std::copy(unknown.values.begin(), unknown.values.end(), cells.begin() + kUnknownValuesCell);
  std::copy(unknown.received.begin(), unknown.received.end(), cells.begin() + kUnknownReceivedCell);
  std::copy(unknown.settings.begin(), unknown.settings.end(), cells.begin() + kUnknownSettingsCell);
  const std::size_t types = EffectTypeCount(kind);
  for (std::size_t type = 0; type < types; ++type) {
    const auto row = GetEffectRow(kind, type);
    if (!row) return false;
    std::copy(row->Values().begin(), row->Values().end(),
              cells.begin() + static_cast<std::ptrdiff_t>(kRowsCell + type * kRowCells));
    if (kind != EffectKind::Variation) continue;
    const auto settings = GetVariationSettings(type);
    if (!settings) return false;
    std::copy(settings->begin(), settings->end(),
              cells.begin() + static_cast<std::ptrdiff_t>(kRowsCell + types * kRowCells +
                                                          type * kSettingCells));
  }
  return true;
}

bool EffectModel::PutCells(EffectKind kind, std::span<const ImageCell> cells) {
  if (!IsKnownKind(kind) || cells.size() < CellCount(kind)) return false;
  const auto byte = [&](std::size_t cell) { return static_cast<std::uint8_t>(cells[cell]); };
  UnknownType& unknown = unknown_[Index(kind)];
  types_[Index(kind)] = cells[kTypeCell];
  unknown.number = {byte(kUnknownNumberCell), byte(kUnknownNumberCell + 1)};
  for (std::size_t i = 0; i < kRowCells; ++i) {
    unknown.values[i] = cells[kUnknownValuesCell + i];
    unknown.received[i] = cells[kUnknownReceivedCell + i] != 0;
  }
  for (std::size_t i = 0; i < kSettingCells; ++i)
    unknown.settings[i] = byte(kUnknownSettingsCell + i);
  const std::size_t types = EffectTypeCount(kind);
  const std::size_t length = EffectRowLength(kind);
  for (std::size_t type = 0; type < types; ++type) {
    PutEffectRow(kind, type, EffectRow(cells.subspan(kRowsCell + type * kRowCells, length)));
    if (kind != EffectKind::Variation) continue;
    VariationSettings settings{};
    const std::size_t first = kRowsCell + types * kRowCells + type * kSettingCells;
    for (std::size_t i = 0; i < kSettingCells; ++i) settings[i] = byte(first + i);
    PutVariationSettings(type, settings);
  }
  model_.PublishWhole(EffectBlock(kind));
  return true;
}

CellSend EffectModel::SendCell(EffectKind kind, std::size_t cell,
                               std::span<const ImageCell> target) {
  if (!IsKnownKind(kind) || target.size() < CellCount(kind)) return CellSend::NotSent;
  const std::size_t types = EffectTypeCount(kind);
  const bool known = IsKnownType(kind);
  const std::size_t type = static_cast<std::size_t>(Type(kind));
  const std::size_t rowFirst = known ? kRowsCell + type * kRowCells : kUnknownValuesCell;
  const std::size_t settingsFirst =
      known ? kRowsCell + types * kRowCells + type * kSettingCells : kUnknownSettingsCell;
  bool sent = false;
  if (cell >= rowFirst && cell < rowFirst + EffectRowLength(kind)) {
    const std::size_t slot = cell - rowFirst;
    if (kind != EffectKind::Variation && slot < kFirstEffectParamSlot) return CellSend::NotSent;
    const int slotOrParameter = static_cast<int>(kind == EffectKind::Variation ? slot + 1 : slot);
    sent = SetEffectParameter(kind, slotOrParameter, target[cell]);
  } else if (kind == EffectKind::Variation && cell >= settingsFirst &&
             cell < settingsFirst + kSettingCells) {
    sent = SetEffectParameter(static_cast<VariationSetting>(cell - settingsFirst), target[cell]);
  } else {
    return CellSend::NotSent;
  }
  return sent ? CellSend::Sent : CellSend::Failed;
}

// --- Type and defaults from the editors ---------------------------------------

bool EffectModel::ChangeType(EffectKind kind, int typeIndex) {
  if (typeIndex < 0 || static_cast<std::size_t>(typeIndex) >= EffectTypeCount(kind)) return false;
  const auto type = static_cast<std::size_t>(typeIndex);
  const auto row = GetEffectRow(kind, type);
  const auto defaults = DefaultEffectRow(kind, type);
  const auto settings = GetVariationSettings(kind == EffectKind::Variation ? type : 0);
  if (!row || !defaults || !settings) return false;
  if (!SendBlockDumps(kind, EffectTypeNumber(kind, type), *row, *defaults, *settings,
                      kEditorBlockPauseMs)) {
    return false;
  }
  SetType(kind, typeIndex);
  model_.PublishWhole(EffectBlock(kind));
  return true;
}

std::vector<ExtendedEffectType> EffectModel::ExtendedTypes(EffectKind kind) const {
  std::vector<ExtendedEffectType> types;
  if (!model_.IsExtended()) return types;
  for (const ExtendedEffectType& type : ExtendedEffectTypes()) {
    if (FindExtendedEffectType(kind, type.msb, type.lsb)) types.push_back(type);
  }
  return types;
}

std::optional<int> EffectModel::ListedType(EffectKind kind) const {
  if (IsKnownType(kind)) return Type(kind);
  const auto number = TypeNumber(kind);
  const std::vector<ExtendedEffectType> later = ExtendedTypes(kind);
  for (std::size_t i = 0; i < later.size(); ++i) {
    if (later[i].msb == number[0] && later[i].lsb == number[1]) {
      return static_cast<int>(EffectTypeCount(kind) + i);
    }
  }
  return std::nullopt;
}

bool EffectModel::ChangeToListedType(EffectKind kind, int index) {
  const auto first = static_cast<int>(EffectTypeCount(kind));
  if (index < first) return ChangeType(kind, index);
  const std::vector<ExtendedEffectType> later = ExtendedTypes(kind);
  if (index - first >= static_cast<int>(later.size())) return false;
  const ExtendedEffectType& type = later[static_cast<std::size_t>(index - first)];
  const std::array<std::uint8_t, 2> number{type.msb, type.lsb};
  if (!model_.Emitter().EmitParameterChange(xg_block::EffectAddress(EffectTypeAddress(kind)),
                                            number)) {
    return false;
  }
  EnterUnknownType(kind, type.msb, type.lsb);
  model_.PublishWhole(EffectBlock(kind));
  return true;
}

bool EffectModel::RestoreTypeDefaults(EffectKind kind) {
  if (!IsKnownKind(kind)) return false;
  if (!IsKnownType(kind)) {
    UnknownType& unknown = unknown_[Index(kind)];
    const UnknownValues edited = unknown;
    static_cast<UnknownValues&>(unknown) = unknown.arrived;
    // Every setting goes out: one edited back to its default must be heard.
    if (!SendUnknownType(kind, kEditorBlockPauseMs, Settings::All)) {
      static_cast<UnknownValues&>(unknown) = edited;
      return false;
    }
    if (kind == EffectKind::Variation) {
      Spread(unknown.settings[kConnectionIndex], unknown.settings[kPartIndex]);
    }
    model_.PublishWhole(EffectBlock(kind));
    return true;
  }
  const auto type = static_cast<std::size_t>(Type(kind));
  const auto defaults = DefaultEffectRow(kind, type);
  if (!defaults) return false;
  // Default also takes the insertion back to no part.
  VariationSettings settings = kVariationSettingsDefaults;
  settings[kConnectionIndex] = kVariationConnectionInsertion;
  settings[kPartIndex] = kVariationPartOff;
  if (!SendBlockDumps(kind, EffectTypeNumber(kind, type), *defaults, *defaults, settings,
                      kEditorBlockPauseMs)) {
    return false;
  }
  ResetEffectRow(kind, type);
  if (kind == EffectKind::Variation) {
    ResetVariationSettings(type);
    Spread(kVariationConnectionInsertion, kVariationPartOff);
  }
  model_.PublishWhole(EffectBlock(kind));
  return true;
}

// --- Block send ------------------------------------------------------------

bool EffectModel::SendEffectBlock(EffectKind kind, bool nonDefaultOnly, unsigned pauseMs) {
  if (!IsKnownKind(kind)) return false;
  if (!IsKnownType(kind)) return SendUnknownType(kind, pauseMs);
  const auto type = static_cast<std::size_t>(Type(kind));
  if (!nonDefaultOnly) {
    const auto dumps = BlockDumps(kind);
    return dumps && model_.Emitter().EmitPaced(*dumps, pauseMs);
  }

  // The synthesizer loads a type's defaults itself when it receives the type.
  if (type != XgDefaultEffectType(kind)) {
    const auto number = TypeNumber(kind);
    if (!model_.Emitter().EmitParameterChange(xg_block::EffectAddress(EffectTypeAddress(kind)),
                                              number)) {
      return false;
    }
  }
  model_.Emitter().Pause(pauseMs);
  return kind == EffectKind::Variation ? SendVariationChanges(type, pauseMs)
                                       : SendSlotChanges(kind, type, pauseMs);
}

std::optional<std::array<XgMessage, 2>> EffectModel::BlockDumps(EffectKind kind) const {
  if (!IsKnownKind(kind)) return std::nullopt;
  std::optional<EffectRow> defaults = NothingUnused(kind);
  if (IsKnownType(kind)) defaults = DefaultEffectRow(kind, static_cast<std::size_t>(Type(kind)));
  if (!defaults) return std::nullopt;
  return BuildBlockDumps(kind, TypeNumber(kind), CurrentRow(kind), *defaults,
                         CurrentVariationSettings());
}

bool EffectModel::SendBlockDumps(EffectKind kind, std::array<std::uint8_t, 2> number,
                                 const EffectRow& current, const EffectRow& defaults,
                                 const VariationSettings& settings, unsigned pauseMs) {
  return model_.Emitter().EmitPaced(BuildBlockDumps(kind, number, current, defaults, settings),
                                    pauseMs);
}

std::array<XgMessage, 2> EffectModel::BuildBlockDumps(EffectKind kind,
                                                      std::array<std::uint8_t, 2> number,
                                                      const EffectRow& current,
                                                      const EffectRow& defaults,
                                                      const VariationSettings& settings) const {
  const auto values = current.Values();
  const auto unused = [&](std::size_t i) { return defaults[i] == kEffectParamUnused; };

  std::array<std::uint8_t, kVariationHeadCount> head{};
  std::size_t headCount = 0;
  std::array<std::uint8_t, kVariationTailCount> tail{};
  std::size_t tailCount = 0;
  std::uint8_t headLow = EffectTypeAddress(kind);
  std::uint8_t tailLow = kVariationParam11AddressLow;

  if (kind == EffectKind::Variation) {
    for (std::uint8_t byte : number) head[headCount++] = byte;
    for (std::size_t p = 0; p < kVariationTwoByteParamCount; ++p) {
      const auto pair = SplitPair(unused(p) ? 0 : values[p]);
      head[headCount++] = pair[0];
      head[headCount++] = pair[1];
    }
    for (std::uint8_t byte : settings) head[headCount++] = EffectDataByte(byte);
    for (std::size_t p = kVariationTwoByteParamCount; p < kVariationParamCount; ++p) {
      tail[tailCount++] = unused(p) ? 0 : EffectDataByte(values[p]);
    }
  } else {
    tailLow = kind == EffectKind::Reverb ? kReverbTailAddressLow : kChorusTailAddressLow;
    for (std::size_t slot = 0; slot < values.size(); ++slot) {
      const std::int32_t value = slot < kFirstEffectParamSlot ? number[slot] : values[slot];
      const std::uint8_t byte = unused(slot) ? 0 : EffectDataByte(value);
      if (slot < TailSlot(kind)) {
        head[headCount++] = byte;
      } else {
        tail[tailCount++] = byte;
      }
    }
  }

  const UnitNumber unit = model_.Unit();
  const std::uint8_t modelId = model_.ModelId();
  return {BuildBulkDump(unit, modelId, xg_block::EffectAddress(headLow), {head.data(), headCount}),
          BuildBulkDump(unit, modelId, xg_block::EffectAddress(tailLow), {tail.data(), tailCount})};
}

bool EffectModel::SendSlotChanges(EffectKind kind, std::size_t type, unsigned pauseMs) {
  const auto current = GetEffectRow(kind, type);
  const auto defaults = DefaultEffectRow(kind, type);
  if (!current || !defaults) return false;
  for (std::size_t slot = kFirstEffectParamSlot; slot < current->Size(); ++slot) {
    const std::int32_t value = current->Values()[slot];
    if (value == defaults->Values()[slot]) continue;
    if (value != kEffectParamUnused && !EmitSlot(kind, slot, value)) return false;
    // A 255 written into a slot is not sent but keeps its place in the pacing.
    model_.Emitter().Pause(pauseMs);
  }
  return true;
}

bool EffectModel::SendVariationChanges(std::size_t type, unsigned pauseMs) {
  const auto current = GetEffectRow(EffectKind::Variation, type);
  const auto defaults = DefaultEffectRow(EffectKind::Variation, type);
  const auto settings = GetVariationSettings(type);
  if (!current || !defaults || !settings) return false;
  for (std::size_t p = 0; p < kVariationParamCount; ++p) {
    const std::int32_t value = current->Values()[p];
    if (value == defaults->Values()[p]) continue;
    if (!EmitVariationParam(p + 1, value)) return false;
    model_.Emitter().Pause(pauseMs);
  }
  for (std::size_t s = 0; s < kVariationSettingCount; ++s) {
    if ((*settings)[s] == kVariationSettingsDefaults[s]) continue;
    if (!EmitVariationSetting(s, (*settings)[s])) return false;
    model_.Emitter().Pause(pauseMs);
  }
  return true;
}

bool EffectModel::SendUnknownType(EffectKind kind, unsigned pauseMs, Settings settings) {
  const UnknownType& unknown = unknown_[Index(kind)];
  const std::size_t length = EffectRowLength(kind);
  const std::size_t first = kind == EffectKind::Variation ? 0 : kFirstEffectParamSlot;
  const bool allReceived =
      std::all_of(unknown.received.begin() + static_cast<std::ptrdiff_t>(first),
                  unknown.received.begin() + static_cast<std::ptrdiff_t>(length),
                  [](bool received) { return received; });
  // What came as a whole block goes back as one.
  if (allReceived) {
    return model_.Emitter().EmitPaced(*BlockDumps(kind), pauseMs);
  }
  XgEmitter& emitter = model_.Emitter();
  if (!emitter.EmitParameterChange(xg_block::EffectAddress(EffectTypeAddress(kind)),
                                   unknown.number)) {
    return false;
  }
  emitter.Pause(pauseMs);
  for (std::size_t i = first; i < length; ++i) {
    if (!unknown.received[i]) continue;
    const bool sent = kind == EffectKind::Variation ? EmitVariationParam(i + 1, unknown.values[i])
                                                    : EmitSlot(kind, i, unknown.values[i]);
    if (!sent) return false;
    emitter.Pause(pauseMs);
  }
  if (kind != EffectKind::Variation) return true;
  for (std::size_t s = 0; s < kVariationSettingCount; ++s) {
    if (settings == Settings::OffDefault && unknown.settings[s] == kVariationSettingsDefaults[s]) {
      continue;
    }
    if (!EmitVariationSetting(s, unknown.settings[s])) return false;
    emitter.Pause(pauseMs);
  }
  return true;
}

// --- Received parameter changes -------------------------------------------

void EffectModel::KeepArrived() {
  for (UnknownType& unknown : unknown_) unknown.arrived = unknown;
}

bool EffectModel::StoreEffectParameter(std::span<const std::uint8_t> message) {
  const bool stored = StoreReceivedParameter(message);
  if (stored) KeepArrived();
  return stored;
}

bool EffectModel::StoreReceivedParameter(std::span<const std::uint8_t> message) {
  if (message.size() < kOneByteChangeSize) return false;
  if (!xg_block::IsEffect(message[kChangeAddressHigh], message[kChangeAddressMid])) return false;
  const std::uint8_t low = message[kChangeAddressLow];
  const std::uint8_t first = message[kChangeHeaderSize];
  const bool hasPair = message.size() >= kTwoByteChangeSize;
  const std::uint8_t second = hasPair ? message[kChangeHeaderSize + 1] : 0;

  if (low == kReverbTypeAddressLow)
    return hasPair && StoreTypeChange(EffectKind::Reverb, first, second);
  if (low == kChorusTypeAddressLow)
    return hasPair && StoreTypeChange(EffectKind::Chorus, first, second);
  if (low == kVariationTypeAddressLow)
    return hasPair && StoreTypeChange(EffectKind::Variation, first, second);
  if (low < kChorusTypeAddressLow) return StoreSlot(EffectKind::Reverb, low, first);
  if (low < kVariationTypeAddressLow) return StoreSlot(EffectKind::Chorus, low, first);
  if (const auto setting = VariationSettingForAddress(low)) {
    StoreSetting(*setting, first);
    RaiseChanged(EffectKind::Variation);
    return true;
  }
  const auto param = VariationParamForAddress(low);
  if (!param) return false;
  if (*param <= kVariationTwoByteParamCount && !hasPair) return false;
  StoreValue(
      EffectKind::Variation, *param - 1,
      *param > kVariationTwoByteParamCount ? first : wire::DecodeSevenBitPair(first, second));
  RaiseChanged(EffectKind::Variation);
  return true;
}

bool EffectModel::StoreTypeChange(EffectKind kind, std::uint8_t msb, std::uint8_t lsb) {
  const auto type = FindEffectType(kind, msb, lsb);
  if (!type) {
    EnterUnknownType(kind, msb, lsb);
  } else {
    const VariationSettings previous = CurrentVariationSettings();
    // The synthesizer has just loaded the type's defaults; so does the row.
    SetType(kind, static_cast<int>(*type));
    ResetEffectRow(kind, *type);
    if (kind == EffectKind::Variation) {
      // Connection and part are global: a new type does not take them away.
      VariationSettings settings = kVariationSettingsDefaults;
      settings[kConnectionIndex] = previous[kConnectionIndex];
      settings[kPartIndex] = previous[kPartIndex];
      PutVariationSettings(*type, settings);
    }
  }
  model_.PublishWhole(EffectBlock(kind));
  RaiseChanged(kind);
  return true;
}

bool EffectModel::StoreSlot(EffectKind kind, std::uint8_t addressLow, std::uint8_t value) {
  const auto slot = EffectSlotForAddress(kind, addressLow);
  if (!slot || *slot < kFirstEffectParamSlot) return false;
  StoreValue(kind, *slot, value);
  RaiseChanged(kind);
  return true;
}

// --- Received bulk dumps ---------------------------------------------------

bool EffectModel::StoreEffectBulk(std::span<const std::uint8_t> message) {
  const bool stored = StoreReceivedBulk(message);
  if (stored) KeepArrived();
  return stored;
}

bool EffectModel::StoreReceivedBulk(std::span<const std::uint8_t> message) {
  const auto count = BulkByteCount(message);
  if (!count || message.size() != *count + kBulkOverhead) return false;
  if (!xg_block::IsEffect(message[kBulkAddressHigh], message[kBulkAddressMid])) return false;
  const auto data = message.subspan(kBulkHeaderSize, *count);
  switch (message[kBulkAddressLow]) {
    case kReverbTypeAddressLow:
      return StoreTypeDump(EffectKind::Reverb, data);
    case kChorusTypeAddressLow:
      return StoreTypeDump(EffectKind::Chorus, data);
    case kVariationTypeAddressLow:
      return StoreVariationDump(data);
    case kReverbTailAddressLow:
      StoreRun(EffectKind::Reverb, TailSlot(EffectKind::Reverb), kReverbSlotCount, data);
      return true;
    case kChorusTailAddressLow:
      StoreRun(EffectKind::Chorus, TailSlot(EffectKind::Chorus), kChorusSlotCount, data);
      return true;
    case kVariationParam11AddressLow:
      StoreRun(EffectKind::Variation, kVariationTwoByteParamCount, kVariationParamCount, data);
      return true;
    default:
      return false;
  }
}

bool EffectModel::StoreTypeDump(EffectKind kind, std::span<const std::uint8_t> data) {
  if (data.size() < kTypeNumberSize) return false;
  const auto type = FindEffectType(kind, data[0], data[1]);
  if (type) {
    SetType(kind, static_cast<int>(*type));
  } else {
    EnterUnknownType(kind, data[0], data[1]);
  }
  StoreRun(kind, kFirstEffectParamSlot, TailSlot(kind), data.subspan(kTypeNumberSize));
  return true;
}

void EffectModel::StoreRun(EffectKind kind, std::size_t firstSlot, std::size_t endSlot,
                           std::span<const std::uint8_t> data) {
  endSlot = std::min(endSlot, EffectRowLength(kind));
  if (IsKnownType(kind)) {
    const auto type = static_cast<std::size_t>(Type(kind));
    auto row = GetEffectRow(kind, type);
    const auto defaults = DefaultEffectRow(kind, type);
    if (row && defaults) {
      for (std::size_t i = 0; i < data.size() && firstSlot + i < endSlot; ++i) {
        const std::size_t slot = firstSlot + i;
        const bool unused = defaults->Values()[slot] == kEffectParamUnused;
        row->Values()[slot] = unused ? kEffectParamUnused : data[i];
      }
      PutEffectRow(kind, type, *row);
    }
  } else {
    UnknownType& unknown = unknown_[Index(kind)];
    for (std::size_t i = 0; i < data.size() && firstSlot + i < endSlot; ++i) {
      unknown.values[firstSlot + i] = data[i];
      unknown.received[firstSlot + i] = true;
    }
  }
  model_.PublishWhole(EffectBlock(kind));
  RaiseChanged(kind);
}

bool EffectModel::StoreVariationDump(std::span<const std::uint8_t> data) {
  if (data.size() < kTypeNumberSize) return false;
  constexpr EffectKind kind = EffectKind::Variation;
  const auto type = FindEffectType(kind, data[0], data[1]);
  if (type) {
    SetType(kind, static_cast<int>(*type));
  } else {
    EnterUnknownType(kind, data[0], data[1]);
  }

  const EffectRow defaults =
      type ? DefaultEffectRow(kind, *type).value_or(NothingUnused(kind)) : NothingUnused(kind);
  UnknownType& unknown = unknown_[Index(kind)];
  EffectRow row = CurrentRow(kind);
  for (std::size_t p = 0; p < kVariationTwoByteParamCount; ++p) {
    const std::size_t at = kTypeNumberSize + 2 * p;
    if (at + 1 >= data.size()) break;
    const bool unused = defaults.Values()[p] == kEffectParamUnused;
    row.Values()[p] =
        unused ? kEffectParamUnused : wire::DecodeSevenBitPair(data[at], data[at + 1]);
    unknown.received[p] = !type;
  }

  VariationSettings settings = CurrentVariationSettings();
  for (std::size_t s = 0; s < kVariationSettingCount; ++s) {
    const std::size_t at = kVariationSettingsOffset + s;
    if (at >= data.size()) break;
    settings[s] = data[at];
  }
  if (type) {
    PutEffectRow(kind, *type, row);
    PutVariationSettings(*type, settings);
  } else {
    std::copy(row.Values().begin(), row.Values().end(), unknown.values.begin());
    unknown.settings = settings;
  }
  Spread(settings[kConnectionIndex], settings[kPartIndex]);
  model_.PublishWhole(EffectBlock(kind));
  RaiseChanged(kind);
  return true;
}

void EffectModel::RaiseChanged(EffectKind kind) {
  model_.Events().RaiseMark(ChangedMark(kind), Type(kind));
}

}  // namespace ravlo
