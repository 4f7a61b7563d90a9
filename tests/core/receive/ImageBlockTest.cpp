#include <gtest/gtest.h>

#include <vector>

#include "receive/ImageBlock.h"
#include "sendpass/SendChoices.h"
#include "sendpass/SendPass.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"

namespace ravlo::test {
namespace {

using Kind = ImageBlock::Kind;

class ImageBlockTest : public ModelFixture {};

TEST_F(ImageBlockTest, TheBlocksComeInTheOrderOfTheSendPassADrumSetupWithANoteEach) {
  const std::vector<ImageBlock> blocks = ImageBlocks(model);
  ASSERT_EQ(blocks.size(), 4u + 16u + 2u);
  EXPECT_EQ(blocks[0], (ImageBlock{Kind::System}));
  EXPECT_EQ(blocks[3], (ImageBlock{Kind::Variation}));
  EXPECT_EQ(blocks[4], (ImageBlock{Kind::Part, 0}));
  EXPECT_EQ(blocks[19], (ImageBlock{Kind::Part, 15}));
  EXPECT_EQ(blocks[21], (ImageBlock{Kind::DrumSetup, 1}));
  EXPECT_EQ(blocks[0].Name(), "System");
  EXPECT_EQ(blocks[2].Name(), "Chorus");
  EXPECT_EQ(blocks[6].Name(), "Part 3");
  EXPECT_EQ(blocks[20].Name(), "Drum setup 1");

  // A drum setup has a dump for each note of its kit.
  const auto notes = [&](int setup) {
    return ImageBlock{Kind::DrumSetup, setup}.Dumps(model).size();
  };
  EXPECT_EQ(notes(0), model.Drums().KitNotes(0).size());
  const std::size_t standard = notes(1);
  ASSERT_TRUE(model.Drums().SetKitVoice(1, {126, 0, 0}));  // an SFX kit has other notes
  EXPECT_NE(notes(1), standard);
  const std::vector<XgMessage> dumps = ImageBlock{Kind::DrumSetup, 1}.Dumps(model);
  const DrumNote first = model.Drums().KitNotes(1).front();
  EXPECT_EQ(dumps.front()[6], 0x31);
  EXPECT_EQ(dumps.front()[7], first.MidiNote());
}

TEST_F(ImageBlockTest, TheDumpsOfAllBlocksAreAnAllBulkSaveWithoutItsReset) {
  ASSERT_TRUE(model.System().SetMasterVolume(90));
  ASSERT_TRUE(model.Parts().SetPartParameter(PartAt(4), 0x0B, 0x33));
  ASSERT_TRUE(model.Effects().ChangeType(EffectKind::Chorus, 3));
  ASSERT_TRUE(model.Drums().SetDrumParameter(1, NoteAt(38), 0x01, 0x50));
  SendChoices choices;
  choices.ClearNonDefaultBoxes();
  choices.reset = false;
  choices.controllers.send = false;
  RecordingProgress progress;
  const auto recorded = RecordSendPass(model, choices, progress);
  ASSERT_TRUE(recorded);

  std::vector<std::uint8_t> dumps;
  for (const ImageBlock& block : ImageBlocks(model)) {
    for (const XgMessage& dump : block.Dumps(model)) {
      dumps.insert(dumps.end(), dump.Bytes().begin(), dump.Bytes().end());
    }
  }
  EXPECT_EQ(dumps, *recorded);
}

}  // namespace
}  // namespace ravlo::test
