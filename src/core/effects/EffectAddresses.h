#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "effects/EffectKind.h"

namespace ravlo {

// Address lows within the effect block 02 01 xx.
inline constexpr uint8_t kReverbTypeAddressLow = 0x00;
inline constexpr uint8_t kChorusTypeAddressLow = 0x20;
inline constexpr uint8_t kVariationTypeAddressLow = 0x40;
inline constexpr uint8_t kVariationSettingsAddressLow = 0x56;
// Variation Params 11..16 are one-byte parameters from here on.
inline constexpr uint8_t kVariationParam11AddressLow = 0x70;

// Where the kind's type number (MSB, LSB) is addressed; 0x00 for a kind value outside the
// enumeration.
uint8_t EffectTypeAddress(EffectKind kind);

// Address low of a Reverb or Chorus row slot (slots 0 and 1 are the type MSB and LSB); nothing
// for a slot outside the row or for the Variation kind.
std::optional<uint8_t> EffectSlotAddress(EffectKind kind, std::size_t slot);

// The Reverb or Chorus slot at an address low, the type slots 0 and 1 included; nothing for an
// address that is no slot of the kind.
std::optional<std::size_t> EffectSlotForAddress(EffectKind kind, uint8_t addressLow);

// Address low of Variation parameter 1..16: 0x42, 0x44 .. 0x54 (the MSB; the LSB follows), then
// 0x70 .. 0x75.
std::optional<uint8_t> VariationParamAddress(std::size_t param);

// The Variation parameter 1..16 addressed by an address low; the LSB addresses of Params 1..10
// are no parameter of their own.
std::optional<std::size_t> VariationParamForAddress(uint8_t addressLow);

// Index 0..10 of the Variation setting at 0x56 .. 0x60.
std::optional<std::size_t> VariationSettingForAddress(uint8_t addressLow);

// True for an address low of the effect block that the tables name: a type,
// a Reverb or Chorus slot, a Variation parameter (both bytes of a pair) or
// setting.
bool IsEffectAddress(uint8_t addressLow);

// Names by which the review lists effect parameters: Reverb 0x00..0x0D and 0x10..0x15, Chorus
// 0x20..0x2E and 0x30..0x35, Variation settings 0x56..0x60.
std::optional<std::string_view> EffectSlotReviewName(EffectKind kind, uint8_t addressLow);
std::optional<std::string_view> VariationSettingReviewName(uint8_t addressLow);

}  // namespace ravlo
