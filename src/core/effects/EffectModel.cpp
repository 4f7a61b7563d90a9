#include "effects/EffectModel.h"

#include <algorithm>

#include "effects/EffectAddresses.h"
#include "effects/EffectLookups.h"
#include "messages/XgMessages.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"

namespace ravlo {
namespace {

constexpr std::uint8_t kEffectAddressHigh = 0x02;
constexpr std::uint8_t kEffectAddressMid = 0x01;

// A received parameter change: F0 43 1n 4C ah am al data.. F7.
constexpr std::size_t kChangeAddressHigh = 4;
constexpr std::size_t kChangeAddressMid = 5;
constexpr std::size_t kChangeAddressLow = 6;
constexpr std::size_t kChangeData = 7;
constexpr std::size_t kOneByteChangeSize = 9;
constexpr std::size_t kTwoByteChangeSize = 10;

// A received bulk dump: F0 43 0n 4C bh bl ah am al data.. cs F7.
constexpr std::size_t kBulkAddressHigh = 6;
constexpr std::size_t kBulkAddressMid = 7;
constexpr std::size_t kBulkAddressLow = 8;

// Address lows of the second dump of each block.
constexpr std::uint8_t kReverbTailAddressLow = 0x10;
constexpr std::uint8_t kChorusTailAddressLow = 0x30;

constexpr std::int32_t kMaxDataByte = 0x7F;
constexpr std::int32_t kMaxPairValue = 0x3FFF;

// Type MSB and LSB, then the ten parameters as pairs, then the settings.
constexpr std::size_t kTypeNumberSize = 2;
constexpr std::size_t kVariationHeadCount =
    kTypeNumberSize + 2 * kVariationTwoByteParamCount + kVariationSettingCount;
static_assert(kVariationHeadCount == 33);
constexpr std::size_t kVariationTailCount = kVariationParamCount - kVariationTwoByteParamCount;
constexpr std::size_t kVariationSettingsOffset = kTypeNumberSize + 2 * kVariationTwoByteParamCount;

constexpr std::size_t kConnectionIndex = static_cast<std::size_t>(VariationSetting::Connection);
constexpr std::size_t kPartIndex = static_cast<std::size_t>(VariationSetting::Part);

XgAddress EffectAddress(std::uint8_t low) {
  return {kEffectAddressHigh, kEffectAddressMid, low};
}

// Wire data are 7-bit: a value that a malformed file left in a row must not
// turn into a status byte on the way out.
std::uint8_t DataByte(std::int32_t value) {
  return static_cast<std::uint8_t>(value & kMaxDataByte);
}

std::array<std::uint8_t, 2> SplitPair(std::int32_t value) {
  return {DataByte(value >> 7), DataByte(value)};
}

// Reverb and Chorus slots from Param 11 on go in the block's second dump.
std::size_t TailSlot(EffectKind kind) {
  return kind == EffectKind::Reverb ? static_cast<std::size_t>(ReverbSlot::Param11)
                                    : static_cast<std::size_t>(ChorusSlot::Param11);
}

std::array<std::uint8_t, 2> TypeNumber(EffectKind kind, std::size_t type) {
  switch (kind) {
    case EffectKind::Reverb:
      return {kReverbTypes[type].defaults[0], kReverbTypes[type].defaults[1]};
    case EffectKind::Chorus:
      return {kChorusTypes[type].defaults[0], kChorusTypes[type].defaults[1]};
    case EffectKind::Variation:
      return {kVariationTypes[type].typeMsb, kVariationTypes[type].typeLsb};
  }
  return {0, 0};
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

}  // namespace

void EffectModel::ResetToDefaults() {
  ResetAll();
  types_ = {kDefaultReverbType, kDefaultChorusType, kDefaultVariationType};
}

bool EffectModel::SetType(EffectKind kind, int typeIndex) {
  if (typeIndex < 0 || static_cast<std::size_t>(typeIndex) >= EffectTypeCount(kind)) return false;
  types_[static_cast<std::size_t>(kind)] = typeIndex;
  return true;
}

// --- Setters ---------------------------------------------------------------

bool EffectModel::SetEffectParameter(EffectKind kind, int slotOrParameter, int value) {
  if (!IsKnownKind(kind) || value < 0 || slotOrParameter < 0) return false;
  const auto index = static_cast<std::size_t>(slotOrParameter);
  if (kind == EffectKind::Variation) {
    if (index < 1 || index > kVariationParamCount) return false;
    const std::int32_t limit = index <= kVariationTwoByteParamCount ? kMaxPairValue : kMaxDataByte;
    if (value > limit) return false;
    return EmitVariationParam(index, value);
  }
  if (index < kFirstEffectParamSlot || index >= EffectRowLength(kind)) return false;
  // 255 marks a parameter the type does not use: there is nothing to send.
  if (value >= kEffectParamUnused) return true;
  if (value > kMaxDataByte) return false;
  return EmitSlot(kind, index, value);
}

bool EffectModel::SetEffectParameter(VariationSetting setting, int value) {
  const auto index = static_cast<std::size_t>(setting);
  if (index >= kVariationSettingCount || value < 0 || value > kMaxDataByte) return false;
  return EmitVariationSetting(index, value);
}

bool EffectModel::SetVariationConnection(bool system) {
  return EmitVariationSetting(kConnectionIndex,
                              system ? kVariationConnectionSystem : kVariationConnectionInsertion);
}

bool EffectModel::SetVariationPart(int part) {
  if (part < 0 || part > kMaxDataByte) return false;
  return EmitVariationSetting(kPartIndex, part);
}

bool EffectModel::EmitSlot(EffectKind kind, std::size_t slot, std::int32_t value) {
  const auto address = EffectSlotAddress(kind, slot);
  if (!address) return false;
  return model_.Emitter().EmitParameterChange(EffectAddress(*address), DataByte(value));
}

bool EffectModel::EmitVariationParam(std::size_t param, std::int32_t value) {
  const auto address = VariationParamAddress(param);
  if (!address) return false;
  if (param <= kVariationTwoByteParamCount) {
    const auto pair = SplitPair(value);
    return model_.Emitter().EmitParameterChange(EffectAddress(*address), pair);
  }
  return model_.Emitter().EmitParameterChange(EffectAddress(*address), DataByte(value));
}

bool EffectModel::EmitVariationSetting(std::size_t setting, std::int32_t value) {
  const auto low = static_cast<std::uint8_t>(kVariationSettingsAddressLow + setting);
  return model_.Emitter().EmitParameterChange(EffectAddress(low), DataByte(value));
}

// --- Block send ------------------------------------------------------------

bool EffectModel::SendEffectBlock(EffectKind kind, int typeIndex, bool nonDefaultOnly,
                                  unsigned pauseMs) {
  if (!SetType(kind, typeIndex)) return false;
  const auto type = static_cast<std::size_t>(typeIndex);
  if (!nonDefaultOnly) return SendBlockDumps(kind, type, pauseMs);

  // The synthesizer loads a type's defaults itself when it receives the type.
  if (type != XgDefaultEffectType(kind)) {
    const auto number = TypeNumber(kind, type);
    if (!model_.Emitter().EmitParameterChange(EffectAddress(EffectTypeAddress(kind)), number)) {
      return false;
    }
  }
  model_.Emitter().Pause(pauseMs);
  return kind == EffectKind::Variation ? SendVariationChanges(type, pauseMs)
                                       : SendSlotChanges(kind, type, pauseMs);
}

bool EffectModel::SendBlockDumps(EffectKind kind, std::size_t type, unsigned pauseMs) {
  const auto current = GetEffectRow(kind, type);
  const auto defaults = DefaultEffectRow(kind, type);
  if (!current || !defaults) return false;
  const auto values = current->Values();
  const auto unused = [&](std::size_t i) { return defaults->Values()[i] == kEffectParamUnused; };

  std::array<std::uint8_t, kVariationHeadCount> head{};
  std::size_t headCount = 0;
  std::array<std::uint8_t, kVariationTailCount> tail{};
  std::size_t tailCount = 0;
  std::uint8_t headLow = EffectTypeAddress(kind);
  std::uint8_t tailLow = kVariationParam11AddressLow;

  if (kind == EffectKind::Variation) {
    for (std::uint8_t byte : TypeNumber(kind, type)) head[headCount++] = byte;
    for (std::size_t p = 0; p < kVariationTwoByteParamCount; ++p) {
      const auto pair = SplitPair(unused(p) ? 0 : values[p]);
      head[headCount++] = pair[0];
      head[headCount++] = pair[1];
    }
    const auto settings = GetVariationSettings(type);
    if (!settings) return false;
    for (std::uint8_t byte : *settings) head[headCount++] = DataByte(byte);
    for (std::size_t p = kVariationTwoByteParamCount; p < kVariationParamCount; ++p) {
      tail[tailCount++] = unused(p) ? 0 : DataByte(values[p]);
    }
  } else {
    tailLow = kind == EffectKind::Reverb ? kReverbTailAddressLow : kChorusTailAddressLow;
    for (std::size_t slot = 0; slot < values.size(); ++slot) {
      const std::uint8_t byte = unused(slot) ? 0 : DataByte(values[slot]);
      if (slot < TailSlot(kind)) {
        head[headCount++] = byte;
      } else {
        tail[tailCount++] = byte;
      }
    }
  }

  XgEmitter& emitter = model_.Emitter();
  const std::uint8_t modelId = model_.ModelId();
  if (!emitter.EmitBulkDump(modelId, EffectAddress(headLow), {head.data(), headCount})) {
    return false;
  }
  emitter.Pause(pauseMs);
  return emitter.EmitBulkDump(modelId, EffectAddress(tailLow), {tail.data(), tailCount});
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

// --- Received parameter changes -------------------------------------------

bool EffectModel::StoreEffectParameter(std::span<const std::uint8_t> message) {
  if (message.size() < kOneByteChangeSize) return false;
  if (message[kChangeAddressHigh] != kEffectAddressHigh ||
      message[kChangeAddressMid] != kEffectAddressMid) {
    return false;
  }
  const std::uint8_t low = message[kChangeAddressLow];
  const std::uint8_t first = message[kChangeData];
  const bool hasPair = message.size() >= kTwoByteChangeSize;
  const std::uint8_t second = hasPair ? message[kChangeData + 1] : 0;

  if (low == kReverbTypeAddressLow)
    return hasPair && StoreTypeChange(EffectKind::Reverb, first, second);
  if (low == kChorusTypeAddressLow)
    return hasPair && StoreTypeChange(EffectKind::Chorus, first, second);
  if (low == kVariationTypeAddressLow) return hasPair && StoreVariationTypeChange(first, second);
  if (low < kChorusTypeAddressLow) return StoreSlot(EffectKind::Reverb, low, first);
  if (low < kVariationTypeAddressLow) return StoreSlot(EffectKind::Chorus, low, first);
  if (const auto setting = VariationSettingForAddress(low)) {
    return StoreVariationSetting(*setting, first);
  }
  const auto param = VariationParamForAddress(low);
  if (!param) return false;
  if (*param > kVariationTwoByteParamCount) return StoreVariationParam(*param, first);
  return hasPair && StoreVariationParam(*param, first * 128 + second);
}

bool EffectModel::StoreTypeChange(EffectKind kind, std::uint8_t msb, std::uint8_t lsb) {
  const auto type = FindEffectType(kind, msb, lsb);
  if (!type) return false;
  // The synthesizer has just loaded the type's defaults; so does the row.
  ResetEffectRow(kind, *type);
  SetType(kind, static_cast<int>(*type));
  RaiseChanged(kind);
  return true;
}

bool EffectModel::StoreVariationTypeChange(std::uint8_t msb, std::uint8_t lsb) {
  const auto type = FindEffectType(EffectKind::Variation, msb, lsb);
  if (!type) return false;
  // Connection and part are global: a new type does not take them away.
  const auto previous =
      *GetVariationSettings(static_cast<std::size_t>(Type(EffectKind::Variation)));
  SetType(EffectKind::Variation, static_cast<int>(*type));
  ResetEffectRow(EffectKind::Variation, *type);
  VariationSettings settings = kVariationSettingsDefaults;
  settings[kConnectionIndex] = previous[kConnectionIndex];
  settings[kPartIndex] = previous[kPartIndex];
  PutVariationSettings(*type, settings);
  RaiseChanged(EffectKind::Variation);
  return true;
}

bool EffectModel::StoreSlot(EffectKind kind, std::uint8_t addressLow, std::uint8_t value) {
  const auto slot = EffectSlotForAddress(kind, addressLow);
  if (!slot || *slot < kFirstEffectParamSlot) return false;
  const auto type = static_cast<std::size_t>(Type(kind));
  auto row = GetEffectRow(kind, type);
  if (!row) return false;
  row->Values()[*slot] = value;
  if (!PutEffectRow(kind, type, *row)) return false;
  RaiseChanged(kind);
  return true;
}

bool EffectModel::StoreVariationParam(std::size_t param, std::int32_t value) {
  const auto type = static_cast<std::size_t>(Type(EffectKind::Variation));
  auto row = GetEffectRow(EffectKind::Variation, type);
  if (!row || param < 1 || param > row->Size()) return false;
  row->Values()[param - 1] = value;
  if (!PutEffectRow(EffectKind::Variation, type, *row)) return false;
  RaiseChanged(EffectKind::Variation);
  return true;
}

bool EffectModel::StoreVariationSetting(std::size_t setting, std::uint8_t value) {
  const auto type = static_cast<std::size_t>(Type(EffectKind::Variation));
  auto settings = GetVariationSettings(type);
  if (!settings || setting >= settings->size()) return false;
  (*settings)[setting] = value;
  PutVariationSettings(type, *settings);
  if (setting == kConnectionIndex || setting == kPartIndex) {
    SpreadConnectionAndPart((*settings)[kConnectionIndex], (*settings)[kPartIndex]);
  }
  RaiseChanged(EffectKind::Variation);
  return true;
}

// --- Received bulk dumps ---------------------------------------------------

bool EffectModel::StoreEffectBulk(std::span<const std::uint8_t> message) {
  const auto count = BulkByteCount(message);
  if (!count || message.size() != *count + kBulkOverhead) return false;
  if (message[kBulkAddressHigh] != kEffectAddressHigh ||
      message[kBulkAddressMid] != kEffectAddressMid) {
    return false;
  }
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
  if (!type) return false;
  SetType(kind, static_cast<int>(*type));
  StoreRun(kind, kFirstEffectParamSlot, TailSlot(kind), data.subspan(kTypeNumberSize));
  return true;
}

void EffectModel::StoreRun(EffectKind kind, std::size_t firstSlot, std::size_t endSlot,
                           std::span<const std::uint8_t> data) {
  const auto type = static_cast<std::size_t>(Type(kind));
  auto row = GetEffectRow(kind, type);
  const auto defaults = DefaultEffectRow(kind, type);
  if (row && defaults) {
    endSlot = std::min(endSlot, row->Size());
    for (std::size_t i = 0; i < data.size() && firstSlot + i < endSlot; ++i) {
      const std::size_t slot = firstSlot + i;
      const bool unused = defaults->Values()[slot] == kEffectParamUnused;
      row->Values()[slot] = unused ? kEffectParamUnused : data[i];
    }
    PutEffectRow(kind, type, *row);
  }
  RaiseChanged(kind);
}

bool EffectModel::StoreVariationDump(std::span<const std::uint8_t> data) {
  if (data.size() < kTypeNumberSize) return false;
  const auto type = FindEffectType(EffectKind::Variation, data[0], data[1]);
  if (!type) return false;
  SetType(EffectKind::Variation, static_cast<int>(*type));

  auto row = *GetEffectRow(EffectKind::Variation, *type);
  const auto defaults = *DefaultEffectRow(EffectKind::Variation, *type);
  for (std::size_t p = 0; p < kVariationTwoByteParamCount; ++p) {
    const std::size_t at = kTypeNumberSize + 2 * p;
    if (at + 1 >= data.size()) break;
    const bool unused = defaults.Values()[p] == kEffectParamUnused;
    row.Values()[p] = unused ? kEffectParamUnused : data[at] * 128 + data[at + 1];
  }
  PutEffectRow(EffectKind::Variation, *type, row);

  auto settings = *GetVariationSettings(*type);
  for (std::size_t s = 0; s < kVariationSettingCount; ++s) {
    const std::size_t at = kVariationSettingsOffset + s;
    if (at >= data.size()) break;
    settings[s] = data[at];
  }
  PutVariationSettings(*type, settings);
  SpreadConnectionAndPart(settings[kConnectionIndex], settings[kPartIndex]);
  RaiseChanged(EffectKind::Variation);
  return true;
}

void EffectModel::RaiseChanged(EffectKind kind) {
  model_.Events().RaiseMark(ChangedMark(kind), Type(kind));
}

}  // namespace ravlo
