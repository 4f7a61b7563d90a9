#include "effects/EffectAddresses.h"

#include "effects/EffectTypeTables.h"

namespace ravlo {
namespace {

template <typename Map>
std::optional<std::size_t> SlotInMap(const Map& map, uint8_t addressLow) {
  for (std::size_t slot = 0; slot < map.size(); ++slot) {
    if (map[slot] == addressLow) return slot;
  }
  return std::nullopt;
}

}  // namespace

uint8_t EffectTypeAddress(EffectKind kind) {
  switch (kind) {
    case EffectKind::Reverb:
      return kReverbTypeAddressLow;
    case EffectKind::Chorus:
      return kChorusTypeAddressLow;
    case EffectKind::Variation:
      return kVariationTypeAddressLow;
  }
  return 0;
}

std::optional<uint8_t> EffectSlotAddress(EffectKind kind, std::size_t slot) {
  switch (kind) {
    case EffectKind::Reverb:
      if (slot < kReverbParamMap.size()) return kReverbParamMap[slot];
      return std::nullopt;
    case EffectKind::Chorus:
      if (slot < kChorusParamMap.size()) return kChorusParamMap[slot];
      return std::nullopt;
    case EffectKind::Variation:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::size_t> EffectSlotForAddress(EffectKind kind, uint8_t addressLow) {
  switch (kind) {
    case EffectKind::Reverb:
      return SlotInMap(kReverbParamMap, addressLow);
    case EffectKind::Chorus:
      return SlotInMap(kChorusParamMap, addressLow);
    case EffectKind::Variation:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<uint8_t> VariationParamAddress(std::size_t param) {
  if (param < 1 || param > kVariationParamCount) return std::nullopt;
  if (param <= kVariationTwoByteParamCount) {
    return static_cast<uint8_t>(kVariationTypeAddressLow + 2 * param);
  }
  return static_cast<uint8_t>(kVariationParam11AddressLow + (param - 11));
}

std::optional<std::size_t> VariationParamForAddress(uint8_t addressLow) {
  const uint8_t firstPair = kVariationTypeAddressLow + 2;
  const uint8_t lastPair = kVariationTypeAddressLow + 2 * kVariationTwoByteParamCount;
  if (addressLow >= firstPair && addressLow <= lastPair) {
    if ((addressLow - kVariationTypeAddressLow) % 2 != 0) return std::nullopt;
    return static_cast<std::size_t>((addressLow - kVariationTypeAddressLow) / 2);
  }
  const std::size_t oneByteCount = kVariationParamCount - kVariationTwoByteParamCount;
  if (addressLow >= kVariationParam11AddressLow &&
      addressLow < kVariationParam11AddressLow + oneByteCount) {
    return kVariationTwoByteParamCount + 1 + (addressLow - kVariationParam11AddressLow);
  }
  return std::nullopt;
}

std::optional<std::size_t> VariationSettingForAddress(uint8_t addressLow) {
  if (addressLow < kVariationSettingsAddressLow ||
      addressLow >= kVariationSettingsAddressLow + kVariationSettingCount) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(addressLow - kVariationSettingsAddressLow);
}

std::optional<std::string_view> ReverbReviewName(uint8_t addressLow) {
  const auto slot = EffectSlotForAddress(EffectKind::Reverb, addressLow);
  if (!slot) return std::nullopt;
  return kReverbReviewNames[*slot];
}

std::optional<std::string_view> ChorusReviewName(uint8_t addressLow) {
  const auto slot = EffectSlotForAddress(EffectKind::Chorus, addressLow);
  if (!slot) return std::nullopt;
  return kChorusReviewNames[*slot];
}

std::optional<std::string_view> VariationSettingReviewName(uint8_t addressLow) {
  const auto index = VariationSettingForAddress(addressLow);
  if (!index) return std::nullopt;
  return kVariationSettingReviewNames[*index];
}

}  // namespace ravlo
