#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "support/ModelFixture.h"
#include "uservoice/UserVoiceModel.h"

namespace ravlo {
namespace {

class UserVoiceModelTest : public test::ModelFixture {
 protected:
  UserVoiceModel& Voices() { return model.UserVoices(); }

  // A QS300 dump for `voiceNumber` with `elements` elements, common bytes all
  // `commonByte` and element bytes all `elementByte`, with a correct checksum.
  static std::vector<std::uint8_t> Dump(int voiceNumber, int elements, std::uint8_t commonByte,
                                        std::uint8_t elementByte) {
    const auto count = static_cast<std::size_t>(61 + 80 * elements);
    std::vector<std::uint8_t> dump(9 + count + 2, elementByte);
    const std::uint8_t header[] = {0xF0,
                                   0x43,
                                   0x00,
                                   0x4B,
                                   static_cast<std::uint8_t>(count >> 7),
                                   static_cast<std::uint8_t>(count & 0x7F),
                                   0x11,
                                   static_cast<std::uint8_t>(voiceNumber),
                                   0x00};
    std::copy(std::begin(header), std::end(header), dump.begin());
    std::fill_n(dump.begin() + 9, 61, commonByte);
    const auto data = dump.begin() + 4;
    const unsigned sum = std::accumulate(data, data + 5 + static_cast<std::ptrdiff_t>(count), 0u);
    dump[9 + count] = static_cast<std::uint8_t>((128 - sum % 128) % 128);
    dump.back() = 0xF7;
    return dump;
  }

  std::vector<std::uint8_t> BankDump(int slot) {
    const auto dump = Voices().Find(UserBank::Bank, slot)->BuildDump(0, slot);
    return {dump.begin(), dump.end()};
  }
};

TEST_F(UserVoiceModelTest, SendingAFreshVoiceGivesItsDumpAfterATenMillisecondPause) {
  model.SetUnitNumber(5);
  ASSERT_TRUE(Voices().SendUserVoice(3, UserBank::Bank));
  const std::vector<std::uint8_t> sent = Sent();
  ASSERT_EQ(sent.size(), 392u);
  EXPECT_EQ(std::vector<std::uint8_t>(sent.begin(), sent.begin() + 9),
            test::Bytes({0xF0, 0x43, 0x05, 0x4B, 0x02, 0x7D, 0x11, 0x03, 0x00}));
  EXPECT_TRUE(std::all_of(sent.begin() + 9, sent.begin() + 70, [](auto b) { return b == 0; }));
  for (int e = 0; e < 4; ++e) {
    EXPECT_TRUE(std::equal(DefaultUserVoiceElement().begin(), DefaultUserVoiceElement().end(),
                           sent.begin() + 70 + 80 * e));
  }
  EXPECT_EQ(std::accumulate(sent.begin() + 4, sent.begin() + 391, 0u) % 128, 0u);
  EXPECT_EQ(sent.back(), 0xF7);
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{10});

  // The pause comes first: it is taken even when the send then fails.
  ClearSent();
  backend.sendResult = kMidiError;
  EXPECT_FALSE(Voices().SendUserVoice(3, UserBank::VBank));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{10});
  EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(UserVoiceModelTest, SendingOutsideTheBanksIsRefused) {
  EXPECT_FALSE(Voices().SendUserVoice(-1, UserBank::Bank));
  EXPECT_FALSE(Voices().SendUserVoice(32, UserBank::VBank));
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(pauser.pauses.empty());
}

TEST_F(UserVoiceModelTest, WhileRecordingTheDumpGoesToTheRecording) {
  Voices().GetUserVoice(4, UserBank::VBank)->SetName("Rec");
  ASSERT_TRUE(model.BeginRecording());
  ASSERT_TRUE(Voices().SendUserVoice(4, UserBank::VBank));
  const auto expected = Voices().Find(UserBank::VBank, 4)->BuildDump(0, 4);
  const auto recording = model.TakeRecording();
  EXPECT_TRUE(std::equal(recording.begin(), recording.end(), expected.begin(), expected.end()));
  EXPECT_TRUE(Sent().empty());
  model.EndRecording();
}

TEST_F(UserVoiceModelTest, TakingInAOneElementDumpChangesCommonAndElementOneOnly) {
  UserVoice* voice = Voices().GetUserVoice(9, UserBank::Bank);
  UserVoiceElement marked = DefaultUserVoiceElement();
  marked[20] = 0x33;
  for (int e = 0; e < 4; ++e) voice->SetElement(e, marked);

  const auto dump = Dump(9, 1, 0x41, 0x22);
  ASSERT_TRUE(Voices().TakeInUserVoice(dump));
  EXPECT_EQ(Sent(), dump) << "passed on unchanged";
  EXPECT_TRUE(std::all_of(voice->Common().begin(), voice->Common().end(),
                          [](auto b) { return b == 0x41; }));
  EXPECT_EQ(voice->DisplayName(), "AAAAAAAAAA");
  EXPECT_TRUE(std::all_of(voice->Element(0)->begin(), voice->Element(0)->end(),
                          [](auto b) { return b == 0x22; }));
  for (int e = 1; e < 4; ++e) EXPECT_EQ(*voice->Element(e), marked) << "element " << e;
  EXPECT_EQ(voice->VoiceNumber(), 9);
  EXPECT_TRUE(events.marks.IsRaised(RefreshMark::UserVoice));
  EXPECT_EQ(events.marks.Value(RefreshMark::UserVoice), 9);
}

TEST_F(UserVoiceModelTest, BadVoiceNumbersAndShortMessagesAreNeitherPassedOnNorTakenIn) {
  EXPECT_FALSE(Voices().TakeInUserVoice(Dump(32, 4, 1, 1)));
  EXPECT_FALSE(Voices().TakeInUserVoice(Dump(0x7F, 4, 1, 1)));
  const auto header = Dump(0, 4, 1, 1);
  EXPECT_FALSE(Voices().TakeInUserVoice(std::span(header).first(7)));
  EXPECT_FALSE(Voices().TakeInUserVoice({}));
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(events.marks.Any());
}

TEST_F(UserVoiceModelTest, MalformedDumpsArePassedOnButLeaveTheVoiceAlone) {
  const UserVoice before = *Voices().Find(UserBank::Bank, 2);

  // Announces two elements but holds only one (exactly sized, so a read past it
  // would be caught by a sanitizer).
  auto truncated = Dump(2, 2, 0x41, 0x22);
  truncated.resize(9 + 61 + 80);
  // A count that is not 61 plus whole elements, and one of five elements.
  auto oddCount = Dump(2, 1, 0x41, 0x22);
  oddCount[4] = 0;
  oddCount[5] = 61 + 40;
  const auto fiveElements = Dump(2, 5, 0x41, 0x22);
  // A header that ends right after the voice number.
  const auto headerOnly = test::Bytes({0xF0, 0x43, 0x00, 0x4B, 0x02, 0x7D, 0x11, 0x02});

  for (const auto& message : {truncated, oddCount, fiveElements, headerOnly}) {
    ClearSent();
    EXPECT_FALSE(Voices().TakeInUserVoice(message));
    EXPECT_EQ(Sent(), message);
  }
  const UserVoice& after = *Voices().Find(UserBank::Bank, 2);
  EXPECT_EQ(after.Common(), before.Common());
  for (int e = 0; e < 4; ++e) EXPECT_EQ(*after.Element(e), *before.Element(e));
  EXPECT_FALSE(events.marks.Any());
}

TEST_F(UserVoiceModelTest, AMessageThatCannotBePassedOnIsNotTakenIn) {
  backend.sendResult = kMidiError;
  EXPECT_FALSE(Voices().TakeInUserVoice(Dump(1, 1, 0x41, 0x22)));
  EXPECT_EQ(Voices().Find(UserBank::Bank, 1)->Common()[0], 0);
  EXPECT_FALSE(events.marks.Any());
}

TEST_F(UserVoiceModelTest, CopyingVBankIntoBankSendsTheVBankDataAddressedToTheBankSlot) {
  UserVoice* source = Voices().GetUserVoice(5, UserBank::VBank);
  source->SetName("Virtual");
  source->SetLevel(100);
  source->SetElementOn(2, true);
  const UserVoice* target = Voices().Find(UserBank::Bank, 0);

  ASSERT_TRUE(Voices().CopyUserVoice(0, 5, UserVoiceModel::CopyDirection::ToBank));
  EXPECT_EQ(Voices().Find(UserBank::Bank, 0), target) << "the destination keeps its object";
  EXPECT_EQ(target->VoiceNumber(), 0);
  EXPECT_EQ(target->Common(), source->Common());
  const auto expected = source->BuildDump(0, 0);
  EXPECT_EQ(Sent(), std::vector<std::uint8_t>(expected.begin(), expected.end()));
  EXPECT_EQ(Sent()[7], 0);
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>{10});
}

TEST_F(UserVoiceModelTest, CopyingIntoTheVBankSendsNothingAndBadSlotsFail) {
  Voices().GetUserVoice(7, UserBank::Bank)->SetName("Real");
  ASSERT_TRUE(Voices().CopyUserVoice(7, 30, UserVoiceModel::CopyDirection::ToVBank));
  EXPECT_EQ(Voices().Find(UserBank::VBank, 30)->DisplayName(), "Real      ");
  EXPECT_EQ(Voices().Find(UserBank::VBank, 30)->VoiceNumber(), 30);
  EXPECT_TRUE(Sent().empty());

  using Direction = UserVoiceModel::CopyDirection;
  EXPECT_FALSE(Voices().CopyUserVoice(32, 0, Direction::ToBank));
  EXPECT_FALSE(Voices().CopyUserVoice(0, 32, Direction::ToBank));
  EXPECT_FALSE(Voices().CopyUserVoice(-1, 0, Direction::ToVBank));
  EXPECT_FALSE(Voices().CopyUserVoice(0, -1, Direction::ToVBank));
  EXPECT_TRUE(Sent().empty());
}

TEST_F(UserVoiceModelTest, ExchangingTwiceRestoresBothBanksAndSendsEveryVoiceEachTime) {
  for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
    Voices().GetUserVoice(slot, UserBank::Bank)->SetLevel(slot);
    Voices().GetUserVoice(slot, UserBank::VBank)->SetLevel(100 + slot % 20);
  }

  ASSERT_TRUE(Voices().ExchangeBanks());
  const std::vector<std::uint8_t> first = Sent();
  ASSERT_EQ(first.size(), 32u * 392u);
  for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
    const UserVoice* bank = Voices().Find(UserBank::Bank, slot);
    EXPECT_EQ(bank->Level(), 100 + slot % 20);
    EXPECT_EQ(Voices().Find(UserBank::VBank, slot)->Level(), slot);
    EXPECT_EQ(bank->VoiceNumber(), slot);
    const auto expected = bank->BuildDump(0, slot);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), first.begin() + 392 * slot))
        << "slot " << slot;
  }

  ASSERT_TRUE(Voices().ExchangeBanks());
  EXPECT_EQ(Sent().size(), 64u * 392u);
  EXPECT_EQ(pauser.Count(10), 64);
  for (int slot = 0; slot < kUserVoicesPerBank; ++slot) {
    EXPECT_EQ(Voices().Find(UserBank::Bank, slot)->Level(), slot);
    EXPECT_EQ(Voices().Find(UserBank::VBank, slot)->Level(), 100 + slot % 20);
  }
}

TEST_F(UserVoiceModelTest, AFailingPortStopsTheExchangeAtTheFirstVoice) {
  Voices().GetUserVoice(0, UserBank::VBank)->SetLevel(1);
  Voices().GetUserVoice(1, UserBank::VBank)->SetLevel(2);
  backend.sendResult = kMidiError;
  EXPECT_FALSE(Voices().ExchangeBanks());
  EXPECT_EQ(pauser.pauses.size(), 1u);
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(Voices().Find(UserBank::Bank, 0)->Level(), 1) << "the first slot was exchanged";
  EXPECT_EQ(Voices().Find(UserBank::Bank, 1)->Level(), 0) << "the second was not";
}

TEST_F(UserVoiceModelTest, MovingExchangesTwoBankVoicesAndRenumbersThem) {
  Voices().GetUserVoice(3, UserBank::Bank)->SetName("Three");
  Voices().GetUserVoice(20, UserBank::Bank)->SetName("Twenty");
  ASSERT_TRUE(Voices().MoveUserVoice(3, 20));
  EXPECT_EQ(Voices().Find(UserBank::Bank, 3)->DisplayName(), "Twenty    ");
  EXPECT_EQ(Voices().Find(UserBank::Bank, 3)->VoiceNumber(), 3);
  EXPECT_EQ(Voices().Find(UserBank::Bank, 20)->DisplayName(), "Three     ");
  EXPECT_EQ(Voices().Find(UserBank::Bank, 20)->VoiceNumber(), 20);
  EXPECT_TRUE(Sent().empty()) << "the caller sends";
  EXPECT_FALSE(Voices().MoveUserVoice(3, 32));
  EXPECT_FALSE(Voices().MoveUserVoice(-1, 3));
}

TEST_F(UserVoiceModelTest, ListingNumbersSlotsFromOneWithTheirDisplayNames) {
  Voices().GetUserVoice(0, UserBank::VBank)->SetName("Strings");
  Voices().GetUserVoice(31, UserBank::VBank)->SetName("Bass\xA0Solo!!");
  const auto lines = Voices().ListUserVoices(UserBank::VBank);
  ASSERT_EQ(lines.size(), 32u);
  EXPECT_EQ(lines[0], "1 - Strings   ");
  EXPECT_EQ(lines[1], "2 - ") << "an empty name ends at its first zero byte";
  EXPECT_EQ(lines[31], "32 - Bass Solo!");
  EXPECT_EQ(Voices().ListUserVoices(UserBank::Bank)[0], "1 - ");
}

}  // namespace
}  // namespace ravlo
