#include "channels/ChannelModel.h"

#include "messages/XgMessages.h"
#include "model/XgModel.h"
#include "parts/PartRecord.h"

namespace ravlo {

int ChannelModel::SolePartOnChannel(int channel) const {
  if (!IsChannel(channel)) return -1;
  const PartModel& parts = model_.Parts();
  int found = -1;
  for (int part = 0; part < parts.Count(); ++part) {
    if ((*parts.Record(part))[part_address::kReceiveChannel] != channel) continue;
    if (found >= 0) return -1;
    found = part;
  }
  return found;
}

bool ChannelModel::StoreChannelControllers(int channel, const ControllerRow& row) {
  if (!PutControllers(channel, row)) return false;
  // With several parts on the channel none of them owns the row.
  const int part = SolePartOnChannel(channel);
  if (part < 0) return true;
  PartRecord& record = *model_.Parts().Record(part);
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    if (const auto address = kControllerSlots[slot].partAddress) record[*address] = row[slot];
  }
  return true;
}

int ChannelModel::GetControllerSlot(int channel, int slot) const {
  int value = -1;
  return GetSlot(channel, slot, value) ? value : -1;
}

void ChannelModel::SetControllerSlot(int channel, int slot, int value) {
  PutSlot(channel, slot, value);
}

void ChannelModel::SyncChannelFromParts(int channel) {
  if (!IsChannel(channel)) return;
  const int part = SolePartOnChannel(channel);
  if (part < 0) {
    PutVoice(channel, DefaultVoice(channel));
    PutControllers(channel, DefaultControllerRow());
    return;
  }
  const PartRecord& record = *model_.Parts().Record(part);
  PutVoice(channel, {record[part_address::kBankMsb],
                     static_cast<std::uint8_t>(record[part_address::kProgram] + 1),
                     record[part_address::kBankLsb]});
  ControllerRow row{};
  GetControllers(channel, row);
  // Expression and modulation have no part parameter and keep their values.
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    if (const auto address = kControllerSlots[slot].partAddress) row[slot] = record[*address];
  }
  PutControllers(channel, row);
}

void ChannelModel::SyncAllChannelsFromParts() {
  for (int channel = 0; channel < kMidiChannelCount; ++channel) SyncChannelFromParts(channel);
}

bool ChannelModel::SendControlChange(int channel, int slot, int value) {
  if (!IsChannel(channel) || !IsSlot(slot) || !IsDataByte(value)) return false;
  const ControllerSlotInfo& info = kControllerSlots[static_cast<std::size_t>(slot)];
  return model_.Emitter().SendShort(PackControlChange(channel, info.controlChange, value));
}

void ChannelModel::ApplyControllerToParts(int channel, int slot, int value) {
  if (!IsChannel(channel) || !IsSlot(slot) || !IsDataByte(value)) return;
  const auto address = kControllerSlots[static_cast<std::size_t>(slot)].partAddress;
  if (!address) return;
  PartModel& parts = model_.Parts();
  for (int part = 0; part < parts.Count(); ++part) {
    PartRecord& record = *parts.Record(part);
    if (record[part_address::kReceiveChannel] == channel) {
      record[*address] = static_cast<std::uint8_t>(value);
    }
  }
}

bool ChannelModel::SendVoiceMessages(int channel, int bankMsb, int bankLsb, int program) {
  if (!IsChannel(channel) || !IsDataByte(bankMsb) || !IsDataByte(bankLsb) || !IsDataByte(program)) {
    return false;
  }
  XgEmitter& emitter = model_.Emitter();
  return emitter.SendShort(PackBankSelectMsb(channel, bankMsb)) &&
         emitter.SendShort(PackBankSelectLsb(channel, bankLsb)) &&
         emitter.SendShort(PackProgramChange(channel, program + 1));
}

bool ChannelModel::SendChannelVoice(int channel, bool nonDefaultOnly, unsigned delayMs) {
  ChannelVoice voice;
  if (!GetVoice(channel, voice)) return false;
  if (nonDefaultOnly && voice == DefaultVoice(channel)) return true;
  XgEmitter& emitter = model_.Emitter();
  const std::uint32_t messages[] = {PackBankSelectMsb(channel, voice.bankMsb),
                                    PackBankSelectLsb(channel, voice.bankLsb),
                                    PackProgramChange(channel, voice.program)};
  for (std::uint32_t message : messages) {
    const bool sent = emitter.SendShort(message);
    // The pause follows a failed message too, before giving up.
    emitter.Pause(delayMs);
    if (!sent) return false;
  }
  return true;
}

bool ChannelModel::SendChannelControllers(int channel, bool nonDefaultOnly, unsigned delayMs) {
  ControllerRow row{};
  if (!GetControllers(channel, row)) return false;
  XgEmitter& emitter = model_.Emitter();
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    const ControllerSlotInfo& info = kControllerSlots[slot];
    if (nonDefaultOnly && row[slot] == info.defaultValue) continue;
    if (!emitter.SendShort(PackControlChange(channel, info.controlChange, row[slot]))) {
      return false;
    }
    emitter.Pause(delayMs);
  }
  return true;
}

}  // namespace ravlo
