#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "uservoice/UserVoiceBanks.h"

namespace ravlo {

class XgModel;

// The Bank and the VBank (UserVoiceBanks) with the operations that send,
// take in, copy, exchange, move and list user voices.
class UserVoiceModel : public UserVoiceBanks {
 public:
  static constexpr unsigned kDumpPauseMs = 10;

  explicit UserVoiceModel(XgModel& model) : model_(model) {}

  // The voice of a slot, created if the slot was empty; null out of range.
  UserVoice* GetUserVoice(int voiceNumber, UserBank bank) { return Voice(bank, voiceNumber); }
  // Waits 10 ms, then records or sends the voice's 392-byte dump.
  bool SendUserVoice(int voiceNumber, UserBank bank);
  // A QS300 message from a file: passed on, then parsed into the Bank.
  bool TakeInUserVoice(std::span<const std::uint8_t> message);

  enum class CopyDirection { ToBank, ToVBank };
  // Copies between a Bank slot and a VBank slot; a copy into the Bank is sent.
  bool CopyUserVoice(int bankSlot, int vbankSlot, CopyDirection direction);
  // Exchanges every slot of the two banks, sending each new Bank voice.
  bool ExchangeBanks();
  // Exchanges two Bank voices; the caller sends both.
  bool MoveUserVoice(int first, int second);
  // "n - name" for the 32 slots of a bank, n counted from 1.
  std::vector<std::string> ListUserVoices(UserBank bank);

 private:
  XgModel& model_;
};

}  // namespace ravlo
