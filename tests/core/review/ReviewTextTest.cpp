#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "effects/EffectLookups.h"
#include "messages/XgMessages.h"
#include "review/ReviewText.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"

namespace ravlo::test {
namespace {

using ByteVector = std::vector<std::uint8_t>;

ByteVector XgBulk(std::uint8_t high, std::uint8_t mid, std::uint8_t low, ByteVector data) {
  const XgMessage dump = BuildBulkDump(UnitAt(0), kXgModelId, {high, mid, low}, data);
  return {dump.Bytes().begin(), dump.Bytes().end()};
}

struct ReviewTextTest : ModelFixture {
  std::string Review(std::span<const std::uint8_t> bytes) {
    std::string text;
    EXPECT_TRUE(BuildReviewText(model, bytes, text, progress));
    return text;
  }
  std::string Describe(const ByteVector& message) { return DescribeMessage(model, message); }

  // The lines of a bulk description, which starts on a line of its own.
  std::vector<std::string> BulkLines(const ByteVector& message) {
    const std::string description = Describe(message);
    EXPECT_EQ(description.substr(0, 1), "\n");
    std::vector<std::string> lines;
    for (std::size_t start = 1, end; start < description.size(); start = end + 1) {
      end = std::min(description.find('\n', start), description.size());
      lines.push_back(description.substr(start, end - start));
    }
    return lines;
  }
  RecordingProgress progress;
};

TEST_F(ReviewTextTest, TheSummaryFollowsTheModelAndMessagesAreFoundAsTheIntakeFindsThem) {
  model.SetResetAdMixer(false);
  ASSERT_TRUE(model.BeginRecording());
  ASSERT_TRUE(model.SendReset());
  const std::span<const std::uint8_t> taken = model.TakeRecording();
  const ByteVector recorded(taken.begin(), taken.end());
  model.EndRecording();

  std::string text = "C:\\songs\\a.syx\n";
  ASSERT_TRUE(BuildReviewText(model, recorded, text, progress));
  std::string expected = "C:\\songs\\a.syx\n";
  for (int part = 1; part <= 16; ++part) {
    expected += "Part " + std::to_string(part) + "\t Channel " + std::to_string(part) + "\t " +
                (part == 10 ? "StndKit1" : "GrandPno") + "\n";
  }
  expected +=
      "\nReverb Type:\tHall 1\nChorus Type:\tChorus 1\nVariation Type:\tDelay LCR\n\n"
      "Drum Set 1:\tStndKit1\nDrum Set 2:\tStndKit1\n\n"
      "Total Bytes:\t9\n\n"
      "001 - 09 Bytes\tSystem\tXG_System_On\n";
  EXPECT_EQ(text, expected);
  EXPECT_EQ(progress.items, std::vector<std::string>{"Sysex Msg 1"});

  // The summary follows the model; messages are found as the intake finds them.
  ASSERT_TRUE(model.Parts().SwitchPartOff(PartAt(2)));
  ASSERT_TRUE(model.Parts().SetReceiveChannel(PartAt(4), ChannelAt(0x0B)));
  ASSERT_TRUE(model.Effects().ChangeType(EffectKind::Reverb, 3));
  ASSERT_TRUE(model.Effects().ChangeType(EffectKind::Variation, 45));
  const std::string summary = Review({});
  EXPECT_NE(summary.find("Part 3\t Channel Off\t GrandPno\n"), std::string::npos);
  EXPECT_NE(summary.find("Part 5\t Channel 12\t GrandPno\n"), std::string::npos);
  EXPECT_NE(summary.find("Reverb Type:\tRoom 1\n"), std::string::npos);
  EXPECT_NE(summary.find("Variation Type:\tThrough\n\n"), std::string::npos);
  EXPECT_TRUE(summary.ends_with("\n\nTotal Bytes:\t0\n\n"));

  const ByteVector bytes =
      Bytes({'x',  0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7F, 0x00, 0xF7, 'y',  0xF0, 0x7E, 0x7F,
             0x09, 0x01, 0xF7, 0xF0, 0xF7, 0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
  EXPECT_TRUE(
      Review(bytes).ends_with("Total Bytes:\t28\n\n"
                              "001 - 09 Bytes\tSystem\tReset_All\n"
                              "002 - 06 Bytes\tUniversal Non RT\tGen. MIDI\tOn\n"));
  EXPECT_EQ(progress.items,
            (std::vector<std::string>{"Sysex Msg 1", "Sysex Msg 1", "Sysex Msg 2"}));
}

TEST_F(ReviewTextTest, TheExtendedInstrumentsBlocksHaveTheirNames) {
  model.SetInstrument(InstrumentModel::Extended);
  ASSERT_TRUE(model.Drums().SetKitVoice(3, {127, 25, 0}));
  EXPECT_NE(
      Review({}).find("Drum Set 2:\tStndKit1\nDrum Set 3:\tStndKit1\nDrum Set 4:\tAnalog\n\n"),
      std::string::npos);
  const struct {
    ByteVector message;
    std::string description;
  } cases[] = {
      {SystemChange(0x7D, {3}), "System\tDrum4 Reset"},
      {SystemChange(0x05, {0x10}), "System\tAttenuator\t16\t( 10 )h"},
      {PartChange(2, 0x73, 0x46), "Part 3\tEQ_Treble_Gain\t70\t( 46 )h"},
      {Bytes({0xF0, 0x43, 0x10, 0x4C, 0x33, 36, 0x04, 0x10, 0xF7}),
       "4 BD Analog H\tInstrumnt_Pan\t16\t( 10 )h"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(Describe(c.message), c.description);
  }
  const XgMessage system = model.System().BulkDump();
  EXPECT_EQ(BulkLines(ByteVector(system.Bytes().begin(), system.Bytes().end()))[2],
            "System\tAttenuator\t0\t( 00 )h");
}

TEST_F(ReviewTextTest, ShortMessagesParameterChangesAndBulkDumpsOtherThanParameterLists) {
  const struct {
    std::initializer_list<int> message;
    const char* description;
  } cases[] = {
      // Universal messages; only their short forms are described.
      {{0xF0, 0x7E, 0x7F, 0x09, 0x02, 0xF7}, "Universal Non RT\tUnknown"},
      {{0xF0, 0x7F, 0x7F, 0x04, 0x01, 0x00, 0x64, 0xF7}, "Universal RT\tM. Volume\t100"},
      {{0xF0, 0x7F, 0x7F, 0x04, 0x01, 0xF7}, "Universal RT\tM. Volume\t"},
      {{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0x00, 0x00, 0x00, 0x00, 0xF7}, ""},
      {{0xF0, 0x41, 0x10, 0x42, 0x12, 0xF7}, ""},
      {{0xB0, 0x07}, ""},
      {{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x64, 0xF7}, "System\tVolume\t100\t( 64 )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0xF7},
       "System\tTune\t0\t( 00 )( 04 )( 00 )( 00 )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0xF7}, "System\t"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x06, 0x28, 0xF7}, "System\tTranspose\t-24\t( 28 )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7D, 0x01, 0xF7}, "System\tDrum2 Reset"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7D, 0x02, 0xF7}, "System\t"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x02, 0x00, 0xF7}, "System\tUnknown"},
      // The first level has no change of the attenuator: it is an extension.
      {{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x05, 0x00, 0xF7}, "Extension\t00 00 05\t0\t( 00 )h"},
      // Other models and messages that are no XG parameter change.
      {{0xF0, 0x43, 0x10, 0x49, 0x01, 0x00, 0x00, 0x00, 0xF7}, "Bulk A/D System"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x10, 0x01, 0x05, 0x00, 0xF7}, "Bulk A/D Part"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x09, 0x08, 0x00, 0xF7},
       "Part 1\tPart_Detune\t0\t( 08 )( 00 )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x0F, 0x09, 0x00, 0x01, 0xF7},
       "Part 16\tPart_Detune\t-127\t( 00 )( 01 )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x09, 0x08, 0xF7}, "Part 1\tPart_Detune"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0B, 0x50, 0xF7}, "Part 3\tPart_Volume \t80\t( 50 )h"},
      // Addresses no block holds are extension parameters, named by their address.
      {{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x10, 0x0B, 0x50, 0xF7}, "Extension\t08 10 0B\t80\t( 50 )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x06, 0x00, 0x00, 0x48, 0x69, 0xF7},
       "Extension\t06 00 00\t\t( 48 )( 69 )h"},
      // Effects ("Delay LCR" is the Variation type after a reset).
      {{0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x02, 0x00, 0xF7},
       "Reverb\tRoom 1\t\t( 02 )( 00 )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x7F, 0x7F, 0xF7},
       "Reverb\tUnknown\t\t( 7F )( 7F )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x02, 0x1E, 0xF7}, "Reverb\tRev_Time\t30\t( 1E )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x33, 0x05, 0xF7}, "Chorus\tLFOPhzDf\t5\t( 05 )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x1A, 0x02, 0xF7},
       "Variatn\tLChnDelay\t3330\t( 1A )( 02 )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x43, 0x01, 0xF7}, "Variatn\t"},
      // Drums, named in the setup's kit.
      {{0xF0, 0x43, 0x10, 0x4C, 0x31, 0x24, 0x02, 0x64, 0xF7},
       "2 BassDrum H\tVolume_Level\t100\t( 64 )h"},
      {{0xF0, 0x43, 0x10, 0x4C, 0x30, 0x05, 0x10, 0x40, 0xF7}, "Extension\t30 05 10\t64\t( 40 )h"},
      // Read-back requests name their kind and address.
      {{0xF0, 0x43, 0x20, 0x4C, 0x08, 0x02, 0x30, 0xF7}, "Dump Request\t08 02 30"},
      {{0xF0, 0x43, 0x35, 0x4C, 0x31, 0x24, 0x0B, 0xF7}, "Parameter Request\t31 24 0B"},
  };
  for (const auto& c : cases) {
    const ByteVector message = Bytes(c.message);
    EXPECT_EQ(Describe(message), c.description) << ::testing::PrintToString(message);
  }
  // The amp type parameter is named by its current value.
  const std::size_t ampSimulator = *FindEffectType(EffectKind::Variation, 75, 0);
  ASSERT_TRUE(model.Effects().ChangeType(EffectKind::Variation, static_cast<int>(ampSimulator)));
  ASSERT_TRUE(model.Effects().SetEffectParameter(EffectKind::Variation, 2, 2));
  EXPECT_EQ(Describe(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x44, 0x00, 0x03, 0xF7})),
            "Variatn\tComboType\t3\t( 00 )( 03 )h");
  // A type the tables lack: its parameters by number.
  ASSERT_TRUE(model.Effects().StoreEffectParameter(EffectChange(0x40, {0x5E, 0x00})));
  EXPECT_EQ(Describe(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x44, 0x0D, 0x03, 0xF7})),
            "Variatn\tParameter 2\t1667\t( 0D )( 03 )h");

  // Bulk dumps other than parameter lists.
  ByteVector longer = XgBulk(0, 0, 0, {0x00, 0x04, 0x00, 0x00, 0x7F, 0x00, 0x40});
  longer.insert(longer.end() - 1, 0x00);
  const XgMessage mixer = BuildMixerBulk(UnitAt(0));
  const XgMessage voice =
      BuildBulkDump(UnitAt(0), kQs300ModelId, {0x11, 0x00, 0x00}, ByteVector(61));
  const std::pair<ByteVector, const char*> bulks[] = {
      {longer, "Wrong data size in bulk dump"},
      {{mixer.Bytes().begin(), mixer.Bytes().end()}, "Bulk Mixer"},
      {{voice.Bytes().begin(), voice.Bytes().end()}, "Bulk User Voice"},
      {XgBulk(0x11, 0x00, 0x00, {0}), "Bulk A/D System"},
      {XgBulk(0x05, 0x00, 0x00, {0}), "Process Bulk Dump Failed"},
      {XgBulk(0x02, 0x01, 0x50, {0}), "Process Bulk Effect Msg Failed"},
      {XgBulk(0x02, 0x01, 0x00, ByteVector(13)), "Wrong Reverb Data Size"},
      {XgBulk(0x02, 0x01, 0x30, ByteVector(7)), "Wrong Chorus Data Size"},
      {XgBulk(0x02, 0x01, 0x40, ByteVector(32)), "Wrong Variation Data Size"},
      {XgBulk(0x08, 0x00, 0x00, ByteVector(40)), "Wrong Part Data Size"},
      {XgBulk(0x30, 0x24, 0x00, ByteVector(15)), "Process Bulk Dump Failed"},
      {XgBulk(0, 0, 0, {0x00, 0x04, 0x00, 0x00, 0x7F, 0x33, 0x40}),
       "\nSystem\tTune\t0\t( 00 )( 04 )( 00 )( 00 )h\nSystem\tVolume\t127\t( 7F )h\n"
       "System\tTranspose\t0\t( 40 )h\n"},  // no attenuator line
      {XgBulk(0, 0, 0, {0x00, 0x04, 0x00, 0x00, 0x7F}),
       "\nSystem\tTune\t0\t( 00 )( 04 )( 00 )( 00 )h\nSystem\tVolume\t127\t( 7F )h\nSystem\t"},
  };
  for (const auto& [message, description] : bulks)
    EXPECT_EQ(Describe(message), description) << ::testing::PrintToString(message);
}

TEST_F(ReviewTextTest, ParameterBulksListEveryParameter) {
  const auto reverb =
      BulkLines(XgBulk(0x02, 0x01, 0x00, {1, 0, 0x12, 10, 8, 13, 49, 0, 0, 0, 0, 40, 64, 64}));
  ASSERT_EQ(reverb.size(), 13u) << "the type takes two bytes";
  EXPECT_EQ(reverb.front(), "Reverb\tHall 1\t\t( 01 )( 00 )h");
  EXPECT_EQ(reverb.back(), "Reverb\tRev_Pan\t64\t( 40 )h");

  ByteVector variationData(33);
  variationData[0] = 0x05;
  const auto variation = BulkLines(XgBulk(0x02, 0x01, 0x40, variationData));
  ASSERT_EQ(variation.size(), 22u) << "type, ten two-byte parameters, eleven settings";
  EXPECT_EQ(variation[0], "Variatn\tDelay LCR\t\t( 05 )( 00 )h");
  EXPECT_EQ(variation.back(), "Variatn\tAC2_Depth\t0\t( 00 )h");

  ByteVector partData(41, 0x40);
  partData[9] = 0x08;
  partData[10] = 0x00;
  const auto part = BulkLines(XgBulk(0x08, 0x04, 0x00, partData));
  ASSERT_EQ(part.size(), 40u) << "Detune takes two bytes";
  EXPECT_EQ(part[9], "Part 5\tPart_Detune\t0\t( 08 )( 00 )h");
  EXPECT_EQ(part.back(), "Part 5\tBendLFO_Amp\t64\t( 40 )h");
  // The count, not the address, says which half a part dump holds.
  const auto partTail = BulkLines(XgBulk(0x08, 0x0F, 0x00, ByteVector(63, 1)));
  ASSERT_EQ(partTail.size(), 63u);
  EXPECT_EQ(partTail.back(), "Part 16\tVeloc_LimitHi\t1\t( 01 )h");

  const auto drum = BulkLines(XgBulk(0x31, 0x24, 0x00, ByteVector(16, 0x40)));
  ASSERT_EQ(drum.size(), 16u);
  EXPECT_EQ(drum.front(), "2 BassDrum H\tPitch_Coarse\t64\t( 40 )h");
  EXPECT_EQ(drum.back(), "2 BassDrum H\tEG_Decay2\t64\t( 40 )h");
}

// Every cut of each form, and every byte value in its first positions, stays in bounds.
TEST_F(ReviewTextTest, TruncatedAndCorruptMessagesAreDescribedSafely) {
  const std::vector<ByteVector> messages = {
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0xF7}),
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x09, 0x08, 0x00, 0xF7}),
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x1A, 0x02, 0xF7}),
      Bytes({0xF0, 0x7F, 0x7F, 0x04, 0x01, 0x00, 0x64, 0xF7}),
      XgBulk(0, 0, 0, {0x00, 0x04, 0x00, 0x00, 0x7F, 0x00, 0x40}),
      XgBulk(0x02, 0x01, 0x40, ByteVector(33)),
      XgBulk(0x08, 0x00, 0x00, ByteVector(41)),
      XgBulk(0x30, 0x24, 0x00, ByteVector(16)),
  };
  for (const ByteVector& message : messages) {
    for (std::size_t length = 1; length < message.size(); ++length) {
      ByteVector cut(message.begin(), message.begin() + static_cast<std::ptrdiff_t>(length));
      cut.push_back(0xF7);
      EXPECT_NE(Review(cut).find("Total Bytes:"), std::string::npos);
    }
    for (std::size_t position = 1; position + 1 < message.size() && position < 12; ++position) {
      for (int value = 0; value < 0xF7; ++value) {
        ByteVector corrupt = message;
        corrupt[position] = static_cast<std::uint8_t>(value);
        Describe(corrupt);
      }
    }
  }
}

}  // namespace
}  // namespace ravlo::test
