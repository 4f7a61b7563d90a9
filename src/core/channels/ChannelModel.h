#pragma once

#include <cstdint>

#include "channels/ChannelTables.h"

namespace ravlo {

class XgModel;

// The channel voice and controller tables with the operations that keep them
// in step with the parts and send them as channel messages. Channel
// messages go straight to the port and never into a recording.
class ChannelModel : public ChannelTables {
 public:
  explicit ChannelModel(XgModel& model) : model_(model) {}

  bool GetChannelVoice(int channel, ChannelVoice& voice) const { return GetVoice(channel, voice); }
  bool SetChannelVoice(int channel, const ChannelVoice& voice) { return PutVoice(channel, voice); }
  bool GetChannelControllers(int channel, ControllerRow& row) const {
    return GetControllers(channel, row);
  }
  // Writes the row and, when exactly one part receives on the channel,
  // copies the nine mirrored slots into that part.
  bool StoreChannelControllers(int channel, const ControllerRow& row);
  // -1 for a channel or slot out of range.
  int GetControllerSlot(int channel, int slot) const;
  // Ignored out of range.
  void SetControllerSlot(int channel, int slot, int value);

  // From the single part on the channel, or back to the defaults.
  void SyncChannelFromParts(int channel);
  void SyncAllChannelsFromParts();

  bool SendControlChange(int channel, int slot, int value);
  // Writes the value into the mirrored byte of every part on the channel.
  void ApplyControllerToParts(int channel, int slot, int value);
  // Bank select MSB, LSB and program change (program 0..127).
  bool SendVoiceMessages(int channel, int bankMsb, int bankLsb, int program);
  bool SendChannelVoice(int channel, bool nonDefaultOnly, unsigned delayMs);
  bool SendChannelControllers(int channel, bool nonDefaultOnly, unsigned delayMs);

 private:
  // The one part whose receive channel is `channel`; -1 when none or several.
  int SolePartOnChannel(int channel) const;

  XgModel& model_;
};

}  // namespace ravlo
