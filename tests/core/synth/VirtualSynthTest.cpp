#include <gtest/gtest.h>

#include <vector>

#include "messages/XgMessages.h"
#include "receive/ImageBlock.h"
#include "support/Bytes.h"
#include "support/TypedIndices.h"
#include "synth/VirtualSynth.h"

namespace ravlo::test {
namespace {

using Message = std::vector<std::uint8_t>;

Message Answer(VirtualSynth& synth, const XgMessage& request) {
  const std::optional<XgMessage> answer = synth.Receive(request.Bytes());
  if (!answer) return {};
  return {answer->Bytes().begin(), answer->Bytes().end()};
}

Message DumpOf(VirtualSynth& synth, XgAddress address, int unit = 0) {
  return Answer(synth, BuildBulkDumpRequest(UnitAt(unit), address));
}

Message ParameterOf(VirtualSynth& synth, XgAddress address, int unit = 0) {
  return Answer(synth, BuildParameterRequest(UnitAt(unit), address));
}

TEST(VirtualSynth, KeepsWhatItIsSentAndAnswersWhatItHoldsAndNothingElse) {
  VirtualSynth synth;
  EXPECT_FALSE(synth.Receive(PartChange(2, 0x0B, 0x50))) << "a change gets no answer";
  EXPECT_EQ(ParameterOf(synth, {0x08, 0x02, 0x0B}),
            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0B, 0x50, 0xF7}));
  synth.Receive(SystemChange(0x00, {0x00, 0x04, 0x06, 0x04}));
  EXPECT_EQ(ParameterOf(synth, {0x00, 0x00, 0x00}),
            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x06, 0x04, 0xF7}))
      << "master tune answers as its four nibbles";
  const Message part = DumpOf(synth, {0x08, 0x02, 0x00});
  ASSERT_EQ(part.size(), 52u);
  EXPECT_EQ(part[9 + 0x0B], 0x50) << "the part's dump holds it too";
  synth.Receive(EffectChange(0x20, {0x41, 0x02}));
  EXPECT_EQ(ParameterOf(synth, {0x02, 0x01, 0x20}),
            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x20, 0x41, 0x02, 0xF7}));
  const Message variation = ParameterOf(synth, {0x02, 0x01, 0x42});
  ASSERT_EQ(variation.size(), 10u) << "Variation parameter 1 travels as a pair";
  EXPECT_EQ(ParameterOf(synth, {0x02, 0x01, 0x70}).size(), 9u);
}

TEST(VirtualSynth, StartsFromTheXgDefaultsAndSystemOnTakesTheImageBackToThem) {
  VirtualSynth synth;
  EXPECT_EQ(DumpOf(synth, {0x00, 0x00, 0x00}),
            Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00,
                   0x7F, 0x00, 0x40, 0x36, 0xF7}));
  const Message defaults = DumpOf(synth, {0x08, 0x05, 0x00});
  synth.Receive(PartChange(5, 0x0B, 0x21));
  ASSERT_NE(DumpOf(synth, {0x08, 0x05, 0x00}), defaults);
  synth.Receive(BuildXgSystemOn(UnitAt(0)).Bytes());
  EXPECT_EQ(DumpOf(synth, {0x08, 0x05, 0x00}), defaults);
  EXPECT_TRUE(DumpOf(synth, {0x08, 0x10, 0x00}).empty()) << "a 17th part";
  EXPECT_TRUE(DumpOf(synth, {0x00, 0x00, 0x01}).empty()) << "no dump starts inside the block";
  EXPECT_TRUE(DumpOf(synth, {0x08, 0x00, 0x29}).empty());
  EXPECT_TRUE(DumpOf(synth, {0x30, 92, 0x00}).empty()) << "note 92";
  EXPECT_TRUE(DumpOf(synth, {0x32, 40, 0x00}).empty()) << "a third drum setup";
  EXPECT_TRUE(DumpOf(synth, {0x10, 0x00, 0x00}).empty()) << "the A/D part is not kept";
  EXPECT_TRUE(ParameterOf(synth, {0x00, 0x00, 0x05}).empty()) << "the attenuator has no change";
  EXPECT_TRUE(ParameterOf(synth, {0x08, 0x00, 0x2A}).empty());
  EXPECT_TRUE(ParameterOf(synth, {0x02, 0x01, 0x0E}).empty());
  const auto qs300 = Bytes({0xF0, 0x43, 0x20, 0x4B, 0x00, 0x00, 0x00, 0xF7});
  EXPECT_FALSE(synth.Receive(qs300)) << "a request of another model";
  for (int note = 13; note <= 91; ++note) {
    const Message dump = DumpOf(synth, {0x31, static_cast<std::uint8_t>(note), 0x00});
    ASSERT_EQ(dump.size(), 27u) << note;
  }
  EXPECT_TRUE(DumpOf(synth, {0x31, 40, 0x01}).empty());
  EXPECT_EQ(ParameterOf(synth, {0x30, 40, 0x0F}).size(), 9u);
}

TEST(VirtualSynth, WithoutAUnitItAnswersTheUnitAskedAndSetToOneItIgnoresTheOthers) {
  VirtualSynth any;
  EXPECT_EQ(DumpOf(any, {0x00, 0x00, 0x00}, 7)[2], 0x07);
  EXPECT_EQ(ParameterOf(any, {0x00, 0x00, 0x04}, 7)[2], 0x17);
  VirtualSynth synth(UnitAt(2));
  EXPECT_TRUE(DumpOf(synth, {0x00, 0x00, 0x00}, 0).empty());
  EXPECT_EQ(DumpOf(synth, {0x00, 0x00, 0x00}, 2).size(), 18u);
  synth.Receive(SystemChange(0x04, {0x10}, 3));
  EXPECT_EQ(ParameterOf(synth, {0x00, 0x00, 0x04}, 2)[7], 0x7F) << "unit 3's change not taken";
  synth.Receive(SystemChange(0x04, {0x10}, 2));
  EXPECT_EQ(ParameterOf(synth, {0x00, 0x00, 0x04}, 2)[7], 0x10);
}

TEST(VirtualSynth, AProgramChangeBringsTheBankSelectedVoiceToThePartsOnItsChannel) {
  VirtualSynth synth;
  synth.Receive(Bytes({0xB3, 0x00, 0x00}));
  synth.Receive(Bytes({0xB3, 0x20, 0x08}));
  synth.Receive(Bytes({0xC3, 0x10}));
  synth.Receive(Bytes({0x93, 0x3C, 0x40}));
  const Message part = DumpOf(synth, {0x08, 0x03, 0x00});
  ASSERT_EQ(part.size(), 52u);
  EXPECT_EQ(part[9 + 0x01], 0x00);
  EXPECT_EQ(part[9 + 0x02], 0x08);
  EXPECT_EQ(part[9 + 0x03], 0x10);
  synth.Receive(Bytes({0xC9, 0x08}));
  EXPECT_EQ(DumpOf(synth, {0x08, 0x09, 0x00})[9 + 0x01], 0x7F)
      << "channel 10 stays on the drum bank without a bank select";
}

}  // namespace
}  // namespace ravlo::test
