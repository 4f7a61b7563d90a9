#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "support/ModelFixture.h"
#include "support/TypedIndices.h"
#include "uservoice/UserVoice.h"
#include "uservoice/UserVoiceModel.h"

namespace ravlo {
namespace {

using test::UnitAt;

TEST(UserVoice, DumpsRoundTripNamesArePaddedAndByteElevenSwitchesTheElements) {
  UserVoice source(1);
  source.SetName("Bright Pad");
  UserVoiceElement element = DefaultUserVoiceElement();
  element[0] = 2;
  element[1] = 44;
  element[79] = 0x55;
  source.SetElement(3, element);

  UserVoice copy(9);
  ASSERT_TRUE(copy.ParseDump(source.BuildDump(UnitAt(0), 9)));
  EXPECT_EQ(copy.Common(), source.Common());
  EXPECT_EQ(*copy.Element(3), element);
  EXPECT_EQ(std::pair(copy.WaveNumber(3), copy.VoiceNumber()), std::pair(300, 9));
  EXPECT_EQ(copy.DisplayName(), "Bright Pad");
  EXPECT_FALSE(copy.ParseDump({}));

  // Names are cut, padded and show high bytes as blanks; byte 11 switches the elements.
  UserVoice voice;
  voice.SetName("Twelve chars");
  EXPECT_EQ(voice.DisplayName(), "Twelve cha");
  voice.SetName("Abc");
  EXPECT_EQ(voice.DisplayName(), "Abc       ");
  EXPECT_EQ(voice.Common()[9], ' ');

  UserVoiceCommon common{'X', 0x80, 0xFF, 'Y'};
  voice.SetCommon(common);
  EXPECT_EQ(voice.DisplayName().substr(0, 4), "X  Y");
  EXPECT_EQ(voice.Common()[1], 0x80) << "the stored byte is kept";

  // The element switches live in common byte 11.
  voice.SetElementOn(2, true);
  voice.SetElementOn(2, false);
  voice.SetElementOn(0, true);
  EXPECT_EQ(voice.Common()[11], 1);
  common = {};
  common[11] = 0xFA;  // stray high bits are not element switches
  voice.SetCommon(common);
  EXPECT_EQ(voice.ElementsOn(), 2);
  voice.SetElementOn(3, false);
  EXPECT_EQ(voice.Common()[11], 0x02) << "rewriting clears the other bits";
  EXPECT_FALSE(voice.SetElementOn(4, true));
  EXPECT_EQ(voice.WaveNumber(4), -1);
  EXPECT_EQ(voice.Element(-1), nullptr);
}

using Image = std::vector<std::uint8_t>;
using Direction = UserVoiceModel::CopyDirection;

// A checksummed dump with `elements` elements, common bytes 0x41, element bytes 0x22.
Image Dump(int voiceNumber, int elements) {
  const auto count = static_cast<std::size_t>(61 + 80 * elements);
  Image dump = test::Bytes({0xF0, 0x43, 0x00, 0x4B, static_cast<int>(count >> 7),
                            static_cast<int>(count & 0x7F), 0x11, voiceNumber, 0x00});
  dump.resize(9 + 61, 0x41);
  dump.resize(9 + count, 0x22);
  dump.push_back(
      static_cast<std::uint8_t>(-std::accumulate(dump.begin() + 4, dump.end(), 0u) & 0x7F));
  dump.push_back(0xF7);
  return dump;
}

bool All(std::span<const std::uint8_t> bytes, std::uint8_t value) {
  return std::all_of(bytes.begin(), bytes.end(), [&](auto b) { return b == value; });
}

struct UserVoiceModelTest : test::ModelFixture {
  UserVoiceModel& voices = model.UserVoices();
  // Puts a voice with `name` and `level` into a slot, as a copy would.
  void Put(UserBank bank, int slot, std::string_view name, int level = 0) {
    UserVoice voice(slot);
    voice.SetName(name);
    voice.SetLevel(level);
    ASSERT_TRUE(voices.CopyVoiceInto(bank, slot, voice));
  }
};

TEST_F(UserVoiceModelTest, TheWindowsDirectEditsAreStoredAndToldButNotSent) {
  changes.notices.clear();
  ASSERT_TRUE(voices.SetVoiceName(4, "Lead"));
  ASSERT_TRUE(voices.SetVoiceLevel(4, 90));
  ASSERT_TRUE(voices.SetVoiceElementOn(4, 3, true));
  UserVoiceElement element = DefaultUserVoiceElement();
  element[57] = 0x11;
  ASSERT_TRUE(voices.SetVoiceElement(4, 1, element));
  const UserVoice& voice = *voices.Find(UserBank::Bank, 4);
  EXPECT_EQ(voice.DisplayName(), "Lead      ");
  EXPECT_EQ(voice.Level(), 90);
  EXPECT_TRUE(voice.ElementOn(3));
  EXPECT_EQ((*voice.Element(1))[57], 0x11);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(changes.Of(ModelBlock::UserVoice, 4).size(), 4u);
  EXPECT_FALSE(voices.SetVoiceLevel(4, 128));
  EXPECT_FALSE(voices.SetVoiceName(32, "x"));
  EXPECT_FALSE(voices.SetVoiceElementOn(4, 4, true));

  // An element dialog's OK stores the element and sends the voice with
  // everything edited so far.
  element[57] = 0x22;
  ASSERT_TRUE(voices.SendVoiceElement(4, 1, element));
  const auto dump = voice.BuildDump(UnitNumber::FromValue(0), 4);
  EXPECT_EQ(Sent(), Image(dump.begin(), dump.end()));
  EXPECT_EQ(dump[9], 'L');
}

TEST_F(UserVoiceModelTest, SendingAVoiceGivesItsDumpAfterATenMillisecondPause) {
  model.SetUnitNumber(UnitNumber::FromValue(5));
  ASSERT_TRUE(voices.SendUserVoice(3, UserBank::Bank));
  const Image sent = Sent();
  ASSERT_EQ(sent.size(), 392u);
  EXPECT_EQ(Image(sent.begin(), sent.begin() + 9),
            test::Bytes({0xF0, 0x43, 0x05, 0x4B, 0x02, 0x7D, 0x11, 0x03, 0x00}));
  EXPECT_TRUE(All(std::span(sent).subspan(9, 61), 0));
  for (int e = 0; e < 4; ++e)
    EXPECT_TRUE(
        std::ranges::equal(DefaultUserVoiceElement(), std::span(sent).subspan(70 + 80 * e, 80)));
  EXPECT_EQ(std::accumulate(sent.begin() + 4, sent.begin() + 391, 0u) % 128, 0u);
  EXPECT_EQ(sent.back(), 0xF7);
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{10});
  EXPECT_FALSE(voices.SendUserVoice(-1, UserBank::Bank));
  EXPECT_FALSE(voices.SendUserVoice(32, UserBank::VBank));
  // The pause comes first: it is taken even when the send then fails.
  backend.sendResult = kMidiError;
  EXPECT_FALSE(voices.SendUserVoice(3, UserBank::VBank));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{10, 10}));
  EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(UserVoiceModelTest, TakingInAOneElementDumpChangesCommonAndElementOneOnly) {
  UserVoiceElement marked = DefaultUserVoiceElement();
  marked[20] = 0x33;
  for (int e = 0; e < 4; ++e) ASSERT_TRUE(voices.SetVoiceElement(9, e, marked));
  const UserVoice* voice = voices.Find(UserBank::Bank, 9);

  const Image dump = Dump(9, 1);
  ASSERT_TRUE(voices.TakeInUserVoice(dump));
  EXPECT_EQ(Sent(), dump) << "passed on unchanged";
  EXPECT_TRUE(All(voice->Common(), 0x41));
  EXPECT_EQ(voice->DisplayName(), "AAAAAAAAAA");
  EXPECT_TRUE(All(*voice->Element(0), 0x22));
  for (int e = 1; e < 4; ++e) EXPECT_EQ(*voice->Element(e), marked) << "element " << e;
  EXPECT_EQ(events.marks.Value(RefreshMark::UserVoice), 9);
}

TEST_F(UserVoiceModelTest, BadDumpsLeaveTheVoicesAlone) {
  const UserVoice before = *voices.Find(UserBank::Bank, 2);
  // Bad voice numbers and messages too short to name one are not even passed on.
  for (const Image& message : {Dump(32, 4), Dump(0x7F, 4), Image{},
                               test::Bytes({0xF0, 0x43, 0x00, 0x4B, 0x02, 0x7D, 0x11})})
    EXPECT_FALSE(voices.TakeInUserVoice(message));
  EXPECT_TRUE(Sent().empty());

  // Malformed dumps are passed on. The truncated one is exactly sized, so a
  // read past it would be caught by a sanitizer.
  Image truncated = Dump(2, 2);
  truncated.resize(9 + 61 + 80);
  Image oddCount = Dump(2, 1);
  oddCount[4] = 0;
  oddCount[5] = 61 + 40;
  const Image headerOnly = test::Bytes({0xF0, 0x43, 0x00, 0x4B, 0x02, 0x7D, 0x11, 0x02});
  for (const Image& message : {truncated, oddCount, Dump(2, 5), headerOnly}) {
    ClearSent();
    EXPECT_FALSE(voices.TakeInUserVoice(message));
    EXPECT_EQ(Sent(), message);
  }
  // A dump that cannot be passed on is not taken in.
  backend.sendResult = kMidiError;
  EXPECT_FALSE(voices.TakeInUserVoice(Dump(2, 1)));

  const UserVoice& after = *voices.Find(UserBank::Bank, 2);
  EXPECT_EQ(after.Common(), before.Common());
  for (int e = 0; e < 4; ++e) EXPECT_EQ(*after.Element(e), *before.Element(e));
  EXPECT_FALSE(events.marks.Any());
}

TEST_F(UserVoiceModelTest, CopyingVBankIntoBankSendsTheVBankDataAddressedToTheBankSlot) {
  Put(UserBank::VBank, 5, "Virtual");
  const UserVoice* source = voices.Find(UserBank::VBank, 5);
  const UserVoice* target = voices.Find(UserBank::Bank, 0);
  ASSERT_TRUE(voices.CopyUserVoice(0, 5, Direction::ToBank));
  EXPECT_EQ(voices.Find(UserBank::Bank, 0), target) << "the destination keeps its object";
  EXPECT_EQ(target->Common(), source->Common());
  const auto expected = source->BuildDump(UnitNumber::FromValue(0), 0);
  EXPECT_EQ(Sent(), Image(expected.begin(), expected.end()));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{10});

  ClearSent();
  ASSERT_TRUE(voices.SetVoiceName(7, "Real"));
  ASSERT_TRUE(voices.CopyUserVoice(7, 30, Direction::ToVBank));
  EXPECT_EQ(voices.Find(UserBank::VBank, 30)->DisplayName(), "Real      ");
  EXPECT_EQ(voices.Find(UserBank::VBank, 30)->VoiceNumber(), 30);
  EXPECT_FALSE(voices.CopyUserVoice(32, 0, Direction::ToBank));
  EXPECT_FALSE(voices.CopyUserVoice(0, -1, Direction::ToVBank));
  EXPECT_TRUE(Sent().empty());
}

TEST_F(UserVoiceModelTest, ExchangingTwiceRestoresBothBanksAndSendsEveryVoiceEachTime) {
  for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
    ASSERT_TRUE(voices.SetVoiceLevel(slot, slot));
    Put(UserBank::VBank, slot, "", 100 + slot % 20);
  }
  ASSERT_TRUE(voices.ExchangeBanks());
  const Image first = Sent();
  ASSERT_EQ(first.size(), 32u * 392u);
  for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
    const UserVoice* bank = voices.Find(UserBank::Bank, slot);
    EXPECT_EQ(bank->Level(), 100 + slot % 20);
    const auto expected = bank->BuildDump(UnitNumber::FromValue(0), slot);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), first.begin() + 392 * slot));
  }
  ASSERT_TRUE(voices.ExchangeBanks());
  EXPECT_EQ(Sent().size(), 64u * 392u);
  EXPECT_EQ(pauser.Count(10), 64);
  for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
    EXPECT_EQ(voices.Find(UserBank::Bank, slot)->Level(), slot);
    EXPECT_EQ(voices.Find(UserBank::VBank, slot)->Level(), 100 + slot % 20);
  }

  // A failing port stops the exchange after the first slot.
  backend.sendResult = kMidiError;
  EXPECT_FALSE(voices.ExchangeBanks());
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(voices.Find(UserBank::Bank, 0)->Level(), 100);
  EXPECT_EQ(voices.Find(UserBank::Bank, 1)->Level(), 1);
}

TEST_F(UserVoiceModelTest, MovingSwapsTwoBankVoicesAndListingNumbersSlotsFromOne) {
  ASSERT_TRUE(voices.SetVoiceName(3, "Three"));
  ASSERT_TRUE(voices.SetVoiceName(20, "Bass\xA0Solo!!"));
  ASSERT_TRUE(voices.MoveUserVoice(3, 20));
  EXPECT_EQ(voices.Find(UserBank::Bank, 3)->VoiceNumber(), 3);
  EXPECT_EQ(voices.Find(UserBank::Bank, 20)->VoiceNumber(), 20);
  EXPECT_TRUE(Sent().empty()) << "the caller sends";
  EXPECT_FALSE(voices.MoveUserVoice(3, 32));
  EXPECT_FALSE(voices.MoveUserVoice(-1, 3));

  const auto lines = voices.ListUserVoices(UserBank::Bank);
  ASSERT_EQ(lines.size(), 32u);
  EXPECT_EQ(lines[0], "1 - ") << "an empty name ends at its first zero byte";
  EXPECT_EQ(lines[3], "4 - Bass Solo!");
  EXPECT_EQ(lines[20], "21 - Three     ");
  Put(UserBank::VBank, 0, "Strings");
  EXPECT_EQ(voices.ListUserVoices(UserBank::VBank)[0], "1 - Strings   ");
}

}  // namespace
}  // namespace ravlo
