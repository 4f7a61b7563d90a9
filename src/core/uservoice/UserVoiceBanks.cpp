#include "uservoice/UserVoiceBanks.h"

#include <utility>

namespace ravlo {

UserVoiceBanks::UserVoiceBanks() {
  for (int i = 0; i < kUserVoicesPerBank; ++i) {
    Voice(UserBank::Bank, i);
    Voice(UserBank::VBank, i);
  }
}

UserVoice* UserVoiceBanks::Voice(UserBank bank, int voiceNumber) {
  if (!IsVoiceNumber(voiceNumber)) return nullptr;
  std::unique_ptr<UserVoice>& slot = SlotsOf(bank)[static_cast<std::size_t>(voiceNumber)];
  if (!slot) slot = std::make_unique<UserVoice>(voiceNumber);
  return slot.get();
}

const UserVoice* UserVoiceBanks::Find(UserBank bank, int voiceNumber) const {
  if (!IsVoiceNumber(voiceNumber)) return nullptr;
  return SlotsOf(bank)[static_cast<std::size_t>(voiceNumber)].get();
}

bool UserVoiceBanks::Exchange(int voiceNumber) {
  if (!IsVoiceNumber(voiceNumber)) return false;
  Voice(UserBank::Bank, voiceNumber);
  Voice(UserBank::VBank, voiceNumber);
  const auto slot = static_cast<std::size_t>(voiceNumber);
  std::swap(bank_[slot], vbank_[slot]);
  return true;
}

bool UserVoiceBanks::Move(int first, int second) {
  if (!IsVoiceNumber(first) || !IsVoiceNumber(second)) return false;
  auto& a = bank_[static_cast<std::size_t>(first)];
  auto& b = bank_[static_cast<std::size_t>(second)];
  if (!a || !b) return false;
  std::swap(a, b);
  a->SetVoiceNumber(first);
  b->SetVoiceNumber(second);
  return true;
}

}  // namespace ravlo
