#include "uservoice/UserVoiceModel.h"

#include <string_view>

#include "model/ModelEvents.h"
#include "model/RefreshMarks.h"
#include "model/XgModel.h"

namespace ravlo {

namespace {

// The address middle byte of a QS300 user voice message carries the voice number.
constexpr std::size_t kVoiceNumberByte = 7;

// Overwrites `destination` with the bytes of `source` through the dump form, so the
// destination keeps its own number and element objects.
bool CopyVoiceInto(const UserVoice& source, UserVoice& destination) {
  const auto dump = source.BuildDump(0, destination.VoiceNumber());
  return destination.ParseDump(dump);
}

}  // namespace

bool UserVoiceModel::SendUserVoice(int voiceNumber, UserBank bank) {
  const UserVoice* voice = Find(bank, voiceNumber);
  if (voice == nullptr) return false;
  const auto dump = voice->BuildDump(model_.Emitter().UnitNumber(), voiceNumber);
  model_.Emitter().Pause(kDumpPauseMs);
  return model_.Emitter().Emit(dump);
}

bool UserVoiceModel::TakeInUserVoice(std::span<const std::uint8_t> message) {
  if (message.size() <= kVoiceNumberByte) return false;
  const int voiceNumber = message[kVoiceNumberByte];
  if (!IsVoiceNumber(voiceNumber)) return false;
  if (!model_.Emitter().Emit(message)) return false;
  UserVoice* voice = Voice(UserBank::Bank, voiceNumber);
  if (voice == nullptr || !voice->ParseDump(message)) return false;
  model_.Events().RaiseMark(RefreshMark::UserVoice, voiceNumber);
  return true;
}

bool UserVoiceModel::CopyUserVoice(int bankSlot, int vbankSlot, CopyDirection direction) {
  if (!IsVoiceNumber(bankSlot) || Find(UserBank::VBank, vbankSlot) == nullptr) return false;
  UserVoice* bankVoice = Voice(UserBank::Bank, bankSlot);
  UserVoice* vbankVoice = Voice(UserBank::VBank, vbankSlot);
  if (bankVoice == nullptr || vbankVoice == nullptr) return false;
  if (direction == CopyDirection::ToVBank) return CopyVoiceInto(*bankVoice, *vbankVoice);
  return CopyVoiceInto(*vbankVoice, *bankVoice) && SendUserVoice(bankSlot, UserBank::Bank);
}

bool UserVoiceModel::ExchangeBanks() {
  for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
    if (!Exchange(slot)) return false;
    // A voice answers to the slot it sits in, whatever number it came with.
    Voice(UserBank::Bank, slot)->SetVoiceNumber(slot);
    Voice(UserBank::VBank, slot)->SetVoiceNumber(slot);
    if (!SendUserVoice(slot, UserBank::Bank)) return false;
  }
  return true;
}

bool UserVoiceModel::MoveUserVoice(int first, int second) {
  return Move(first, second);
}

std::vector<std::string> UserVoiceModel::ListUserVoices(UserBank bank) {
  std::vector<std::string> lines;
  lines.reserve(kUserVoicesPerBank);
  for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
    const UserVoice* voice = Voice(bank, slot);
    if (voice == nullptr) return {};
    lines.push_back(std::to_string(slot + 1) + " - " + std::string(voice->DisplayName()));
  }
  return lines;
}

}  // namespace ravlo
