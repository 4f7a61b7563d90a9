#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "voices/VoiceCatalogue.h"

namespace ravlo {
namespace {

// User voices with chosen element counts; remembers which voices were asked for.
class FakeUserVoices : public UserVoiceElementSource {
 public:
  int UserVoiceElementCount(int voice) const override {
    asked_.push_back(voice);
    return (voice >= 0 && voice < kUserVoiceSlotCount) ? counts_[voice] : 0;
  }

  std::array<int, kUserVoiceSlotCount> counts_{};
  mutable std::vector<int> asked_;
};

PartRecord MakePart(uint8_t channel, uint8_t msb, uint8_t lsb, uint8_t programByte) {
  PartRecord part{};
  part[part_address::kBankMsb] = msb;
  part[part_address::kBankLsb] = lsb;
  part[part_address::kProgram] = programByte;
  part[part_address::kReceiveChannel] = channel;
  return part;
}

std::string Lower(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

TEST(VoiceCatalogueTableTest, SortedByProgramThenBankWithoutDuplicates) {
  ASSERT_EQ(kVoiceRecords.size(), 523u);
  for (std::size_t i = 1; i < kVoiceRecords.size(); ++i) {
    const VoiceRecord& a = kVoiceRecords[i - 1];
    const VoiceRecord& b = kVoiceRecords[i];
    EXPECT_LT(std::tie(a.program, a.bankMsb, a.bankLsb), std::tie(b.program, b.bankMsb, b.bankLsb))
        << "at index " << i;
  }
  EXPECT_EQ(kVoiceRecords.front().program, 1);
  EXPECT_EQ(kVoiceRecords.back().program, 128);
}

TEST(VoiceCatalogueTableTest, CountsByBankElementsAndCategory) {
  std::map<int, int> byMsb;
  std::map<int, int> byElements;
  std::array<int, kVoiceCategoryCount> byCategory{};
  for (const VoiceRecord& record : kVoiceRecords) {
    ++byMsb[record.bankMsb];
    ++byElements[record.elements];
    ++byCategory[static_cast<std::size_t>(record.category)];
  }
  EXPECT_EQ(byMsb, (std::map<int, int>{{0, 438}, {63, 32}, {64, 42}, {126, 2}, {127, 9}}));
  EXPECT_EQ(byElements, (std::map<int, int>{{1, 165}, {2, 358}}));
  const std::array<int, kVoiceCategoryCount> expected = {39, 20, 36, 29, 42, 12, 34, 32, 13, 8,
                                                         36, 29, 56, 21, 23, 8,  9,  2,  42, 32};
  EXPECT_EQ(byCategory, expected);
}

TEST(VoiceCatalogueTableTest, CategoryFollowsFromBank) {
  for (std::size_t i = 0; i < kVoiceRecords.size(); ++i) {
    const VoiceRecord& record = kVoiceRecords[i];
    VoiceCategory expected = VoiceCategory::kCount;
    switch (record.bankMsb) {
      case kBankMsbNormalVoice:
        expected = static_cast<VoiceCategory>((record.program - 1) / 8);
        break;
      case kBankMsbUserVoice:
        expected = VoiceCategory::kUser;
        break;
      case kBankMsbSfxVoice:
        expected = VoiceCategory::kSpecialFxVoice;
        break;
      case kBankMsbSfxKit:
        expected = VoiceCategory::kSpecialFxKit;
        break;
      case kBankMsbDrumKit:
        expected = VoiceCategory::kDrums;
        break;
    }
    EXPECT_EQ(record.category, expected) << "at index " << i;
  }
}

TEST(VoiceCatalogueTableTest, NamesAreNulPaddedAndExact) {
  for (std::size_t i = 0; i < kVoiceRecords.size(); ++i) {
    const VoiceRecord& record = kVoiceRecords[i];
    const std::string_view name = record.Name();
    EXPECT_FALSE(name.empty()) << "at index " << i;
    EXPECT_LE(name.size(), 8u) << "at index " << i;
    for (std::size_t k = name.size(); k < sizeof(record.name); ++k) EXPECT_EQ(record.name[k], '\0');
  }
  // Only one name keeps a trailing blank.
  const auto harmo = std::find_if(kVoiceRecords.begin(), kVoiceRecords.end(),
                                  [](const VoiceRecord& r) { return r.Name().ends_with(' '); });
  ASSERT_NE(harmo, kVoiceRecords.end());
  EXPECT_EQ(harmo->Name(), "Harmo 2 ");
  EXPECT_EQ(std::tie(harmo->program, harmo->bankMsb, harmo->bankLsb), std::make_tuple(23, 0, 32));
  EXPECT_EQ(std::count_if(kVoiceRecords.begin(), kVoiceRecords.end(),
                          [](const VoiceRecord& r) { return r.Name().ends_with(' '); }),
            1);
  EXPECT_EQ(std::count_if(kVoiceRecords.begin(), kVoiceRecords.end(),
                          [](const VoiceRecord& r) { return r.Name() == "Rain"; }),
            2);
}

TEST(VoiceCatalogueTableTest, FirstAndLastRecords) {
  struct Expected {
    int msb, program, lsb;
    std::string_view name;
    int elements, category;
  };
  const std::array<Expected, 10> first = {{
      {0, 1, 0, "GrandPno", 1, 0},
      {0, 1, 1, "GrndPnoK", 1, 0},
      {0, 1, 18, "MelloGrP", 1, 0},
      {0, 1, 40, "PianoStr", 2, 0},
      {0, 1, 41, "Dream", 2, 0},
      {63, 1, 0, "UVox 01", 2, 19},
      {64, 1, 0, "CuttngNz", 1, 18},
      {126, 1, 0, "SFX Kit1", 1, 17},
      {127, 1, 0, "StndKit1", 1, 16},
      {0, 2, 0, "BritePno", 1, 0},
  }};
  for (std::size_t i = 0; i < first.size(); ++i) {
    const VoiceRecord& r = kVoiceRecords[i];
    EXPECT_EQ(r.bankMsb, first[i].msb) << i;
    EXPECT_EQ(r.program, first[i].program) << i;
    EXPECT_EQ(r.bankLsb, first[i].lsb) << i;
    EXPECT_EQ(r.Name(), first[i].name) << i;
    EXPECT_EQ(r.elements, first[i].elements) << i;
    EXPECT_EQ(static_cast<int>(r.category), first[i].category) << i;
  }
  EXPECT_EQ(kVoiceRecords[522].Name(), "Gunshot");
  EXPECT_EQ(kVoiceRecords[522].elements, 1);
  EXPECT_EQ(kVoiceRecords[522].category, VoiceCategory::kSoundEffects);
}

TEST(VoiceCatalogueTableTest, UserSlotsAndKits) {
  std::vector<std::string> users;
  std::vector<std::string> drums;
  for (const VoiceRecord& r : kVoiceRecords) {
    if (r.bankMsb == kBankMsbUserVoice) {
      EXPECT_EQ(r.bankLsb, 0);
      EXPECT_EQ(r.elements, 2);
      char expected[9];
      std::snprintf(expected, sizeof(expected), "UVox %02d", r.program);
      EXPECT_EQ(r.Name(), expected);
      users.emplace_back(r.Name());
    }
    if (r.bankMsb == kBankMsbDrumKit) drums.emplace_back(r.Name());
  }
  EXPECT_EQ(users.size(), 32u);
  EXPECT_EQ(users.back(), "UVox 32");
  EXPECT_EQ(drums, (std::vector<std::string>{"StndKit1", "StndKit2", "Room", "Rock", "Electro",
                                             "Analog", "Jazz", "Brush", "Classic"}));
}

TEST(VoiceCatalogueTableTest, CategoryNamesAndFixedTexts) {
  ASSERT_EQ(kVoiceCategoryNames.size(), 20u);
  EXPECT_EQ(kVoiceCategoryNames[0], "Piano");
  EXPECT_EQ(kVoiceCategoryNames[1], "Chromatic Percussion");
  EXPECT_EQ(kVoiceCategoryNames[12], "Synth Effects");
  EXPECT_EQ(kVoiceCategoryNames[18], "Special FX Voice");
  EXPECT_EQ(kVoiceCategoryNames[19], "User");
  EXPECT_EQ(kVoiceNoneText, "----");
  EXPECT_EQ(kVoiceMultipleText, "Multiple");
}

TEST(BankTypeTableTest, SortedAndNamed) {
  ASSERT_EQ(kBankTypeRecords.size(), 48u);
  for (std::size_t i = 1; i < kBankTypeRecords.size(); ++i) {
    const BankTypeRecord& a = kBankTypeRecords[i - 1];
    const BankTypeRecord& b = kBankTypeRecords[i];
    EXPECT_LT(std::tie(a.bankMsb, a.bankLsb), std::tie(b.bankMsb, b.bankLsb)) << "at index " << i;
  }
  for (const BankTypeRecord& r : kBankTypeRecords) {
    EXPECT_FALSE(r.Name().empty());
    EXPECT_LE(r.Name().size(), 13u);
  }
  EXPECT_EQ(std::count_if(kBankTypeRecords.begin(), kBankTypeRecords.end(),
                          [](const BankTypeRecord& r) { return r.Name() == "Other wave"; }),
            15);
}

TEST(BankTypeTableTest, BankTypeNameLookup) {
  struct Case {
    int msb, lsb;
    std::string_view name;
  };
  for (const Case& c : std::vector<Case>{{0, 0, "GM"},
                                         {0, 14, "Double Attack"},
                                         {0, 17, "Bright"},
                                         {0, 32, "Detune 1"},
                                         {0, 34, "Detune 3"},
                                         {0, 36, "Octave 2"},
                                         {0, 38, "5th 2"},
                                         {0, 42, "Tutti"},
                                         {0, 45, "Velo-Xfade"},
                                         {0, 72, "Other wave"},
                                         {0, 101, "Other wave"},
                                         {63, 0, "User"},
                                         {64, 0, "SFX Voice"},
                                         {126, 0, "SFX Kit"},
                                         {127, 0, "Drum Kit"},
                                         // Gaps and bad input.
                                         {0, 2, "----"},
                                         {0, 73, "----"},
                                         {0, 102, "----"},
                                         {63, 1, "----"},
                                         {256, 0, "----"},
                                         {-1, 0, "----"}}) {
    EXPECT_EQ(BankTypeName(c.msb, c.lsb), c.name) << c.msb << "/" << c.lsb;
  }
}

TEST(FindVoiceTest, NormalVoices) {
  FakeUserVoices users;
  const VoiceLookup grand = FindVoice(1, 0, 0, users);
  EXPECT_EQ(grand.name, "GrandPno");
  EXPECT_EQ(grand.elements, 1);
  EXPECT_EQ(grand.index, 0);
  EXPECT_EQ(FindVoice(1, 0, 1, users).name, "GrndPnoK");
  EXPECT_EQ(FindVoice(33, 64, 0, users).name, "Rain");
  EXPECT_EQ(FindVoice(33, 127, 0, users).name, "Jazz");
  EXPECT_EQ(FindVoice(97, 0, 0, users).name, "Rain");
  EXPECT_EQ(FindVoice(23, 0, 32, users).name, "Harmo 2 ");
  const VoiceLookup gunshot = FindVoice(128, 0, 0, users);
  EXPECT_EQ(gunshot.name, "Gunshot");
  EXPECT_EQ(gunshot.index, 522);
  EXPECT_TRUE(users.asked_.empty());
}

TEST(FindVoiceTest, UnknownSelectionsGiveNone) {
  FakeUserVoices users;
  for (const auto& [program, msb, lsb] : std::vector<std::tuple<int, int, int>>{{1, 0, 2},
                                                                                {0, 0, 0},
                                                                                {129, 0, 0},
                                                                                {-1, 0, 0},
                                                                                {1, 63, 1},
                                                                                {33, 63, 0},
                                                                                {2, 64, 1},
                                                                                {1, 256, 0},
                                                                                {1, 0, 256},
                                                                                {1, -1, 0},
                                                                                {42, 127, 0}}) {
    const VoiceLookup found = FindVoice(program, msb, lsb, users);
    EXPECT_EQ(found.name, "----") << program << " " << msb << " " << lsb;
    EXPECT_EQ(found.elements, 0);
    EXPECT_EQ(found.index, -1);
  }
}

TEST(FindVoiceTest, UserSlotsTakeTheElementCountOfTheLoadedVoice) {
  FakeUserVoices users;
  users.counts_[4] = 3;
  const VoiceLookup slot = FindVoice(5, 63, 0, users);
  EXPECT_EQ(slot.name, "UVox 05");
  EXPECT_EQ(slot.elements, 3);
  EXPECT_EQ(users.asked_, std::vector<int>{4});

  // A voice without a record counts 0, whatever the table stores.
  users.counts_[31] = 0;
  EXPECT_EQ(FindVoice(32, 63, 0, users).elements, 0);
  EXPECT_EQ(FindVoice(32, 63, 0, users).name, "UVox 32");
  users.counts_[0] = 4;
  EXPECT_EQ(FindVoice(1, 63, 0, users).elements, 4);
}

TEST(GetVoiceBankTest, BoundsAndRoundTrip) {
  const auto last = GetVoiceBank(522);
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->bankMsb, 0);
  EXPECT_EQ(last->bankLsb, 0);
  EXPECT_EQ(last->program, 128);
  EXPECT_FALSE(GetVoiceBank(523).has_value());
  EXPECT_FALSE(GetVoiceBank(-1).has_value());

  // Every entry's bank and program lead back to the same entry.
  FakeUserVoices users;
  for (int i = 0; i < static_cast<int>(kVoiceCount); ++i) {
    const auto bank = GetVoiceBank(i);
    ASSERT_TRUE(bank.has_value());
    EXPECT_EQ(FindVoice(bank->program, bank->bankMsb, bank->bankLsb, users).index, i);
  }
}

TEST(ChannelVoiceTest, NoSingleAndMultipleParts) {
  FakeUserVoices users;
  users.counts_[2] = 1;
  std::vector<PartRecord> parts(16);
  for (std::size_t i = 0; i < parts.size(); ++i) parts[i] = MakePart(0x7F, 0, 0, 0);  // off
  parts[3] = MakePart(5, 0, 1, 0);    // GrndPnoK on channel 5
  parts[7] = MakePart(9, 127, 0, 0);  // StndKit1 on channel 9
  parts[8] = MakePart(9, 0, 0, 0);    // and a second part on channel 9
  parts[12] = MakePart(2, 63, 0, 2);  // user voice 3 on channel 2

  EXPECT_EQ(ChannelVoiceName(parts, 0, users).name, "----");
  EXPECT_EQ(ChannelVoiceName(parts, 0, users).elements, 0);
  EXPECT_EQ(ChannelBankTypeName(parts, 0), "----");

  const VoiceLookup single = ChannelVoiceName(parts, 5, users);
  EXPECT_EQ(single.name, "GrndPnoK");
  EXPECT_EQ(single.elements, 1);
  EXPECT_EQ(ChannelBankTypeName(parts, 5), "Key Scale");

  const VoiceLookup multiple = ChannelVoiceName(parts, 9, users);
  EXPECT_EQ(multiple.name, "Multiple");
  EXPECT_EQ(multiple.elements, 0);
  EXPECT_EQ(multiple.index, -1);
  EXPECT_EQ(ChannelBankTypeName(parts, 9), "----");

  const VoiceLookup user = ChannelVoiceName(parts, 2, users);
  EXPECT_EQ(user.name, "UVox 03");
  EXPECT_EQ(user.elements, 1);
  EXPECT_EQ(ChannelBankTypeName(parts, 2), "User");

  // A single part with a bank the catalogue does not know.
  parts[3] = MakePart(5, 0, 2, 0);
  EXPECT_EQ(ChannelVoiceName(parts, 5, users).name, "----");
  EXPECT_EQ(ChannelBankTypeName(parts, 5), "----");

  EXPECT_EQ(ChannelVoiceName(parts, -1, users).name, "----");
  EXPECT_EQ(ChannelVoiceName({}, 0, users).name, "----");
  EXPECT_EQ(ChannelBankTypeName({}, 0), "----");
}

TEST(ChannelVoiceTest, ScanStopsAtSecondHit) {
  std::vector<PartRecord> parts(4, MakePart(1, 0, 0, 0));
  parts[0] = MakePart(0, 0, 0, 0);
  const ChannelPartScan many = ScanChannelParts(parts, 1);
  EXPECT_EQ(many.count, 2);
  EXPECT_EQ(many.part, -1);
  const ChannelPartScan one = ScanChannelParts(parts, 0);
  EXPECT_EQ(one.count, 1);
  EXPECT_EQ(one.part, 0);
  const ChannelPartScan none = ScanChannelParts(parts, 15);
  EXPECT_EQ(none.count, 0);
  EXPECT_EQ(none.part, -1);
}

std::vector<std::string> TreeNames(const VoiceTreeCategory& category) {
  std::vector<std::string> names;
  for (int index : category.voices) names.emplace_back(kVoiceRecords[index].Name());
  return names;
}

TEST(VoiceTreeTest, CategoriesInTableOrderHoldingEveryVoiceOnce) {
  const auto tree = BuildVoiceTree();
  EXPECT_EQ(tree.front().name, "Piano");
  EXPECT_EQ(tree.back().name, "User");
  std::set<int> seen;
  for (std::size_t c = 0; c < tree.size(); ++c) {
    EXPECT_EQ(tree[c].name, kVoiceCategoryNames[c]);
    EXPECT_EQ(tree[c].category, static_cast<VoiceCategory>(c));
    EXPECT_GE(tree[c].voices.size(), 2u);  // categories are told apart by having children
    for (int index : tree[c].voices) {
      ASSERT_GE(index, 0);
      ASSERT_LT(index, static_cast<int>(kVoiceCount));
      EXPECT_EQ(kVoiceRecords[index].category, tree[c].category);
      EXPECT_TRUE(seen.insert(index).second) << "index " << index << " twice";
    }
  }
  EXPECT_EQ(seen.size(), kVoiceCount);
  EXPECT_EQ(kVoiceTreeCategoryItemData, 523);
}

TEST(VoiceTreeTest, VoicesSortedByNameIgnoringCase) {
  const auto tree = BuildVoiceTree();
  for (const VoiceTreeCategory& category : tree) {
    const auto names = TreeNames(category);
    for (std::size_t i = 1; i < names.size(); ++i) {
      EXPECT_LE(Lower(names[i - 1]), Lower(names[i])) << category.name;
    }
  }
  const auto drums = TreeNames(tree[static_cast<std::size_t>(VoiceCategory::kDrums)]);
  EXPECT_EQ(drums, (std::vector<std::string>{"Analog", "Brush", "Classic", "Electro", "Jazz",
                                             "Rock", "Room", "StndKit1", "StndKit2"}));
  EXPECT_EQ(TreeNames(tree[static_cast<std::size_t>(VoiceCategory::kSpecialFxKit)]),
            (std::vector<std::string>{"SFX Kit1", "SFX Kit2"}));
  const auto users = TreeNames(tree.back());
  ASSERT_EQ(users.size(), 32u);
  EXPECT_EQ(users.front(), "UVox 01");
  EXPECT_EQ(users.back(), "UVox 32");

  // A case-sensitive sort would put "DX Hard" before "Dream".
  const auto piano = TreeNames(tree.front());
  const auto dream = std::find(piano.begin(), piano.end(), "Dream");
  const auto dxHard = std::find(piano.begin(), piano.end(), "DX Hard");
  ASSERT_NE(dream, piano.end());
  ASSERT_NE(dxHard, piano.end());
  EXPECT_LT(dream, dxHard);
}

}  // namespace
}  // namespace ravlo
