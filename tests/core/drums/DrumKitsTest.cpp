#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "drums/DrumKits.h"

namespace ravlo {
namespace {

// Stands in for the voice catalogue and records what it was asked.
struct FakeCatalogue {
  std::vector<std::tuple<int, int, int>> asked;
  DrumVoiceNameLookup Lookup() {
    return [this](int program, int msb, int lsb) -> std::string_view {
      asked.emplace_back(program, msb, lsb);
      return "SfxVoice";
    };
  }
};

TEST(KitMaskForVoice, EveryRowOfTheMaskTable) {
  EXPECT_EQ(KitMaskForVoice(127, 0), 1);
  EXPECT_EQ(KitMaskForVoice(127, 1), 2);
  EXPECT_EQ(KitMaskForVoice(127, 8), 4);
  EXPECT_EQ(KitMaskForVoice(127, 16), 8);
  EXPECT_EQ(KitMaskForVoice(127, 24), 16);
  EXPECT_EQ(KitMaskForVoice(127, 25), 32);
  EXPECT_EQ(KitMaskForVoice(127, 32), 64);
  EXPECT_EQ(KitMaskForVoice(127, 40), 128);
  EXPECT_EQ(KitMaskForVoice(127, 48), 256);
  EXPECT_EQ(KitMaskForVoice(127, 2), 0);
  EXPECT_EQ(KitMaskForVoice(127, 127), 0);
  EXPECT_EQ(KitMaskForVoice(126, 1), 1024);
  EXPECT_EQ(KitMaskForVoice(126, 0), 512);
  EXPECT_EQ(KitMaskForVoice(126, 127), 512);
  EXPECT_EQ(KitMaskForVoice(0, 0), 0);
  EXPECT_EQ(KitMaskForVoice(64, 1), 0);
}

TEST(KitMaskForVoice, RefusesProgramsOutsideSevenBits) {
  EXPECT_EQ(KitMaskForVoice(126, -1), 0);
  EXPECT_EQ(KitMaskForVoice(126, 128), 0);
  EXPECT_EQ(KitMaskForVoice(127, 256), 0);
}

TEST(DrumNoteName, StandardAndAnalogKit) {
  FakeCatalogue catalogue;
  EXPECT_EQ(DrumNoteName(kStandardKitMask, 36, catalogue.Lookup()), "BassDrum H");
  const std::uint16_t analog = KitMaskForVoice(127, 25);
  ASSERT_EQ(analog, 32);
  EXPECT_EQ(DrumNoteName(analog, 36, catalogue.Lookup()), "BD Analog H");
  EXPECT_EQ(DrumNoteGroupDefaults(analog, 36)->level, 0x7F);
  // A note the Analog kit takes unchanged keeps the standard name.
  EXPECT_EQ(DrumNoteName(analog, 39, catalogue.Lookup()), "Hand Clap");
  EXPECT_TRUE(catalogue.asked.empty());
}

TEST(DrumNoteName, NoteMissingFromTheKitReadsDashes) {
  EXPECT_FALSE(IsDrumNoteInKit(kStandardKitMask, 85));
  EXPECT_EQ(DrumNoteName(kStandardKitMask, 85, {}), "----");
  const DrumNoteNameSource source = FindDrumNoteName(kStandardKitMask, 0x0600, 85);
  EXPECT_EQ(source.kind, DrumNoteNameKind::Absent);
  EXPECT_EQ(DrumNoteName(kStandardKitMask, 12, {}), "----");
  EXPECT_EQ(DrumNoteName(kStandardKitMask, 92, {}), "----");
}

TEST(DrumNoteName, Standard2UsesItsAlternateList) {
  const std::uint16_t standard2 = KitMaskForVoice(127, 1);
  EXPECT_EQ(AlternateDrumNoteIndex(standard2, 29), 0);
  EXPECT_EQ(DrumNoteName(standard2, 29, {}), "SnareRoll 2");
  const std::optional<DrumNoteGroup> group = DrumNoteGroupDefaults(standard2, 29);
  ASSERT_TRUE(group);
  EXPECT_EQ(group->level, 0x4F);
  EXPECT_EQ(group->rcvNoteOff, 0x01);
}

TEST(DrumNoteName, SfxKitsAskTheCatalogue) {
  FakeCatalogue catalogue;
  EXPECT_EQ(DrumNoteName(kSfxKit1Mask, 36, catalogue.Lookup()), "SfxVoice");
  EXPECT_EQ(DrumNoteName(kSfxKit2Mask, 36, catalogue.Lookup()), "SfxVoice");
  const std::vector<std::tuple<int, int, int>> expected = {{1, 64, 0}, {65, 64, 0}};
  EXPECT_EQ(catalogue.asked, expected);

  // Note 13's word lacks the SFX bits: no catalogue question.
  catalogue.asked.clear();
  EXPECT_EQ(DrumNoteName(kSfxKit1Mask, 13, catalogue.Lookup()), "----");
  EXPECT_TRUE(catalogue.asked.empty());
  EXPECT_EQ(DrumNoteName(kSfxKit1Mask, 36, {}), "----");
}

TEST(DrumNoteName, SfxProgramNumberWrapsAsAByte) {
  const DrumNoteNameSource source = FindDrumNoteName(kSfxKit1Mask, kSfxKit1Mask, 13);
  EXPECT_EQ(source.kind, DrumNoteNameKind::Catalogue);
  EXPECT_EQ(source.programNumber, 234);
}

TEST(DrumNoteName, MasksWithoutTables) {
  // A drum kit without a table plays the standard names.
  EXPECT_EQ(DrumNoteName(KitMaskForVoice(127, 3), 36, {}), "BassDrum H");
  // A mask above the drum kits that is neither SFX kit names nothing.
  EXPECT_EQ(DrumNoteName(0x600, 36, {}), "----");
}

TEST(AlternateDrumNoteIndex, OnlyForSingleKitMasks) {
  EXPECT_EQ(AlternateDrumNoteIndex(256, 59), 102);
  EXPECT_EQ(AlternateDrumNoteIndex(32, 28), 44);
  EXPECT_EQ(AlternateDrumNoteIndex(2, 30), -1);
  EXPECT_EQ(AlternateDrumNoteIndex(1, 36), -1);
  EXPECT_EQ(AlternateDrumNoteIndex(0, 36), -1);
  EXPECT_EQ(AlternateDrumNoteIndex(6, 38), -1);
  EXPECT_EQ(AlternateDrumNoteIndex(kSfxKit1Mask, 36), -1);
}

TEST(DrumNoteDefaults, FullParameterBytes) {
  const DrumParameterBytes surdo = {0x40, 0x40, 0x66, 0x03, 0x33, 0x5F, 0x5F, 0x7F,
                                    0x00, 0x00, 0x01, 0x40, 0x40, 0x40, 0x40, 0x40};
  EXPECT_EQ(DrumNoteDefaultParameters(kStandardKitMask, 13), surdo);
  const DrumParameterBytes sfx = {0x40, 0x40, 0x7F, 0x00, 0x40, 0x7F, 0x7F, 0x7F,
                                  0x00, 0x00, 0x01, 0x40, 0x40, 0x40, 0x40, 0x40};
  // SFX defaults apply whether or not the kit has the note.
  EXPECT_EQ(DrumNoteDefaultParameters(kSfxKit2Mask, 13), sfx);
  EXPECT_EQ(DrumNoteDefaultParameters(kSfxKit1Mask, 36), sfx);
  EXPECT_FALSE(DrumNoteDefaultParameters(kStandardKitMask, 12));
  EXPECT_FALSE(DrumNoteSendDefaultParameters(kStandardKitMask, 1, 92));
}

TEST(DrumNoteDefaults, SendBaselineFollowsTheStoredWord) {
  const DrumNoteGroup standard = FindStandardDrumNote(38)->defaults;
  const DrumNoteGroup analog = kAlternateDrumNotes[51].defaults;
  ASSERT_NE(standard, analog);
  EXPECT_EQ(DrumNoteGroupSendDefaults(32, 0x05BF, 38), analog);
  EXPECT_EQ(DrumNoteGroupSendDefaults(32, 0x0001, 38), standard);
  EXPECT_EQ(DrumNoteGroupSendDefaults(32, 0x0400, 38), standard);
  EXPECT_EQ(DrumNoteGroupSendDefaults(kSfxKit1Mask, 0x0001, 38), standard);
  EXPECT_EQ(DrumNoteGroupSendDefaults(kSfxKit1Mask, 0x05BF, 38), kSfxDrumNoteDefaults);
}

// An untouched kit must send nothing in a non-default send: what a reset stores has to be
// what the send compares against, for every kit and every note it plays.
TEST(DrumNoteDefaults, ResetAndSendBaselineAgreeForEveryKit) {
  for (const DrumKitMaskRow& row : kDrumKitMasks) {
    const std::uint16_t mask = row.kitMask;
    for (int note = kFirstDrumNote; note <= kLastDrumNote; ++note) {
      if (!IsDrumNoteInKit(mask, note)) continue;
      EXPECT_EQ(DrumNoteDefaultParameters(mask, note),
                DrumNoteSendDefaultParameters(mask, StandardKitWord(note), note))
          << "mask " << mask << " note " << note;
    }
  }
}

}  // namespace
}  // namespace ravlo
