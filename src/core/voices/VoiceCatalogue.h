#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/InstrumentModel.h"
#include "parts/PartRecord.h"
#include "voices/UserVoiceElementSource.h"
#include "voices/VoiceCatalogueData.h"

namespace ravlo {

// A voice as the catalogue names it. `name` points into the catalogue's static storage.
struct VoiceLookup {
  std::string_view name;
  int elements;  // 0 when nothing was found
  int index;     // catalogue index, -1 when nothing was found
};

// The bank select and program change that choose a catalogue voice.
struct VoiceBank {
  uint8_t bankMsb;
  uint8_t bankLsb;
  uint8_t program;  // 1..128
};

// The record of catalogue voice `index`, of either table (the basic voices 0..522, the extended
// ones from kFirstExtendedVoiceIndex); null for any other index.
const VoiceRecord* CatalogueVoice(int index);

// Name and element count of the voice chosen by `program` (1..128) and the bank select bytes.
// Unknown combinations give "----", 0 elements, index -1. For the user voice slots (bank 63/0)
// the element count comes from `userVoices`, since it depends on the loaded user voice. The
// extended model also knows the later instruments' voices the basic catalogue lacks.
VoiceLookup FindVoice(int program, int bankMsb, int bankLsb,
                      const UserVoiceElementSource& userVoices, InstrumentModel instrument);

// Bank select and program number of catalogue entry `index`; nothing for an index `instrument`
// does not know (with the basic model anything outside 0..522).
std::optional<VoiceBank> GetVoiceBank(int index, InstrumentModel instrument);

// Name of the bank type of a bank select pair, "----" when it has none.
std::string_view BankTypeName(int bankMsb, int bankLsb);

// Which parts receive on a channel (the lookups read only the bank, program and receive
// channel bytes of the records). The scan stops at the second hit, so `count` is 0, 1 or 2
// (two or more); `part` is the part index when `count` is 1, else -1.
struct ChannelPartScan {
  int count;
  int part;
};
ChannelPartScan ScanChannelParts(std::span<const PartRecord> parts, int channel);

// Voice of the single part receiving on `channel` (0..15): "----" when no part does,
// "Multiple" when several do (both with 0 elements and index -1).
VoiceLookup ChannelVoiceName(std::span<const PartRecord> parts, int channel,
                             const UserVoiceElementSource& userVoices, InstrumentModel instrument);

// Bank type of the single part receiving on `channel`; "----" when none or several do.
std::string_view ChannelBankTypeName(std::span<const PartRecord> parts, int channel);

// Item data of category items in the voice trees: one past the last basic index and below the
// extended ones, so it can never be taken for a voice.
inline constexpr int kVoiceTreeCategoryItemData = static_cast<int>(kVoiceCount);

// One top-level item of a voice tree with its voices in display order.
struct VoiceTreeCategory {
  VoiceCategory category;
  std::string_view name;
  std::vector<int> voices;  // catalogue indices, sorted by name ignoring case, ties by index
};

// The content of a voice tree: the categories in table order, each with all of the voices
// `instrument` knows.
std::array<VoiceTreeCategory, kVoiceCategoryCount> BuildVoiceTree(InstrumentModel instrument);

}  // namespace ravlo
