#include "channels/ChannelModel.h"

#include <algorithm>

#include "messages/XgMessages.h"
#include "model/XgModel.h"
#include "parts/PartRecord.h"

namespace ravlo {

namespace {

XgAddress SlotAddress(int slot) {
  return {0, 0, static_cast<std::uint8_t>(slot)};
}

int VoiceValue(const ChannelVoice& voice) {
  return voice.bankMsb << 16 | voice.bankLsb << 8 | voice.program;
}

bool IsVoice(const ChannelVoice& voice) {
  return IsDataByte(voice.bankMsb) && IsDataByte(voice.bankLsb) &&
         voice.program >= ChannelVoice::kFirstProgram &&
         voice.program <= ChannelVoice::kLastProgram;
}

}  // namespace

void ChannelModel::PublishSlot(MidiChannel channel, int slot, int old, int value) {
  if (old != value) {
    model_.Publish({ModelBlock::Channel, channel.Index(), SlotAddress(slot), old, value});
  }
}

bool ChannelModel::SetController(MidiChannel channel, int slot, int value) {
  if (!channel.IsValid() || !IsSlot(slot) || !IsDataByte(value)) return false;
  const ControllerSlotInfo& info = kControllerSlots[static_cast<std::size_t>(slot)];
  if (!model_.Emitter().SendShort(PackControlChange(channel, info.controlChange, value))) {
    return false;
  }
  StoreSlot(channel, slot, value);
  ApplyControllerToParts(channel, slot, value);
  return true;
}

bool ChannelModel::SendController(MidiChannel channel, int slot) {
  const int value = Controller(channel, slot);
  if (value < 0) return false;
  const ControllerSlotInfo& info = kControllerSlots[static_cast<std::size_t>(slot)];
  return model_.Emitter().SendShort(PackControlChange(channel, info.controlChange, value));
}

void ChannelModel::ApplyControllerToParts(MidiChannel channel, int slot, int value) {
  const auto address = kControllerSlots[static_cast<std::size_t>(slot)].partAddress;
  if (!address) return;
  PartModel& parts = model_.Parts();
  for (int index = 0; index < parts.Count(); ++index) {
    const PartIndex part = PartIndex::FromIndex(index);
    if ((*parts.Record(part))[part_address::kReceiveChannel] != channel.Index()) continue;
    // A control change pan of 0 is hard left; the part's 0 is Random, so it takes L63.
    const bool hardLeft = slot == static_cast<int>(ControllerSlot::Pan) && value == 0;
    const std::uint8_t byte[] = {static_cast<std::uint8_t>(hardLeft ? 1 : value)};
    parts.StorePartBytes(part, *address, byte);
  }
}

bool ChannelModel::SetChannelVoice(MidiChannel channel, const ChannelVoice& voice) {
  if (!channel.IsValid() || !IsVoice(voice)) return false;
  XgEmitter& emitter = model_.Emitter();
  if (!emitter.SendShort(PackBankSelectMsb(channel, voice.bankMsb)) ||
      !emitter.SendShort(PackBankSelectLsb(channel, voice.bankLsb)) ||
      !emitter.SendShort(PackProgramChange(channel, voice.program))) {
    return false;
  }
  StoreVoice(channel, voice);
  model_.Parts().ApplyChannelVoice(channel, voice.program - 1, voice.bankMsb, voice.bankLsb);
  return true;
}

bool ChannelModel::SelectChannelVoice(MidiChannel channel, int voiceIndex) {
  const std::optional<VoiceBank> bank = GetVoiceBank(voiceIndex, model_.Instrument());
  if (!bank) return false;
  return SetChannelVoice(channel, {bank->bankMsb, bank->program, bank->bankLsb});
}

bool ChannelModel::StoreModulation(MidiChannel channel, int value) {
  return StoreSlot(channel, static_cast<int>(ControllerSlot::Modulation), value);
}

bool ChannelModel::StoreSlot(MidiChannel channel, int slot, int value) {
  const int old = Controller(channel, slot);
  if (!PutSlot(channel, slot, value)) return false;
  PublishSlot(channel, slot, old, value);
  return true;
}

void ChannelModel::StoreVoice(MidiChannel channel, const ChannelVoice& voice) {
  const ChannelVoice old = Voice(channel);
  if (!PutVoice(channel, voice) || old == voice) return;
  model_.Publish({ModelBlock::Channel, channel.Index(),
                  XgAddress{0, 0, ModelChange::kChannelVoiceLow}, VoiceValue(old),
                  VoiceValue(voice)});
}

void ChannelModel::FollowSolePart(MidiChannel channel) {
  const std::optional<PartIndex> part = model_.Parts().SolePartOnChannel(channel);
  if (!part) return;
  const PartRecord& record = *model_.Parts().Record(*part);
  StoreVoice(channel, {record[part_address::kBankMsb],
                       static_cast<std::uint8_t>(record[part_address::kProgram] + 1),
                       record[part_address::kBankLsb]});
  // Expression and modulation have no part parameter and keep their values.
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    if (const auto address = kControllerSlots[slot].partAddress) {
      StoreSlot(channel, static_cast<int>(slot), record[*address]);
    }
  }
}

void ChannelModel::SyncChannelFromParts(MidiChannel channel) {
  if (model_.Parts().SolePartOnChannel(channel)) {
    FollowSolePart(channel);
    return;
  }
  // No part, or several: the rows belong to none of them. Expression and
  // modulation are the channel's own values, which no part holds: they stay.
  ControllerRow row = DefaultControllerRow();
  for (const ControllerSlot own : {ControllerSlot::Expression, ControllerSlot::Modulation}) {
    const auto slot = static_cast<std::size_t>(own);
    row[slot] = static_cast<std::uint8_t>(Controller(channel, static_cast<int>(slot)));
  }
  PutVoice(channel, DefaultVoice(channel));
  PutControllers(channel, row);
}

void ChannelModel::SyncAllChannelsFromParts() {
  for (int index = 0; index < MidiChannel::kCount; ++index) {
    SyncChannelFromParts(MidiChannel::FromIndex(index));
  }
  model_.PublishWhole(ModelBlock::Channel);
}

bool ChannelModel::CopyCells(MidiChannel channel, std::span<ImageCell> cells) const {
  if (!channel.IsValid() || cells.size() < kCellCount) return false;
  const ChannelVoice voice = Voice(channel);
  cells[0] = voice.bankMsb;
  cells[1] = voice.program;
  cells[2] = voice.bankLsb;
  const ControllerRow row = Controllers(channel);
  std::copy(row.begin(), row.end(), cells.begin() + kVoiceCellCount);
  return true;
}

bool ChannelModel::PutCells(MidiChannel channel, std::span<const ImageCell> cells) {
  if (!channel.IsValid() || cells.size() < kCellCount) return false;
  const auto byte = [&](std::size_t cell) { return static_cast<std::uint8_t>(cells[cell]); };
  StoreVoice(channel, {byte(0), byte(1), byte(2)});
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    StoreSlot(channel, static_cast<int>(slot), cells[SlotCell(static_cast<int>(slot))]);
  }
  return true;
}

bool ChannelModel::SendChannelVoice(MidiChannel channel, bool nonDefaultOnly, unsigned delayMs) {
  if (!channel.IsValid()) return false;
  const ChannelVoice voice = Voice(channel);
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

bool ChannelModel::SendChannelControllers(MidiChannel channel, bool nonDefaultOnly,
                                          unsigned delayMs) {
  if (!channel.IsValid()) return false;
  const ControllerRow row = Controllers(channel);
  XgEmitter& emitter = model_.Emitter();
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    const ControllerSlotInfo& info = kControllerSlots[slot];
    if (nonDefaultOnly && row[slot] == info.parameter.defaultValue) continue;
    if (!emitter.SendShort(PackControlChange(channel, info.controlChange, row[slot]))) {
      return false;
    }
    emitter.Pause(delayMs);
  }
  return true;
}

}  // namespace ravlo
