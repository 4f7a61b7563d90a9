#include "uservoice/UserVoiceModel.h"

#include <algorithm>

#include "model/ModelEvents.h"
#include "model/RefreshMarks.h"
#include "model/XgModel.h"

namespace ravlo {

namespace {

// The address middle byte of a QS300 user voice message carries the voice number.
constexpr std::size_t kVoiceNumberByte = 7;

}  // namespace

void UserVoiceModel::Changed(int voiceNumber) {
  model_.PublishWhole(ModelBlock::UserVoice, voiceNumber);
}

bool UserVoiceModel::SendUserVoice(int voiceNumber, UserBank bank) {
  const UserVoice* voice = Find(bank, voiceNumber);
  if (voice == nullptr) return false;
  const auto dump = voice->BuildDump(model_.Unit(), voiceNumber);
  model_.Emitter().Pause(kDumpPauseMs);
  return model_.Emitter().Emit(dump);
}

bool UserVoiceModel::IsChanged(int slot) const {
  // Asked for every slot on every save: compared byte by byte, with no dumps built.
  static const UserVoice kUntouched;
  const UserVoice* voice = Find(UserBank::Bank, slot);
  return voice != nullptr && !voice->SameData(kUntouched);
}

bool UserVoiceModel::HasChangedVoices() const {
  for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
    if (IsChanged(slot)) return true;
  }
  return false;
}

bool UserVoiceModel::SendChangedVoices() {
  for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
    if (IsChanged(slot) && !SendUserVoice(slot, UserBank::Bank)) return false;
  }
  return true;
}

bool UserVoiceModel::TakeInUserVoice(std::span<const std::uint8_t> message) {
  if (message.size() <= kVoiceNumberByte) return false;
  const int voiceNumber = message[kVoiceNumberByte];
  if (!IsVoiceNumber(voiceNumber)) return false;
  if (!model_.Emitter().Emit(message)) return false;
  UserVoice* voice = Voice(UserBank::Bank, voiceNumber);
  if (voice == nullptr || !voice->ParseDump(message)) return false;
  Changed(voiceNumber);
  model_.Events().RaiseMark(RefreshMark::UserVoice, voiceNumber);
  return true;
}

bool UserVoiceModel::SetVoiceName(int voiceNumber, std::string_view name) {
  UserVoice* voice = Voice(UserBank::Bank, voiceNumber);
  if (voice == nullptr) return false;
  voice->SetName(name);
  Changed(voiceNumber);
  return true;
}

bool UserVoiceModel::SetVoiceLevel(int voiceNumber, int level) {
  UserVoice* voice = Voice(UserBank::Bank, voiceNumber);
  if (voice == nullptr || level < 0 || level > 127) return false;
  voice->SetLevel(level);
  Changed(voiceNumber);
  return true;
}

bool UserVoiceModel::SetVoiceElementOn(int voiceNumber, int element, bool on) {
  UserVoice* voice = Voice(UserBank::Bank, voiceNumber);
  if (voice == nullptr || !voice->SetElementOn(element, on)) return false;
  Changed(voiceNumber);
  return true;
}

bool UserVoiceModel::SetVoiceElement(int voiceNumber, int element, const UserVoiceElement& bytes) {
  UserVoice* voice = Voice(UserBank::Bank, voiceNumber);
  if (voice == nullptr || !voice->SetElement(element, bytes)) return false;
  Changed(voiceNumber);
  return true;
}

bool UserVoiceModel::SendVoiceElement(int voiceNumber, int element, const UserVoiceElement& bytes) {
  return SetVoiceElement(voiceNumber, element, bytes) && SendUserVoice(voiceNumber, UserBank::Bank);
}

bool UserVoiceModel::CopyVoiceInto(UserBank bank, int voiceNumber, const UserVoice& source) {
  UserVoice* destination = Voice(bank, voiceNumber);
  if (destination == nullptr) return false;
  if (!destination->CopyFrom(source)) return false;
  Changed(bank == UserBank::Bank ? voiceNumber : ModelChange::kAll);
  return true;
}

bool UserVoiceModel::CopyUserVoice(int bankSlot, int vbankSlot, CopyDirection direction) {
  const UserVoice* bankVoice = Voice(UserBank::Bank, bankSlot);
  const UserVoice* vbankVoice = Find(UserBank::VBank, vbankSlot);
  if (bankVoice == nullptr || vbankVoice == nullptr) return false;
  if (direction == CopyDirection::ToVBank) {
    return CopyVoiceInto(UserBank::VBank, vbankSlot, *bankVoice);
  }
  return CopyVoiceInto(UserBank::Bank, bankSlot, *vbankVoice) &&
         SendUserVoice(bankSlot, UserBank::Bank);
}

bool UserVoiceModel::ExchangeBanks() {
  const auto exchange = [this](int slot) {
    if (!Exchange(slot)) return false;
    // A voice answers to the slot it sits in, whatever number it came with.
    Voice(UserBank::Bank, slot)->SetVoiceNumber(slot);
    Voice(UserBank::VBank, slot)->SetVoiceNumber(slot);
    return SendUserVoice(slot, UserBank::Bank);
  };
  bool exchanged = true;
  for (int slot = 0; exchanged && slot < kUserVoicesPerBank; ++slot) exchanged = exchange(slot);
  // What was exchanged before a failure stays exchanged, and shows.
  Changed(ModelChange::kAll);
  return exchanged;
}

bool UserVoiceModel::MoveUserVoice(int first, int second) {
  if (!Move(first, second)) return false;
  Changed(ModelChange::kAll);
  return true;
}

bool UserVoiceModel::CopyCells(UserBank bank, int voiceNumber, std::span<ImageCell> cells) const {
  if (!IsVoiceNumber(voiceNumber) || cells.size() < kCellCount) return false;
  const UserVoice* found = Find(bank, voiceNumber);
  const UserVoice fresh(voiceNumber);
  const UserVoice& voice = found != nullptr ? *found : fresh;
  auto out = std::copy(voice.Common().begin(), voice.Common().end(), cells.begin());
  for (int element = 0; element < kUserVoiceElementCount; ++element) {
    const UserVoiceElement& bytes = *voice.Element(element);
    out = std::copy(bytes.begin(), bytes.end(), out);
  }
  *out = voice.VoiceNumber();
  return true;
}

bool UserVoiceModel::PutCells(UserBank bank, int voiceNumber, std::span<const ImageCell> cells) {
  UserVoice* voice = Voice(bank, voiceNumber);
  if (voice == nullptr || cells.size() < kCellCount) return false;
  UserVoiceCommon common{};
  std::transform(cells.begin(), cells.begin() + kUserVoiceCommonSize, common.begin(),
                 [](ImageCell cell) { return static_cast<std::uint8_t>(cell); });
  voice->SetCommon(common);
  auto in = cells.begin() + kUserVoiceCommonSize;
  for (int element = 0; element < kUserVoiceElementCount; ++element) {
    UserVoiceElement bytes{};
    std::transform(in, in + kUserVoiceElementSize, bytes.begin(),
                   [](ImageCell cell) { return static_cast<std::uint8_t>(cell); });
    voice->SetElement(element, bytes);
    in += kUserVoiceElementSize;
  }
  voice->SetVoiceNumber(*in);
  Changed(bank == UserBank::Bank ? voiceNumber : ModelChange::kAll);
  return true;
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
