#pragma once

#include <array>

#include "channels/ChannelVoice.h"
#include "channels/ControllerSlots.h"

namespace ravlo {

// Per MIDI channel: the voice chosen by bank select and program change, and
// the eleven controller values. These travel as channel messages, never as
// sysex, so a save never contains them.
class ChannelTables {
 public:
  static constexpr int kDrumChannel = 9;

  ChannelTables() { ResetToDefaults(); }

  void ResetToDefaults();
  static ChannelVoice DefaultVoice(int channel);

  // Channel 0..15; false (and nothing read or written) for any other.
  bool GetVoice(int channel, ChannelVoice& voice) const;
  bool PutVoice(int channel, const ChannelVoice& voice);
  bool GetControllers(int channel, ControllerRow& row) const;
  bool PutControllers(int channel, const ControllerRow& row);
  // Slot 0..10.
  bool GetSlot(int channel, int slot, int& value) const;
  bool PutSlot(int channel, int slot, int value);

  static bool IsChannel(int channel) { return channel >= 0 && channel < kMidiChannelCount; }
  static bool IsSlot(int slot) {
    return slot >= 0 && slot < static_cast<int>(kControllerSlotCount);
  }

 private:
  std::array<ChannelVoice, kMidiChannelCount> voices_{};
  std::array<ControllerRow, kMidiChannelCount> controllers_{};
};

}  // namespace ravlo
