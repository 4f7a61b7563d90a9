#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/ImageCell.h"
#include "uservoice/UserVoiceBanks.h"

namespace ravlo {

class XgModel;

// The Bank and the VBank (UserVoiceBanks) with the operations that change,
// send, take in, copy, exchange, move and list user voices. Every change is
// stored here and told to the model's observers (one notice per voice, or
// for all voices when many changed).
class UserVoiceModel : private UserVoiceBanks {
 public:
  static constexpr unsigned kDumpPauseMs = 10;

  explicit UserVoiceModel(XgModel& model) : model_(model) {}

  using UserVoiceBanks::Find;
  using UserVoiceBanks::IsVoiceNumber;

  // The voice of a slot; null out of range.
  const UserVoice* GetUserVoice(int voiceNumber, UserBank bank) { return Voice(bank, voiceNumber); }
  // Waits 10 ms, then records or sends the voice's 392-byte dump.
  bool SendUserVoice(int voiceNumber, UserBank bank);
  // Each Bank voice that differs from a fresh voice, as its dump: what a
  // save carries so that its file gives the voices back.
  bool SendChangedVoices();
  bool HasChangedVoices() const;
  // A QS300 message from a file: passed on, then parsed into the Bank.
  bool TakeInUserVoice(std::span<const std::uint8_t> message);

  // The User Voice window's direct edits of a Bank voice: stored, not sent
  // (the voice goes out whole when it is sent).
  bool SetVoiceName(int voiceNumber, std::string_view name);
  bool SetVoiceLevel(int voiceNumber, int level);
  bool SetVoiceElementOn(int voiceNumber, int element, bool on);
  bool SetVoiceElement(int voiceNumber, int element, const UserVoiceElement& bytes);
  // An element dialog's OK: the element stored, then the whole voice sent.
  bool SendVoiceElement(int voiceNumber, int element, const UserVoiceElement& bytes);
  // Overwrites a slot with another voice's bytes; the slot keeps its number.
  bool CopyVoiceInto(UserBank bank, int voiceNumber, const UserVoice& source);

  enum class CopyDirection { ToBank, ToVBank };
  // Copies between a Bank slot and a VBank slot; a copy into the Bank is sent.
  bool CopyUserVoice(int bankSlot, int vbankSlot, CopyDirection direction);
  // Exchanges every slot of the two banks, sending each new Bank voice.
  bool ExchangeBanks();
  // Exchanges two Bank voices; the caller sends both.
  bool MoveUserVoice(int first, int second);
  // The edit history's view of a slot: the common bytes, the four elements
  // and the voice number. Put back without a message (one notice); a Bank
  // voice is sent by SendUserVoice.
  static constexpr std::size_t kCellCount =
      kUserVoiceCommonSize + kUserVoiceElementCount * kUserVoiceElementSize + 1;
  bool CopyCells(UserBank bank, int voiceNumber, std::span<ImageCell> cells) const;
  bool PutCells(UserBank bank, int voiceNumber, std::span<const ImageCell> cells);

  // "n - name" for the 32 slots of a bank, n counted from 1.
  std::vector<std::string> ListUserVoices(UserBank bank);

 private:
  // The Bank voice of the slot differs from a fresh one.
  bool IsChanged(int slot) const;
  // A Bank voice changed (or, with kAll, many voices of either bank).
  void Changed(int voiceNumber);

  XgModel& model_;
};

}  // namespace ravlo
