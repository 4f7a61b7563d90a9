#include "channels/ChannelTables.h"

namespace ravlo {

namespace {

std::size_t At(MidiChannel channel) {
  return static_cast<std::size_t>(channel.Index());
}

}  // namespace

void ChannelTables::ResetToDefaults() {
  for (int index = 0; index < MidiChannel::kCount; ++index) {
    voices_[static_cast<std::size_t>(index)] = DefaultVoice(MidiChannel::FromIndex(index));
  }
  controllers_.fill(DefaultControllerRow());
}

ChannelVoice ChannelTables::DefaultVoice(MidiChannel channel) {
  return channel.Index() == kDrumChannel ? ChannelVoice{127, 1, 0} : ChannelVoice{0, 1, 0};
}

ChannelVoice ChannelTables::Voice(MidiChannel channel) const {
  return channel.IsValid() ? voices_[At(channel)] : DefaultVoice(channel);
}

ControllerRow ChannelTables::Controllers(MidiChannel channel) const {
  return channel.IsValid() ? controllers_[At(channel)] : DefaultControllerRow();
}

int ChannelTables::Controller(MidiChannel channel, int slot) const {
  if (!channel.IsValid() || !IsSlot(slot)) return -1;
  return controllers_[At(channel)][static_cast<std::size_t>(slot)];
}

bool ChannelTables::PutVoice(MidiChannel channel, const ChannelVoice& voice) {
  if (!channel.IsValid()) return false;
  voices_[At(channel)] = voice;
  return true;
}

bool ChannelTables::PutControllers(MidiChannel channel, const ControllerRow& row) {
  if (!channel.IsValid()) return false;
  controllers_[At(channel)] = row;
  return true;
}

bool ChannelTables::PutSlot(MidiChannel channel, int slot, int value) {
  if (!channel.IsValid() || !IsSlot(slot) || value < 0 || value > 127) return false;
  controllers_[At(channel)][static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(value);
  return true;
}

}  // namespace ravlo
