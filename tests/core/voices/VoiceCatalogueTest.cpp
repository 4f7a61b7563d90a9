#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "support/ModelFixture.h"
#include "voices/ExtendedVoiceData.h"
#include "voices/VoiceCatalogue.h"
#include "voices/VoiceSearch.h"

namespace ravlo {
namespace {

// User voices with chosen element counts.
constexpr auto kBasic = InstrumentModel::Basic;
constexpr auto kExtended = InstrumentModel::Extended;

struct FakeUserVoices : UserVoiceElementSource {
  int UserVoiceElementCount(int voice) const override {
    return (voice >= 0 && voice < kUserVoiceSlotCount) ? counts[voice] : 0;
  }
  std::array<int, kUserVoiceSlotCount> counts{};
};

PartRecord MakePart(uint8_t channel, uint8_t msb, uint8_t lsb, uint8_t programByte) {
  PartRecord part{};
  part[part_address::kBankMsb] = msb;
  part[part_address::kBankLsb] = lsb;
  part[part_address::kProgram] = programByte;
  part[part_address::kReceiveChannel] = channel;
  return part;
}

// Both tables: sorted, each voice once (an extended voice is new to the basic catalogue), names
// printable and NUL-padded, categories by bank and GM family.
TEST(VoiceCatalogueTableTest, VoicesAndBankTypesSortedUniqueCountedAndLookedUp) {
  const auto key = [](const VoiceRecord& r) { return std::tie(r.program, r.bankMsb, r.bankLsb); };
  const std::map<int, VoiceCategory> categoryOfBank = {{63, VoiceCategory::kUser},
                                                       {64, VoiceCategory::kSpecialFxVoice},
                                                       {126, VoiceCategory::kSpecialFxKit},
                                                       {127, VoiceCategory::kDrums}};
  std::set<std::tuple<int, int, int>> keys;
  const auto check = [&](std::span<const VoiceRecord> table, std::size_t nameLength) {
    std::map<int, int> byMsb;
    for (std::size_t i = 0; i < table.size(); ++i) {
      const VoiceRecord& r = table[i];
      SCOPED_TRACE(r.Name());
      if (i > 0) {
        EXPECT_LT(key(table[i - 1]), key(r));
      }
      EXPECT_TRUE(keys.emplace(r.program, r.bankMsb, r.bankLsb).second);
      ++byMsb[r.bankMsb];
      const VoiceCategory expected = r.bankMsb == 0
                                         ? static_cast<VoiceCategory>((r.program - 1) / 8)
                                         : categoryOfBank.at(r.bankMsb);
      EXPECT_EQ(r.category, expected);
      EXPECT_TRUE(!r.Name().empty() && r.Name().size() <= nameLength);
      EXPECT_TRUE(std::all_of(r.Name().begin(), r.Name().end(),
                              [](char c) { return c >= ' ' && c <= '~'; }));
      for (std::size_t k = r.Name().size(); k < sizeof(r.name); ++k) EXPECT_EQ(r.name[k], '\0');
    }
    return byMsb;
  };
  EXPECT_EQ(check(kVoiceRecords, 8),
            (std::map<int, int>{{0, 438}, {63, 32}, {64, 42}, {126, 2}, {127, 9}}));
  EXPECT_EQ(check(kExtendedVoiceRecords, 31),
            (std::map<int, int>{{0, 598}, {64, 16}, {126, 11}, {127, 27}}));
  std::map<int, int> byElements;
  std::array<int, kVoiceCategoryCount> byCategory{};
  for (const VoiceRecord& r : kVoiceRecords) {
    ++byElements[r.elements];
    ++byCategory[static_cast<std::size_t>(r.category)];
  }
  EXPECT_EQ(byElements, (std::map<int, int>{{1, 165}, {2, 358}}));
  // The extended list gives no element counts, and none is claimed.
  EXPECT_TRUE(std::all_of(kExtendedVoiceRecords.begin(), kExtendedVoiceRecords.end(),
                          [](const VoiceRecord& r) { return r.elements == 0; }));
  const std::array<int, kVoiceCategoryCount> expected = {39, 20, 36, 29, 42, 12, 34, 32, 13, 8,
                                                         36, 29, 56, 21, 23, 8,  9,  2,  42, 32};
  EXPECT_EQ(byCategory, expected);
  // Only one name keeps a trailing blank.
  EXPECT_EQ(std::count_if(kVoiceRecords.begin(), kVoiceRecords.end(),
                          [](const VoiceRecord& r) { return r.Name().ends_with(' '); }),
            1);

  // The bank types: sorted and looked up.
  ASSERT_EQ(kBankTypeRecords.size(), 48u);
  for (std::size_t i = 1; i < kBankTypeRecords.size(); ++i) {
    const BankTypeRecord& a = kBankTypeRecords[i - 1];
    const BankTypeRecord& b = kBankTypeRecords[i];
    EXPECT_LT(std::tie(a.bankMsb, a.bankLsb), std::tie(b.bankMsb, b.bankLsb)) << "at index " << i;
    EXPECT_FALSE(b.Name().empty());
    EXPECT_LE(b.Name().size(), 13u);
  }
  struct Case {
    int msb, lsb;
    std::string_view name;
  };
  const Case bankTypes[] = {{0, 0, "GM"},           {0, 14, "Double Attack"}, {0, 38, "5th 2"},
                            {0, 101, "Other wave"}, {63, 0, "User"},          {64, 0, "SFX Voice"},
                            {126, 0, "SFX Kit"},    {127, 0, "Drum Kit"},     {0, 2, "----"},
                            {0, 102, "----"},       {256, 0, "----"},         {-1, 0, "----"}};
  for (const Case& c : bankTypes) {
    EXPECT_EQ(BankTypeName(c.msb, c.lsb), c.name) << c.msb << "/" << c.lsb;
  }
}

TEST(FindVoiceTest, KnownAndUnknownSelections) {
  FakeUserVoices users;
  users.counts[4] = 3;
  struct Case {
    int program, msb, lsb;
    std::string_view name;
    int elements;
    InstrumentModel instrument = kBasic;
  };
  // The user voice's elements come from the loaded voice; then unknown selections and bad
  // input, 1/0/64 a later voice on the basic model.
  const Case cases[] = {{1, 0, 0, "GrandPno", 1},
                        {1, 0, 0, "GrandPno", 1, kExtended},
                        {1, 0, 64, "Concert Grand Piano", 0, kExtended},
                        {81, 127, 0, "Live! Standard Drum Kit", 0, kExtended},
                        {120, 0, 101, "Reverse Tom 2", 0, kExtended},
                        {33, 64, 0, "Rain", 1},
                        {33, 127, 0, "Jazz", 1},
                        {23, 0, 32, "Harmo 2 ", 2},
                        {5, 63, 0, "UVox 05", 3},
                        {32, 63, 0, "UVox 32", 0},
                        {1, 0, 2, "----", 0},
                        {1, 63, 1, "----", 0},
                        {0, 0, 0, "----", 0},
                        {129, 0, 0, "----", 0},
                        {33, 63, 0, "----", 0},
                        {1, 256, 0, "----", 0},
                        {1, 0, -1, "----", 0},
                        {42, 127, 0, "----", 0},
                        {1, 0, 64, "----", 0},
                        {1, 0, 63, "----", 0, kExtended}};
  for (const Case& c : cases) {
    const VoiceLookup found = FindVoice(c.program, c.msb, c.lsb, users, c.instrument);
    SCOPED_TRACE(testing::Message() << c.program << " " << c.msb << " " << c.lsb);
    EXPECT_EQ(found.name, c.name);
    EXPECT_EQ(found.elements, c.elements);
    if (c.name == "----") {
      EXPECT_EQ(found.index, -1);
    } else {
      ASSERT_GE(found.index, 0);
      EXPECT_EQ(CatalogueVoice(found.index)->Name(), c.name);
    }
  }
}

TEST(GetVoiceBankTest, BoundsAndRoundTrip) {
  const auto last = GetVoiceBank(522, kBasic);
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(std::tie(last->bankMsb, last->bankLsb, last->program), std::make_tuple(0, 0, 128));
  const int pastExtended = kFirstExtendedVoiceIndex + static_cast<int>(kExtendedVoiceCount);
  for (const int index : {523, -1, kFirstExtendedVoiceIndex - 1, pastExtended}) {
    EXPECT_FALSE(GetVoiceBank(index, kExtended).has_value()) << index;
    EXPECT_EQ(CatalogueVoice(index), nullptr) << index;
  }
  EXPECT_FALSE(GetVoiceBank(kFirstExtendedVoiceIndex, kBasic).has_value());
  // Every entry's bank and program lead back to the same entry, the basic ones with either model.
  FakeUserVoices users;
  for (int i = 0; i < pastExtended; ++i) {
    const bool basic = i < static_cast<int>(kVoiceCount);
    if (!basic && i < kFirstExtendedVoiceIndex) continue;
    for (const InstrumentModel instrument : {kBasic, kExtended}) {
      const auto bank = GetVoiceBank(i, instrument);
      ASSERT_EQ(bank.has_value(), basic || instrument == kExtended) << i;
      if (bank) {
        EXPECT_EQ(FindVoice(bank->program, bank->bankMsb, bank->bankLsb, users, instrument).index,
                  i);
      }
    }
  }
}

TEST(ChannelVoiceTest, NoSingleAndMultipleParts) {
  FakeUserVoices users;
  std::vector<PartRecord> parts(16, MakePart(0x7F, 0, 0, 0));  // all off
  parts[3] = MakePart(5, 0, 1, 0);                             // GrndPnoK on channel 5
  parts[7] = MakePart(9, 127, 0, 0);
  parts[8] = parts[9] = MakePart(9, 0, 0, 0);  // two more parts on channel 9

  EXPECT_EQ(ChannelVoiceName(parts, 0, users, kBasic).name, "----");
  EXPECT_EQ(ChannelBankTypeName(parts, 0), "----");
  const VoiceLookup single = ChannelVoiceName(parts, 5, users, kBasic);
  EXPECT_EQ(single.name, "GrndPnoK");
  EXPECT_EQ(single.elements, 1);
  EXPECT_EQ(ChannelBankTypeName(parts, 5), "Key Scale");
  const VoiceLookup multiple = ChannelVoiceName(parts, 9, users, kBasic);
  EXPECT_EQ(multiple.name, "Multiple");
  EXPECT_EQ(multiple.index, -1);
  EXPECT_EQ(ChannelBankTypeName(parts, 9), "----");
  const ChannelPartScan many = ScanChannelParts(parts, 9);
  EXPECT_EQ(std::tie(many.count, many.part), std::make_tuple(2, -1)) << "stops at the second hit";
  EXPECT_EQ(ScanChannelParts(parts, 5).part, 3);

  parts[3] = MakePart(5, 0, 2, 0);  // a bank the catalogue does not know
  EXPECT_EQ(ChannelVoiceName(parts, 5, users, kBasic).name, "----");
  EXPECT_EQ(ChannelBankTypeName(parts, 5), "----");
  EXPECT_EQ(ChannelVoiceName(parts, -1, users, kBasic).name, "----");
  EXPECT_EQ(ChannelVoiceName({}, 0, users, kBasic).name, "----");
  parts[3] = MakePart(5, 0, 3, 1);  // a voice of the extended model only
  EXPECT_EQ(ChannelVoiceName(parts, 5, users, kBasic).name, "----");
  EXPECT_EQ(ChannelVoiceName(parts, 5, users, kExtended).name, "Stereo Bright Piano");
}

std::vector<std::string> TreeNames(const VoiceTreeCategory& category) {
  std::vector<std::string> names;
  for (int index : category.voices) names.emplace_back(CatalogueVoice(index)->Name());
  return names;
}

TEST(VoiceTreeTest, CategoriesHoldEveryVoiceOnceSortedByNameIgnoringCase) {
  const auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  // The extended tree holds the later voices too.
  for (const InstrumentModel instrument : {kExtended, kBasic}) {
    const auto tree = BuildVoiceTree(instrument);
    std::set<int> seen;
    for (std::size_t c = 0; c < tree.size(); ++c) {
      EXPECT_EQ(tree[c].name, kVoiceCategoryNames[c]);
      EXPECT_GE(tree[c].voices.size(), 2u);  // categories are told apart by having children
      for (int index : tree[c].voices) {
        ASSERT_TRUE(GetVoiceBank(index, instrument).has_value()) << index;
        EXPECT_EQ(CatalogueVoice(index)->category, static_cast<VoiceCategory>(c));
        EXPECT_TRUE(seen.insert(index).second) << "index " << index << " twice";
      }
      const auto names = TreeNames(tree[c]);
      for (std::size_t i = 1; i < names.size(); ++i) {
        EXPECT_LE(lower(names[i - 1]), lower(names[i])) << tree[c].name;
      }
    }
    EXPECT_EQ(seen.size(), kVoiceCount + (instrument == kExtended ? kExtendedVoiceCount : 0));
  }
  const auto tree = BuildVoiceTree(kBasic);
  EXPECT_EQ(TreeNames(tree[static_cast<std::size_t>(VoiceCategory::kDrums)]),
            (std::vector<std::string>{"Analog", "Brush", "Classic", "Electro", "Jazz", "Rock",
                                      "Room", "StndKit1", "StndKit2"}));
  const auto users = TreeNames(tree.back());
  EXPECT_EQ(users.front(), "UVox 01");
  EXPECT_EQ(users.back(), "UVox 32");
  // A case-sensitive sort would put "DX Hard" before "Dream".
  const auto piano = TreeNames(tree.front());
  EXPECT_LT(std::find(piano.begin(), piano.end(), "Dream"),
            std::find(piano.begin(), piano.end(), "DX Hard"));
  EXPECT_NE(std::find(piano.begin(), piano.end(), "DX Hard"), piano.end());
}

TEST(VoiceSearchTest, FindsByNameCategoryOrNumbersInColumnOrder) {
  struct Case {
    const char* query;
    std::vector<std::string> found;  // every voice found, in table order
  };
  const Case cases[] = {
      {"grandpno", {"GrandPno"}},
      {"  SFX kit ", {"SFX Kit1", "SFX Kit2"}},
      {"127 0 1", {"StndKit1"}},
      {"64/0/2", {"CutngNz2"}},
      {"0 1 2", {"BritPnoK"}},
      {"129", {}},
      {"1 2 3 4", {}},
      {"drums",
       {"StndKit1", "StndKit2", "Room", "Rock", "Electro", "Analog", "Jazz", "Brush", "Classic"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    std::vector<std::string> found;
    for (const VoiceRecord& voice : kVoiceRecords) {
      if (VoiceMatches(voice, c.query)) found.emplace_back(voice.Name());
    }
    EXPECT_EQ(found, c.found);
  }
  // One number is a program number; nothing typed finds everything.
  for (const VoiceRecord& voice : kVoiceRecords) {
    EXPECT_EQ(VoiceMatches(voice, "1"), voice.program == 1) << voice.Name();
    EXPECT_TRUE(VoiceMatches(voice, " "));
  }
}

// The catalogue's user voice slots read their element counts from the model's Bank.
class VoiceCatalogueModelTest : public test::ModelFixture {};

TEST_F(VoiceCatalogueModelTest, UserVoiceSlotsCountTheElementsOfTheModelsBankVoice) {
  EXPECT_EQ(FindVoice(5, 63, 0, model, model.Instrument()).elements, 0);
  ASSERT_TRUE(model.UserVoices().SetVoiceElementOn(4, 0, true));
  ASSERT_TRUE(model.UserVoices().SetVoiceElementOn(4, 2, true));
  // Only the Bank counts; the VBank never reaches the synthesizer.
  UserVoice full(4);
  for (int e = 0; e < 4; ++e) full.SetElementOn(e, true);
  ASSERT_TRUE(model.UserVoices().CopyVoiceInto(UserBank::VBank, 4, full));
  const VoiceLookup found = FindVoice(5, 63, 0, model, model.Instrument());
  EXPECT_EQ(found.name, "UVox 05");
  EXPECT_EQ(found.elements, 2);
  EXPECT_EQ(FindVoice(4, 63, 0, model, model.Instrument()).elements, 0)
      << "a neighbouring slot is not affected";
  EXPECT_EQ(model.UserVoiceElementCount(32), 0);
  EXPECT_EQ(model.UserVoiceElementCount(-1), 0);

  const std::uint8_t voice[] = {63, 0, 4};
  ASSERT_TRUE(model.Parts().StorePartBytes(test::PartAt(2), part_address::kBankMsb, voice));
  const std::span<const PartRecord> parts = model.Parts().Records();
  EXPECT_EQ(ChannelVoiceName(parts, 2, model, model.Instrument()).name, "UVox 05");
  EXPECT_EQ(ChannelVoiceName(parts, 2, model, model.Instrument()).elements, 2);
  EXPECT_EQ(ChannelBankTypeName(parts, 2), "User");
}

// The part and channel voice choices and names follow the model's instrument.
TEST_F(VoiceCatalogueModelTest, OnlyTheExtendedModelChoosesAndNamesTheLaterVoices) {
  const int stereoPiano = FindVoice(2, 0, 3, model, InstrumentModel::Extended).index;
  EXPECT_FALSE(model.Parts().SelectPartVoice(test::PartAt(0), stereoPiano));
  EXPECT_FALSE(model.Channels().SelectChannelVoice(test::ChannelAt(1), stereoPiano));
  model.SetInstrument(InstrumentModel::Extended);
  ASSERT_TRUE(model.Parts().SelectPartVoice(test::PartAt(0), stereoPiano));
  EXPECT_EQ(model.Parts().PartVoiceName(test::PartAt(0)).name, "Stereo Bright Piano");
  ASSERT_TRUE(model.Channels().SelectChannelVoice(test::ChannelAt(1), stereoPiano));
  EXPECT_EQ(model.Channels().Voice(test::ChannelAt(1)), (ChannelVoice{0, 2, 3}));
  model.SetInstrument(InstrumentModel::Basic);
  EXPECT_EQ(model.Parts().PartVoiceName(test::PartAt(0)).name, "----");
}

}  // namespace
}  // namespace ravlo
