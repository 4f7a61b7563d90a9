#include "channels/ChannelTables.h"

namespace ravlo {

void ChannelTables::ResetToDefaults() {
  for (int channel = 0; channel < kMidiChannelCount; ++channel) {
    voices_[static_cast<std::size_t>(channel)] = DefaultVoice(channel);
  }
  controllers_.fill(DefaultControllerRow());
}

ChannelVoice ChannelTables::DefaultVoice(int channel) {
  return channel == kDrumChannel ? ChannelVoice{127, 1, 0} : ChannelVoice{0, 1, 0};
}

bool ChannelTables::GetVoice(int channel, ChannelVoice& voice) const {
  if (!IsChannel(channel)) return false;
  voice = voices_[static_cast<std::size_t>(channel)];
  return true;
}

bool ChannelTables::PutVoice(int channel, const ChannelVoice& voice) {
  if (!IsChannel(channel)) return false;
  voices_[static_cast<std::size_t>(channel)] = voice;
  return true;
}

bool ChannelTables::GetControllers(int channel, ControllerRow& row) const {
  if (!IsChannel(channel)) return false;
  row = controllers_[static_cast<std::size_t>(channel)];
  return true;
}

bool ChannelTables::PutControllers(int channel, const ControllerRow& row) {
  if (!IsChannel(channel)) return false;
  controllers_[static_cast<std::size_t>(channel)] = row;
  return true;
}

bool ChannelTables::GetSlot(int channel, int slot, int& value) const {
  if (!IsChannel(channel) || !IsSlot(slot)) return false;
  value = controllers_[static_cast<std::size_t>(channel)][static_cast<std::size_t>(slot)];
  return true;
}

bool ChannelTables::PutSlot(int channel, int slot, int value) {
  if (!IsChannel(channel) || !IsSlot(slot) || value < 0 || value > 127) return false;
  controllers_[static_cast<std::size_t>(channel)][static_cast<std::size_t>(slot)] =
      static_cast<std::uint8_t>(value);
  return true;
}

}  // namespace ravlo
