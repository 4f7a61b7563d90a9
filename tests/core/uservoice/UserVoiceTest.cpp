#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "uservoice/UserVoice.h"
#include "uservoice/UserVoiceBanks.h"

namespace ravlo {
namespace {

TEST(UserVoice, AFreshVoiceDumpsZeroCommonDefaultElementsAndAValidChecksum) {
  const UserVoice voice(7);
  const auto dump = voice.BuildDump(2, 7);
  EXPECT_EQ(dump[0], 0xF0);
  EXPECT_EQ(dump[2], 0x02);
  EXPECT_EQ(dump[3], 0x4B);
  EXPECT_EQ(dump[4], 0x02);
  EXPECT_EQ(dump[5], 0x7D);
  EXPECT_EQ(dump[6], 0x11);
  EXPECT_EQ(dump[7], 7);
  EXPECT_EQ(dump[8], 0x00);
  EXPECT_TRUE(std::all_of(dump.begin() + 9, dump.begin() + 70, [](auto b) { return b == 0; }));
  for (int e = 0; e < 4; ++e) {
    EXPECT_TRUE(std::equal(DefaultUserVoiceElement().begin(), DefaultUserVoiceElement().end(),
                           dump.begin() + 70 + 80 * e));
  }
  EXPECT_EQ(std::accumulate(dump.begin() + 4, dump.begin() + 391, 0u) % 128, 0u);
  EXPECT_EQ(dump[391], 0xF7);
}

TEST(UserVoice, DumpRoundTripCarriesEveryByte) {
  UserVoice source(1);
  source.SetName("Bright Pad");
  source.SetLevel(99);
  source.SetElementOn(1, true);
  UserVoiceElement element = DefaultUserVoiceElement();
  element[0] = 2;
  element[1] = 44;
  element[79] = 0x55;
  source.SetElement(3, element);

  UserVoice copy(9);
  const auto dump = source.BuildDump(0, 9);
  ASSERT_TRUE(copy.ParseDump(dump));
  EXPECT_EQ(copy.Common(), source.Common());
  EXPECT_EQ(*copy.Element(3), element);
  EXPECT_EQ(copy.WaveNumber(3), 300);
  EXPECT_EQ(copy.VoiceNumber(), 9) << "parsing keeps the voice's own number";
  EXPECT_EQ(copy.DisplayName(), "Bright Pad");
  EXPECT_EQ(copy.Level(), 99);
}

TEST(UserVoice, AOneElementDumpChangesTheCommonBlockAndElementOneOnly) {
  UserVoice target(0);
  UserVoiceElement marked = DefaultUserVoiceElement();
  marked[5] = 0x11;
  for (int e = 0; e < 4; ++e) target.SetElement(e, marked);

  std::vector<std::uint8_t> dump(9 + 61 + 80 + 2, 0x22);
  dump[0] = 0xF0;
  dump[4] = 0x01;  // 141 = 61 + 80
  dump[5] = 141 - 128;
  dump.back() = 0xF7;
  ASSERT_TRUE(target.ParseDump(dump));
  EXPECT_EQ(target.Common()[0], 0x22);
  EXPECT_EQ((*target.Element(0))[5], 0x22);
  for (int e = 1; e < 4; ++e) EXPECT_EQ(*target.Element(e), marked) << e;
}

TEST(UserVoice, MalformedDumpsAreRefusedWithoutChangingTheVoice) {
  UserVoice target(0);
  target.SetName("Original");
  const UserVoiceCommon before = target.Common();
  auto good = UserVoice(0).BuildDump(0, 0);

  std::vector<std::uint8_t> shortDump(good.begin(), good.begin() + 200);  // announces 4 elements
  EXPECT_FALSE(target.ParseDump(shortDump));
  std::vector<std::uint8_t> badCount(good.begin(), good.end());
  badCount[5] = 0x7C;  // 380: not 61 + 80k
  EXPECT_FALSE(target.ParseDump(badCount));
  std::vector<std::uint8_t> fiveElements(9 + 61 + 400 + 2, 0);
  fiveElements[4] = 461 >> 7;
  fiveElements[5] = 461 & 0x7F;
  EXPECT_FALSE(target.ParseDump(fiveElements));
  EXPECT_FALSE(target.ParseDump(std::vector<std::uint8_t>{0xF0, 0x43}));
  EXPECT_FALSE(target.ParseDump({}));
  EXPECT_EQ(target.Common(), before);
}

TEST(UserVoice, NamesAreCutPaddedAndShowHighBytesAsBlanks) {
  UserVoice voice;
  voice.SetName("Twelve chars");
  EXPECT_EQ(voice.DisplayName(), "Twelve cha");
  voice.SetName("Abc");
  EXPECT_EQ(voice.DisplayName(), "Abc       ");
  EXPECT_EQ(voice.Common()[9], ' ');

  UserVoiceCommon common{};
  common[0] = 'X';
  common[1] = 0x80;
  common[2] = 0xFF;
  common[3] = 'Y';
  voice.SetCommon(common);
  EXPECT_EQ(voice.DisplayName().substr(0, 4), "X  Y");
  EXPECT_EQ(voice.Common()[1], 0x80) << "the stored byte is kept";
}

TEST(UserVoice, ElementSwitchesLiveInCommonByteEleven) {
  UserVoice voice;
  voice.SetElementOn(2, true);
  voice.SetElementOn(2, false);
  voice.SetElementOn(0, true);
  EXPECT_EQ(voice.Common()[11], 1);
  EXPECT_EQ(voice.ElementsOn(), 1);
  UserVoiceCommon common{};
  common[11] = 0xFA;  // stray high bits are not element switches
  voice.SetCommon(common);
  EXPECT_EQ(voice.ElementsOn(), 2);
  voice.SetElementOn(3, false);
  EXPECT_EQ(voice.Common()[11], 0x02) << "rewriting clears the other bits";
  EXPECT_FALSE(voice.SetElementOn(4, true));
  EXPECT_EQ(voice.WaveNumber(4), -1);
  EXPECT_EQ(voice.Element(-1), nullptr);
}

TEST(UserVoiceBanks, ExchangeAndMoveSwapVoicesAndRenumber) {
  UserVoiceBanks banks;
  banks.Voice(UserBank::Bank, 3)->SetName("Bank3");
  banks.Voice(UserBank::VBank, 3)->SetName("VBank3");
  ASSERT_TRUE(banks.Exchange(3));
  EXPECT_EQ(banks.Find(UserBank::Bank, 3)->DisplayName(), "VBank3    ");
  EXPECT_EQ(banks.Find(UserBank::VBank, 3)->DisplayName(), "Bank3     ");

  banks.Voice(UserBank::Bank, 5)->SetName("Five");
  ASSERT_TRUE(banks.Move(3, 5));
  EXPECT_EQ(banks.Find(UserBank::Bank, 3)->DisplayName(), "Five      ");
  EXPECT_EQ(banks.Find(UserBank::Bank, 3)->VoiceNumber(), 3);
  EXPECT_EQ(banks.Find(UserBank::Bank, 5)->VoiceNumber(), 5);

  EXPECT_EQ(banks.Voice(UserBank::Bank, 32), nullptr);
  EXPECT_FALSE(banks.Exchange(-1));
  EXPECT_FALSE(banks.Move(0, 32));
}

}  // namespace
}  // namespace ravlo
