#include "voices/VoiceCatalogue.h"

#include <algorithm>

namespace ravlo {
namespace {

constexpr VoiceLookup kNoVoice{kVoiceNoneText, 0, -1};

constexpr char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Case-insensitive, locale-independent order, as a tree control sorts its item texts.
bool NameLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(AsciiLower(x)) < static_cast<unsigned char>(AsciiLower(y));
  });
}

}  // namespace

VoiceLookup FindVoice(int program, int bankMsb, int bankLsb,
                      const UserVoiceElementSource& userVoices) {
  // The table is sorted by program, so the first record of the program's run is found by
  // bisection; the first match within the run wins.
  const auto first =
      std::lower_bound(kVoiceRecords.begin(), kVoiceRecords.end(), program,
                       [](const VoiceRecord& record, int value) { return record.program < value; });
  for (auto it = first; it != kVoiceRecords.end() && it->program == program; ++it) {
    if (it->bankMsb != bankMsb || it->bankLsb != bankLsb) continue;
    const int index = static_cast<int>(it - kVoiceRecords.begin());
    if (IsUserVoiceBank(bankMsb, bankLsb)) {
      // The stored count of a user voice slot is a placeholder; the loaded voice decides.
      const int elements = (program >= 1 && program <= kUserVoiceSlotCount)
                               ? userVoices.UserVoiceElementCount(program - 1)
                               : 0;
      return {it->Name(), elements, index};
    }
    return {it->Name(), it->elements, index};
  }
  return kNoVoice;
}

std::optional<VoiceBank> GetVoiceBank(int index) {
  if (index < 0 || index >= static_cast<int>(kVoiceCount)) return std::nullopt;
  const VoiceRecord& record = kVoiceRecords[static_cast<std::size_t>(index)];
  return VoiceBank{record.bankMsb, record.bankLsb, record.program};
}

std::string_view BankTypeName(int bankMsb, int bankLsb) {
  for (const BankTypeRecord& record : kBankTypeRecords) {
    if (record.bankMsb == bankMsb && record.bankLsb == bankLsb) return record.Name();
  }
  return kVoiceNoneText;
}

ChannelPartScan ScanChannelParts(std::span<const PartRecord> parts, int channel) {
  ChannelPartScan scan{0, -1};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (parts[i][part_address::kReceiveChannel] != channel) continue;
    if (++scan.count == 2) return {2, -1};
    scan.part = static_cast<int>(i);
  }
  return scan;
}

VoiceLookup ChannelVoiceName(std::span<const PartRecord> parts, int channel,
                             const UserVoiceElementSource& userVoices) {
  const ChannelPartScan scan = ScanChannelParts(parts, channel);
  if (scan.count == 0) return kNoVoice;
  if (scan.count > 1) return {kVoiceMultipleText, 0, -1};
  const PartRecord& part = parts[static_cast<std::size_t>(scan.part)];
  return FindVoice(part[part_address::kProgram] + 1, part[part_address::kBankMsb],
                   part[part_address::kBankLsb], userVoices);
}

std::string_view ChannelBankTypeName(std::span<const PartRecord> parts, int channel) {
  const ChannelPartScan scan = ScanChannelParts(parts, channel);
  if (scan.count != 1) return kVoiceNoneText;
  const PartRecord& part = parts[static_cast<std::size_t>(scan.part)];
  return BankTypeName(part[part_address::kBankMsb], part[part_address::kBankLsb]);
}

std::array<VoiceTreeCategory, kVoiceCategoryCount> BuildVoiceTree() {
  std::array<VoiceTreeCategory, kVoiceCategoryCount> tree{};
  for (std::size_t c = 0; c < kVoiceCategoryCount; ++c) {
    tree[c].category = static_cast<VoiceCategory>(c);
    tree[c].name = kVoiceCategoryNames[c];
  }
  for (std::size_t i = 0; i < kVoiceCount; ++i) {
    const auto c = static_cast<std::size_t>(kVoiceRecords[i].category);
    if (c < kVoiceCategoryCount) tree[c].voices.push_back(static_cast<int>(i));
  }
  for (VoiceTreeCategory& category : tree) {
    // Indices are pushed in ascending order, so a stable sort breaks name ties by index.
    std::stable_sort(category.voices.begin(), category.voices.end(), [](int a, int b) {
      return NameLess(kVoiceRecords[static_cast<std::size_t>(a)].Name(),
                      kVoiceRecords[static_cast<std::size_t>(b)].Name());
    });
  }
  return tree;
}

}  // namespace ravlo
