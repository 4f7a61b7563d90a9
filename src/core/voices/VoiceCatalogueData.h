#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ravlo {

// Groups shown as the top level of the voice trees, in display order.
enum class VoiceCategory : uint8_t {
  kPiano,
  kChromaticPercussion,
  kOrgan,
  kGuitar,
  kBass,
  kStrings,
  kEnsemble,
  kBrass,
  kReed,
  kPipe,
  kSynthLead,
  kSynthPad,
  kSynthEffects,
  kEthnic,
  kPercussive,
  kSoundEffects,
  kDrums,
  kSpecialFxKit,
  kSpecialFxVoice,
  kUser,
  kCount
};

inline constexpr std::size_t kVoiceCategoryCount = static_cast<std::size_t>(VoiceCategory::kCount);

inline constexpr std::array<std::string_view, kVoiceCategoryCount> kVoiceCategoryNames = {
    "Piano",
    "Chromatic Percussion",
    "Organ",
    "Guitar",
    "Bass",
    "Strings",
    "Ensemble",
    "Brass",
    "Reed",
    "Pipe",
    "Synth Lead",
    "Synth Pad",
    "Synth Effects",
    "Ethnic",
    "Percussive",
    "Sound Effects",
    "Drums",
    "Special FX Kit",
    "Special FX Voice",
    "User",
};
static_assert(kVoiceCategoryNames.size() == 20);

// Bank select MSB values with a meaning of their own.
inline constexpr uint8_t kBankMsbNormalVoice = 0;
inline constexpr uint8_t kBankMsbUserVoice = 63;
inline constexpr uint8_t kBankMsbSfxVoice = 64;
inline constexpr uint8_t kBankMsbSfxKit = 126;
inline constexpr uint8_t kBankMsbDrumKit = 127;

inline constexpr int kUserVoiceSlotCount = 32;

// Bank 63/0 selects the user voice slots (the Bank's voices by program).
constexpr bool IsUserVoiceBank(int bankMsb, int bankLsb) {
  return bankMsb == kBankMsbUserVoice && bankLsb == 0;
}

// Shown when the catalogue holds no voice for a selection.
inline constexpr std::string_view kVoiceNoneText = "----";
// Shown when more than one part receives on a channel.
inline constexpr std::string_view kVoiceMultipleText = "Multiple";

// One voice of the tone generator. The name is held in the record (no pointer), so the tables
// need no relocation at load time; 31 characters hold the longest name of either table.
struct VoiceRecord {
  uint8_t bankMsb;
  uint8_t program;  // 1..128, i.e. program change value + 1
  uint8_t bankLsb;
  char name[32];     // NUL-padded
  uint8_t elements;  // 0 where the list gives no count
  VoiceCategory category;

  constexpr std::string_view Name() const {
    std::size_t length = 0;
    while (length < sizeof(name) && name[length] != '\0') ++length;
    return std::string_view(name, length);
  }
};

// A record's position in this table is the voice's identity throughout the program (tree item
// data, browser choice). Sorted by program, then bank MSB, then bank LSB.
inline constexpr std::size_t kVoiceCount = 523;
extern const std::array<VoiceRecord, kVoiceCount> kVoiceRecords;

// What a bank select MSB/LSB pair means ("Key Scale", "Stereo", ...).
struct BankTypeRecord {
  uint8_t bankMsb;
  uint8_t bankLsb;
  char name[14];  // up to 13 characters, NUL-padded

  constexpr std::string_view Name() const {
    std::size_t length = 0;
    while (length < sizeof(name) && name[length] != '\0') ++length;
    return std::string_view(name, length);
  }
};
static_assert(sizeof(BankTypeRecord) == 16);

// Sorted by bank MSB, then bank LSB.
inline constexpr std::size_t kBankTypeCount = 48;
extern const std::array<BankTypeRecord, kBankTypeCount> kBankTypeRecords;

}  // namespace ravlo
