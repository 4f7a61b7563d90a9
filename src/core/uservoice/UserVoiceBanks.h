#pragma once

#include <array>
#include <memory>

#include "uservoice/UserVoice.h"

namespace ravlo {

// The Bank mirrors the synthesizer's 32 user voices; the VBank is a second
// set that lives only in the program.
enum class UserBank { Bank, VBank };

class UserVoiceBanks {
 public:
  // Every slot gets a fresh voice numbered after it.
  UserVoiceBanks();

  // The voice of a slot, created if the slot is empty; null for a number
  // outside 0..31.
  UserVoice* Voice(UserBank bank, int voiceNumber);
  // Without creating; null for an empty slot or a bad number.
  const UserVoice* Find(UserBank bank, int voiceNumber) const;

  // Exchanges the voice objects of one slot between the two banks.
  bool Exchange(int voiceNumber);
  // Exchanges two Bank voices and renumbers both after their new slots.
  bool Move(int first, int second);

  static bool IsVoiceNumber(int voiceNumber) {
    return voiceNumber >= 0 && voiceNumber < kUserVoicesPerBank;
  }

 private:
  using Slots = std::array<std::unique_ptr<UserVoice>, kUserVoicesPerBank>;
  Slots& SlotsOf(UserBank bank) { return bank == UserBank::Bank ? bank_ : vbank_; }
  const Slots& SlotsOf(UserBank bank) const { return bank == UserBank::Bank ? bank_ : vbank_; }

  Slots bank_;
  Slots vbank_;
};

}  // namespace ravlo
