#include "voices/VoiceCatalogue.h"

#include <algorithm>

#include "voices/ExtendedVoiceData.h"

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

// Position of a selection in a table sorted by program, then bank MSB, then bank LSB: the
// program's run is found by bisection, and the first match within it wins.
std::optional<std::size_t> FindRecord(std::span<const VoiceRecord> records, int program,
                                      int bankMsb, int bankLsb) {
  const auto first =
      std::lower_bound(records.begin(), records.end(), program,
                       [](const VoiceRecord& record, int value) { return record.program < value; });
  for (auto it = first; it != records.end() && it->program == program; ++it) {
    if (it->bankMsb == bankMsb && it->bankLsb == bankLsb) {
      return static_cast<std::size_t>(it - records.begin());
    }
  }
  return std::nullopt;
}

}  // namespace

const VoiceRecord* CatalogueVoice(int index) {
  if (index >= 0 && index < static_cast<int>(kVoiceCount)) {
    return &kVoiceRecords[static_cast<std::size_t>(index)];
  }
  const int extended = index - kFirstExtendedVoiceIndex;
  if (extended < 0 || extended >= static_cast<int>(kExtendedVoiceCount)) return nullptr;
  return &kExtendedVoiceRecords[static_cast<std::size_t>(extended)];
}

VoiceLookup FindVoice(int program, int bankMsb, int bankLsb,
                      const UserVoiceElementSource& userVoices, InstrumentModel instrument) {
  if (const auto position = FindRecord(kVoiceRecords, program, bankMsb, bankLsb)) {
    const VoiceRecord& record = kVoiceRecords[*position];
    const int index = static_cast<int>(*position);
    if (IsUserVoiceBank(bankMsb, bankLsb)) {
      // The stored count of a user voice slot is a placeholder; the loaded voice decides.
      const int elements = (program >= 1 && program <= kUserVoiceSlotCount)
                               ? userVoices.UserVoiceElementCount(program - 1)
                               : 0;
      return {record.Name(), elements, index};
    }
    return {record.Name(), record.elements, index};
  }
  if (instrument != InstrumentModel::Extended) return kNoVoice;
  const auto position = FindRecord(kExtendedVoiceRecords, program, bankMsb, bankLsb);
  if (!position) return kNoVoice;
  const VoiceRecord& record = kExtendedVoiceRecords[*position];
  return {record.Name(), record.elements, kFirstExtendedVoiceIndex + static_cast<int>(*position)};
}

std::optional<VoiceBank> GetVoiceBank(int index, InstrumentModel instrument) {
  const VoiceRecord* record = CatalogueVoice(index);
  const bool known =
      index < static_cast<int>(kVoiceCount) || instrument == InstrumentModel::Extended;
  if (record == nullptr || !known) return std::nullopt;
  return VoiceBank{record->bankMsb, record->bankLsb, record->program};
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
                             const UserVoiceElementSource& userVoices, InstrumentModel instrument) {
  const ChannelPartScan scan = ScanChannelParts(parts, channel);
  if (scan.count == 0) return kNoVoice;
  if (scan.count > 1) return {kVoiceMultipleText, 0, -1};
  const PartRecord& part = parts[static_cast<std::size_t>(scan.part)];
  return FindVoice(part[part_address::kProgram] + 1, part[part_address::kBankMsb],
                   part[part_address::kBankLsb], userVoices, instrument);
}

std::string_view ChannelBankTypeName(std::span<const PartRecord> parts, int channel) {
  const ChannelPartScan scan = ScanChannelParts(parts, channel);
  if (scan.count != 1) return kVoiceNoneText;
  const PartRecord& part = parts[static_cast<std::size_t>(scan.part)];
  return BankTypeName(part[part_address::kBankMsb], part[part_address::kBankLsb]);
}

std::array<VoiceTreeCategory, kVoiceCategoryCount> BuildVoiceTree(InstrumentModel instrument) {
  std::array<VoiceTreeCategory, kVoiceCategoryCount> tree{};
  for (std::size_t c = 0; c < kVoiceCategoryCount; ++c) {
    tree[c].category = static_cast<VoiceCategory>(c);
    tree[c].name = kVoiceCategoryNames[c];
  }
  const auto place = [&tree](const VoiceRecord& record, int index) {
    const auto c = static_cast<std::size_t>(record.category);
    if (c < kVoiceCategoryCount) tree[c].voices.push_back(index);
  };
  for (std::size_t i = 0; i < kVoiceCount; ++i) place(kVoiceRecords[i], static_cast<int>(i));
  if (instrument == InstrumentModel::Extended) {
    for (std::size_t i = 0; i < kExtendedVoiceCount; ++i) {
      place(kExtendedVoiceRecords[i], kFirstExtendedVoiceIndex + static_cast<int>(i));
    }
  }
  const auto name = [](int index) { return CatalogueVoice(index)->Name(); };
  for (VoiceTreeCategory& category : tree) {
    // Indices are pushed in ascending order, so a stable sort breaks name ties by index.
    std::stable_sort(category.voices.begin(), category.voices.end(),
                     [&name](int a, int b) { return NameLess(name(a), name(b)); });
  }
  return tree;
}

}  // namespace ravlo
