#include <gtest/gtest.h>

#include "support/TypedIndices.h"
#include "uservoice/UserVoice.h"

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

}  // namespace
}  // namespace ravlo
