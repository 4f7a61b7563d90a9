#pragma once

#include <cstdint>

namespace ravlo {

// The voice a MIDI channel plays, as bank select and program change chose it.
struct ChannelVoice {
  static constexpr int kFirstProgram = 1;
  static constexpr int kLastProgram = 128;

  std::uint8_t bankMsb = 0;
  std::uint8_t program = 1;  // 1..128; sent as program - 1
  std::uint8_t bankLsb = 0;

  friend bool operator==(const ChannelVoice&, const ChannelVoice&) = default;
};

}  // namespace ravlo
