#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

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
inline constexpr int kMidiChannelCount = 16;

struct ControllerSlotInfo {
  std::uint8_t controlChange;
  std::uint8_t defaultValue;
  // The multi part address that mirrors the slot, where there is one.
  std::optional<std::uint8_t> partAddress;
};

inline constexpr std::array<ControllerSlotInfo, kControllerSlotCount> kControllerSlots{{
    {7, 100, 0x0B},
    {11, 127, std::nullopt},
    {10, 64, 0x0E},
    {1, 0, std::nullopt},
    {91, 40, 0x13},
    {93, 0, 0x12},
    {94, 0, 0x14},
    {71, 64, 0x19},
    {72, 64, 0x1C},
    {73, 64, 0x1A},
    {74, 64, 0x18},
}};

using ControllerRow = std::array<std::uint8_t, kControllerSlotCount>;

constexpr ControllerRow DefaultControllerRow() {
  ControllerRow row{};
  for (std::size_t i = 0; i < kControllerSlotCount; ++i) row[i] = kControllerSlots[i].defaultValue;
  return row;
}

}  // namespace ravlo
