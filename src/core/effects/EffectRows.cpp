#include "effects/EffectRows.h"

#include <algorithm>

#include "effects/EffectLookups.h"

namespace ravlo {
namespace {

// The type number in slots 0 and 1 belongs to the type, not to the edit.
template <typename Row>
bool PutByteSlots(Row& target, const EffectRow& row) {
  if (row.Size() != target.size()) return false;
  const auto values = row.Values();
  const bool allBytes = std::all_of(values.begin() + kFirstEffectParamSlot, values.end(),
                                    [](int32_t value) { return value >= 0 && value <= 0xFF; });
  if (!allBytes) return false;
  for (std::size_t slot = kFirstEffectParamSlot; slot < target.size(); ++slot) {
    target[slot] = static_cast<uint8_t>(values[slot]);
  }
  return true;
}

}  // namespace

EffectRows::EffectRows() {
  ResetAll();
}

void EffectRows::ResetAll() {
  for (std::size_t type = 0; type < kReverbTypeCount; ++type) {
    reverb_[type] = kReverbTypes[type].defaults;
  }
  for (std::size_t type = 0; type < kChorusTypeCount; ++type) {
    chorus_[type] = kChorusTypes[type].defaults;
  }
  variation_ = kVariationDefaultRows;
  settings_.fill(kVariationSettingsDefaults);
}

std::optional<EffectRow> EffectRows::GetEffectRow(EffectKind kind, std::size_t type) const {
  if (type >= EffectTypeCount(kind)) return std::nullopt;
  switch (kind) {
    case EffectKind::Reverb:
      return EffectRow(reverb_[type]);
    case EffectKind::Chorus:
      return EffectRow(chorus_[type]);
    case EffectKind::Variation:
      return EffectRow(variation_[type]);
  }
  return std::nullopt;
}

bool EffectRows::PutEffectRow(EffectKind kind, std::size_t type, const EffectRow& row) {
  if (type >= EffectTypeCount(kind)) return false;
  switch (kind) {
    case EffectKind::Reverb:
      return PutByteSlots(reverb_[type], row);
    case EffectKind::Chorus:
      return PutByteSlots(chorus_[type], row);
    case EffectKind::Variation:
      if (row.Size() != kVariationParamCount) return false;
      std::ranges::copy(row.Values(), variation_[type].begin());
      return true;
  }
  return false;
}

std::optional<int32_t> EffectRows::PutEffectValue(EffectKind kind, std::size_t type,
                                                  std::size_t index, int32_t value) {
  if (type >= EffectTypeCount(kind)) return std::nullopt;
  const auto putByte = [&](auto& row) -> std::optional<int32_t> {
    if (index >= row.size()) return std::nullopt;
    const int32_t old = row[index];
    if (index < kFirstEffectParamSlot) return old;  // the type's, kept (PutByteSlots)
    if (value < 0 || value > 0xFF) return std::nullopt;
    row[index] = static_cast<uint8_t>(value);
    return old;
  };
  switch (kind) {
    case EffectKind::Reverb:
      return putByte(reverb_[type]);
    case EffectKind::Chorus:
      return putByte(chorus_[type]);
    case EffectKind::Variation: {
      if (index >= kVariationParamCount) return std::nullopt;
      const int32_t old = variation_[type][index];
      variation_[type][index] = value;
      return old;
    }
  }
  return std::nullopt;
}

bool EffectRows::ResetEffectRow(EffectKind kind, std::size_t type) {
  if (type >= EffectTypeCount(kind)) return false;
  switch (kind) {
    case EffectKind::Reverb:
      reverb_[type] = kReverbTypes[type].defaults;
      return true;
    case EffectKind::Chorus:
      chorus_[type] = kChorusTypes[type].defaults;
      return true;
    case EffectKind::Variation:
      variation_[type] = kVariationDefaultRows[type];
      return true;
  }
  return false;
}

std::optional<VariationSettings> EffectRows::GetVariationSettings(std::size_t type) const {
  if (type >= kVariationTypeCount) return std::nullopt;
  return settings_[type];
}

bool EffectRows::PutVariationSettings(std::size_t type, std::span<const uint8_t> settings) {
  if (type >= kVariationTypeCount || settings.size() != kVariationSettingCount) return false;
  std::ranges::copy(settings, settings_[type].begin());
  return true;
}

bool EffectRows::ResetVariationSettings(std::size_t type) {
  if (type >= kVariationTypeCount) return false;
  settings_[type] = kVariationSettingsDefaults;
  return true;
}

void EffectRows::SpreadConnectionAndPart(uint8_t connection, uint8_t part) {
  for (VariationSettings& settings : settings_) {
    settings[static_cast<std::size_t>(VariationSetting::Connection)] = connection;
    settings[static_cast<std::size_t>(VariationSetting::Part)] = part;
  }
}

}  // namespace ravlo
