#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "drums/DrumKits.h"

namespace ravlo {
namespace {

TEST(DrumKits, EveryRowOfTheMaskTableAndTheAlternateAbsentAndSfxNoteNames) {
  const std::vector<std::tuple<int, int, int>> cases = {
      {127, 0, 1},   {127, 1, 2},    {127, 8, 4},    {127, 16, 8},    {127, 24, 16},
      {127, 25, 32}, {127, 32, 64},  {127, 40, 128}, {127, 48, 256},  {127, 2, 0},
      {127, 127, 0}, {126, 1, 1024}, {126, 0, 512},  {126, 127, 512}, {0, 0, 0},
      {64, 1, 0},    {126, -1, 0},   {126, 128, 0},  {127, 256, 0}};
  for (const auto& [msb, program, mask] : cases) {
    EXPECT_EQ(KitMaskForVoice(msb, program), mask) << msb << "/" << program;
  }

  // Note names: alternate, absent and SFX notes.
  EXPECT_EQ(DrumNoteName(32, 39, {}), "Hand Clap") << "a note the Analog kit takes unchanged";
  EXPECT_EQ(DrumNoteGroupDefaults(32, 36)->level, 0x7F);
  EXPECT_EQ(FindDrumNoteName(kStandardKitMask, 0x0600, 85).kind, DrumNoteNameKind::Absent);
  EXPECT_EQ(DrumNoteName(kStandardKitMask, 12, {}), "----");
  EXPECT_EQ(DrumNoteName(kStandardKitMask, 92, {}), "----");
  // A drum kit without a table plays the standard names; an unknown high mask names nothing.
  EXPECT_EQ(DrumNoteName(0, 36, {}), "BassDrum H");
  EXPECT_EQ(DrumNoteName(0x600, 36, {}), "----");
  // Only a single drum kit bit has an alternate list.
  EXPECT_EQ(AlternateDrumNoteIndex(256, 59), 102);
  for (const auto& [mask, note] : std::vector<std::pair<std::uint16_t, int>>{
           {2, 30}, {1, 36}, {0, 36}, {6, 38}, {kSfxKit1Mask, 36}}) {
    EXPECT_EQ(AlternateDrumNoteIndex(mask, note), -1) << mask << " " << note;
  }
  // SFX kits ask the catalogue.
  std::vector<std::tuple<int, int, int>> asked;
  const DrumVoiceNameLookup lookup = [&](int program, int msb, int lsb) -> std::string_view {
    asked.emplace_back(program, msb, lsb);
    return "SfxVoice";
  };
  EXPECT_EQ(DrumNoteName(kSfxKit1Mask, 36, lookup), "SfxVoice");
  EXPECT_EQ(DrumNoteName(kSfxKit2Mask, 36, lookup), "SfxVoice");
  // Note 13's word lacks the SFX bits: no catalogue question.
  EXPECT_EQ(DrumNoteName(kSfxKit1Mask, 13, lookup), "----");
  EXPECT_EQ(asked, (std::vector<std::tuple<int, int, int>>{{1, 64, 0}, {65, 64, 0}}));
  EXPECT_EQ(DrumNoteName(kSfxKit1Mask, 36, {}), "----");
  // The program number wraps as a byte.
  EXPECT_EQ(FindDrumNoteName(kSfxKit1Mask, kSfxKit1Mask, 13).programNumber, 234);
}

TEST(DrumNoteDefaults, ParameterBytesAndSendBaseline) {
  // SFX defaults apply whether or not the kit has the note.
  const DrumParameterBytes sfx = {0x40, 0x40, 0x7F, 0x00, 0x40, 0x7F, 0x7F, 0x7F,
                                  0x00, 0x00, 0x01, 0x40, 0x40, 0x40, 0x40, 0x40};
  EXPECT_EQ(DrumNoteDefaultParameters(kSfxKit2Mask, 13), sfx);
  EXPECT_EQ(DrumNoteDefaultParameters(kSfxKit1Mask, 36), sfx);
  EXPECT_FALSE(DrumNoteSendDefaultParameters(kStandardKitMask, 1, 92));

  // The stored membership word decides which baseline a send compares against.
  const DrumNoteGroup standard = FindStandardDrumNote(38)->defaults;
  const DrumNoteGroup analog = kAlternateDrumNotes[51].defaults;
  ASSERT_NE(standard, analog);
  EXPECT_EQ(DrumNoteGroupSendDefaults(32, 0x05BF, 38), analog);
  EXPECT_EQ(DrumNoteGroupSendDefaults(32, 0x0001, 38), standard);
  EXPECT_EQ(DrumNoteGroupSendDefaults(32, 0x0400, 38), standard);
  EXPECT_EQ(DrumNoteGroupSendDefaults(kSfxKit1Mask, 0x0001, 38), standard);
  EXPECT_EQ(DrumNoteGroupSendDefaults(kSfxKit1Mask, 0x05BF, 38), kSfxDrumNoteDefaults);
}

}  // namespace
}  // namespace ravlo
