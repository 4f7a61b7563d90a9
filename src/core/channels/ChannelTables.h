#pragma once

#include <array>

#include "channels/ChannelVoice.h"
#include "channels/ControllerSlots.h"
#include "model/Indices.h"

namespace ravlo {

// Per MIDI channel: the voice chosen by bank select and program change, and
// the eleven controller values. These travel as channel messages, never as
// sysex, so a save never contains them. Writing is ChannelModel's business.
class ChannelTables {
 public:
  static constexpr int kDrumChannel = 9;

  ChannelTables() { ResetToDefaults(); }

  void ResetToDefaults();
  static ChannelVoice DefaultVoice(MidiChannel channel);

  // The defaults for a channel out of range.
  ChannelVoice Voice(MidiChannel channel) const;
  ControllerRow Controllers(MidiChannel channel) const;
  // -1 for a channel or slot out of range.
  int Controller(MidiChannel channel, int slot) const;

  static bool IsSlot(int slot) {
    return slot >= 0 && slot < static_cast<int>(kControllerSlotCount);
  }

 protected:
  // False (nothing written) for a channel, slot or value out of range.
  bool PutVoice(MidiChannel channel, const ChannelVoice& voice);
  bool PutControllers(MidiChannel channel, const ControllerRow& row);
  bool PutSlot(MidiChannel channel, int slot, int value);

 private:
  std::array<ChannelVoice, MidiChannel::kCount> voices_{};
  std::array<ControllerRow, MidiChannel::kCount> controllers_{};
};

}  // namespace ravlo
