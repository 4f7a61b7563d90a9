#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "parameters/ParameterDescriptor.h"

namespace ravlo {

// The eleven channel controllers the model keeps per MIDI channel.
enum class ControllerSlot {
  Volume,
  Expression,
  Pan,
  Modulation,
  Reverb,
  Chorus,
  Variation,
  HarmonicContent,
  ReleaseTime,
  AttackTime,
  Brightness,
  kCount
};

inline constexpr std::size_t kControllerSlotCount =
    static_cast<std::size_t>(ControllerSlot::kCount);

// One controller: its descriptor (the slot as address, 0..127, its default),
// the control change that carries it, and the multi part address that
// mirrors it, where there is one.
struct ControllerSlotInfo {
  ParameterDescriptor parameter;
  std::uint8_t controlChange;
  std::optional<std::uint8_t> partAddress;

  constexpr ControllerSlotInfo In(Unit unit) const {
    return {parameter.In(unit), controlChange, partAddress};
  }
};

namespace controller_slot_detail {
constexpr ControllerSlotInfo Slot(ControllerSlot slot, std::uint8_t controlChange, int defaultValue,
                                  std::optional<std::uint8_t> partAddress, std::string_view label,
                                  std::string_view name) {
  return {{static_cast<std::uint8_t>(slot), WireForm::ControlChange, ShownAs::Stored, 0, 127,
           defaultValue, 0, DefaultFrom::Fixed, label, "", name},
          controlChange,
          partAddress};
}
}  // namespace controller_slot_detail

inline constexpr std::array<ControllerSlotInfo, kControllerSlotCount> kControllerSlots = [] {
  using controller_slot_detail::Slot;
  using S = ControllerSlot;
  return std::array<ControllerSlotInfo, kControllerSlotCount>{{
      Slot(S::Volume, 7, 100, 0x0B, "Volume", "Volume"),
      Slot(S::Expression, 11, 127, std::nullopt, "Expression", "Expression"),
      // A control change's pan has no random: 0 is the far left.
      Slot(S::Pan, 10, 64, 0x0E, "Pan", "Pan").In(Unit::Pan),
      Slot(S::Modulation, 1, 0, std::nullopt, "Modulation", "Modulation"),
      Slot(S::Reverb, 91, 40, 0x13, "Reverb", "Reverb"),
      Slot(S::Chorus, 93, 0, 0x12, "Chorus", "Chorus"),
      Slot(S::Variation, 94, 0, 0x14, "Variation", "Variation"),
      Slot(S::HarmonicContent, 71, 64, 0x19, "Harmonic (resonance)", "Harmonic"),
      Slot(S::ReleaseTime, 72, 64, 0x1C, "Release", "Release"),
      Slot(S::AttackTime, 73, 64, 0x1A, "Attack", "Attack"),
      Slot(S::Brightness, 74, 64, 0x18, "Brightn. (Cutoff)", "Brightness"),
  }};
}();

constexpr bool ControllerSlotsAreInOrder() {
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    if (kControllerSlots[slot].parameter.address != slot) return false;
  }
  return true;
}
static_assert(ControllerSlotsAreInOrder());

using ControllerRow = std::array<std::uint8_t, kControllerSlotCount>;

constexpr ControllerRow DefaultControllerRow() {
  ControllerRow row{};
  for (std::size_t i = 0; i < kControllerSlotCount; ++i) {
    row[i] = static_cast<std::uint8_t>(kControllerSlots[i].parameter.defaultValue);
  }
  return row;
}

}  // namespace ravlo
