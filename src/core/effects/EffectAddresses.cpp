#include "effects/EffectAddresses.h"

#include "effects/EffectLookups.h"

namespace ravlo {

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
  const std::span<const EffectSlot> slots = EffectSlots(kind);
  if (slot >= slots.size()) return std::nullopt;
  return slots[slot].parameter.address;
}

std::optional<std::size_t> EffectSlotForAddress(EffectKind kind, uint8_t addressLow) {
  const std::span<const EffectSlot> slots = EffectSlots(kind);
  for (std::size_t slot = 0; slot < slots.size(); ++slot) {
    if (slots[slot].parameter.address == addressLow) return slot;
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

bool IsEffectAddress(uint8_t addressLow) {
  // The LSB of a Variation pair (the type's too) follows its MSB.
  const auto pairMsb = static_cast<uint8_t>(addressLow - 1);
  const bool pairLsb = addressLow > kVariationTypeAddressLow &&
                       (pairMsb == kVariationTypeAddressLow ||
                        VariationParamForAddress(pairMsb).value_or(kVariationParamCount + 1) <=
                            kVariationTwoByteParamCount);
  return EffectSlotForAddress(EffectKind::Reverb, addressLow) ||
         EffectSlotForAddress(EffectKind::Chorus, addressLow) ||
         addressLow == kVariationTypeAddressLow || VariationParamForAddress(addressLow) ||
         VariationSettingForAddress(addressLow) || pairLsb;
}

std::optional<std::string_view> EffectSlotReviewName(EffectKind kind, uint8_t addressLow) {
  const auto slot = EffectSlotForAddress(kind, addressLow);
  if (!slot) return std::nullopt;
  return EffectSlots(kind)[*slot].parameter.reviewName;
}

std::optional<std::string_view> VariationSettingReviewName(uint8_t addressLow) {
  const auto index = VariationSettingForAddress(addressLow);
  if (!index) return std::nullopt;
  return kVariationSettings[*index].parameter.reviewName;
}

}  // namespace ravlo
