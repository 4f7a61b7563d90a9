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

// Builds the data bytes of a bulk dump written as hex literals.
XgMessage XgBulk(XgAddress address, std::initializer_list<int> data) {
  const ByteVector bytes = Bytes(data);
  return BuildBulkDump(0, kXgModelId, address, bytes);
}

ByteVector Filled(std::size_t count, std::uint8_t value) {
  return ByteVector(count, value);
}

ByteVector ToVector(std::span<const std::uint8_t> bytes) {
  return {bytes.begin(), bytes.end()};
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

class ReviewTextTest : public ModelFixture {
 protected:
  std::string Review(std::span<const std::uint8_t> bytes) {
    std::string text;
    EXPECT_TRUE(BuildReviewText(model, bytes, text, progress));
    return text;
  }

  // The text after the summary and the total.
  std::string Messages(std::span<const std::uint8_t> bytes) {
    const std::string text = Review(bytes);
    const std::size_t total = text.find("Total Bytes:\t");
    EXPECT_NE(total, std::string::npos);
    return text.substr(text.find("\n\n", total) + 2);
  }

  // The description of one message, without its number, length and "\n".
  std::string Describe(std::span<const std::uint8_t> message) {
    const std::string lines = Messages(message);
    const std::size_t tab = lines.find('\t');
    if (tab == std::string::npos || lines.back() != '\n') return "<no message line>";
    return lines.substr(tab + 1, lines.size() - tab - 2);
  }
  std::string Describe(std::initializer_list<int> message) { return Describe(Bytes(message)); }
  std::string Describe(const XgMessage& message) { return Describe(message.Bytes()); }

  // The lines of a bulk description (which starts with "\n").
  std::vector<std::string> BulkLines(const XgMessage& message) {
    const std::string description = Describe(message);
    EXPECT_EQ(description.substr(0, 1), "\n");
    return SplitLines(description.substr(1));
  }

  RecordingProgress progress;
};

TEST_F(ReviewTextTest, ResetOnlyGivesTheSummaryTheTotalAndOneLine) {
  model.SetResetAdMixer(false);
  ASSERT_TRUE(model.BeginRecording());
  ASSERT_TRUE(model.SendReset());
  const ByteVector recorded = ToVector(model.TakeRecording());
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
}

TEST_F(ReviewTextTest, SummaryFollowsTheModel) {
  ASSERT_TRUE(model.Parts().PutPartByte(2, 0x04, kPartOff));
  ASSERT_TRUE(model.Parts().PutPartByte(4, 0x04, 0x0B));
  ASSERT_TRUE(model.Effects().SetType(EffectKind::Reverb, 3));
  ASSERT_TRUE(model.Effects().SetType(EffectKind::Variation, 45));

  const std::string text = Review({});
  EXPECT_NE(text.find("Part 3\t Channel Off\t GrandPno\n"), std::string::npos);
  EXPECT_NE(text.find("Part 5\t Channel 12\t GrandPno\n"), std::string::npos);
  EXPECT_NE(text.find("Reverb Type:\tRoom 1\n"), std::string::npos);
  EXPECT_NE(text.find("Variation Type:\tThrough\n\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\n\nTotal Bytes:\t0\n\n"));
  EXPECT_TRUE(progress.items.empty());
}

TEST_F(ReviewTextTest, MessagesAreFoundAsTheIntakeFindsThemAndNumbered) {
  const ByteVector bytes =
      Bytes({'x',  0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7F, 0x00, 0xF7, 'y',  0xF0, 0x7E, 0x7F,
             0x09, 0x01, 0xF7, 0xF0, 0xF7, 0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
  EXPECT_EQ(Messages(bytes),
            "001 - 09 Bytes\tSystem\tReset_All\n"
            "002 - 06 Bytes\tUniversal Non RT\tGen. MIDI\tOn\n");
  EXPECT_EQ(progress.items, (std::vector<std::string>{"Sysex Msg 1", "Sysex Msg 2"}));
  EXPECT_NE(Review(bytes).find("Total Bytes:\t28\n\n"), std::string::npos);
}

TEST_F(ReviewTextTest, UniversalMessages) {
  EXPECT_EQ(Describe({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}), "Universal Non RT\tGen. MIDI\tOn");
  EXPECT_EQ(Describe({0xF0, 0x7E, 0x7F, 0x09, 0x02, 0xF7}), "Universal Non RT\tUnknown");
  EXPECT_EQ(Describe({0xF0, 0x7F, 0x7F, 0x04, 0x01, 0x00, 0x64, 0xF7}),
            "Universal RT\tM. Volume\t100");
  EXPECT_EQ(Describe({0xF0, 0x7F, 0x7F, 0x04, 0x02, 0x00, 0x64, 0xF7}), "Universal RT\tUnknown");
  // Ends before the volume byte: what can be said is said.
  EXPECT_EQ(Describe({0xF0, 0x7F, 0x7F, 0x04, 0x01, 0xF7}), "Universal RT\tM. Volume\t");
  EXPECT_EQ(Describe({0xF0, 0x41, 0x10, 0x42, 0x12, 0xF7}), "");
  EXPECT_EQ(Describe({0xF0, 0x7E, 0x7F, 0x09, 0xF7}), "") << "shorter than 6 bytes";
  EXPECT_EQ(Describe({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0x00, 0x00, 0x00, 0x00, 0xF7}), "")
      << "a universal message of 9 bytes or more is not described";
}

TEST_F(ReviewTextTest, SystemParameterChanges) {
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x64, 0xF7}),
            "System\tVolume\t100\t( 64 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0xF7}),
            "System\tTune\t0\t( 00 )( 04 )( 00 )( 00 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF7}),
            "System\tTune\t-1024\t( 00 )( 00 )( 00 )( 00 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0xF7}),
            "System\t")
      << "a tune needs four data bytes";
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x06, 0x28, 0xF7}),
            "System\tTranspose\t-24\t( 28 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7D, 0x00, 0xF7}),
            "System\tDrum1 Reset");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7D, 0x01, 0xF7}),
            "System\tDrum2 Reset");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7D, 0x02, 0xF7}), "System\t");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x05, 0x00, 0xF7}), "System\tUnknown");
  EXPECT_EQ(Describe(BuildAllParameterReset(3)), "System\tReset_All");
}

TEST_F(ReviewTextTest, OtherModelsAndForeignMessages) {
  EXPECT_EQ(Describe(BuildAdSystemMessage1(0)), "Bulk A/D System");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x7A, 0x00, 0x00, 0x00, 0x00, 0xF7}), "Bulk Mixer");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x00, 0x00, 0xF7}), "");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x10, 0x01, 0x05, 0x00, 0xF7}), "Bulk A/D Part");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x11, 0x00, 0x05, 0x00, 0xF7}), "Bulk A/D System");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x20, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}), "")
      << "neither bulk dump nor parameter change";
  EXPECT_EQ(Describe({0xF0, 0x44, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}), "");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4D, 0x00, 0x00, 0x7E, 0x00, 0xF7}), "");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x05, 0x00, 0x00, 0x00, 0xF7}), "");
}

TEST_F(ReviewTextTest, PartParameterChanges) {
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x09, 0x08, 0x00, 0xF7}),
            "Part 1\tPart_Detune\t0\t( 08 )( 00 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x0F, 0x09, 0x00, 0x01, 0xF7}),
            "Part 16\tPart_Detune\t-127\t( 00 )( 01 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x09, 0x08, 0xF7}), "Part 1\tPart_Detune")
      << "the detune needs its second data byte";
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0B, 0x50, 0xF7}),
            "Part 3\tPart_Volume \t80\t( 50 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x2B, 0x50, 0xF7}),
            "Part 3\t\t80\t( 50 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x10, 0x0B, 0x50, 0xF7}), "");
}

TEST_F(ReviewTextTest, EffectParameterChanges) {
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x02, 0x00, 0xF7}),
            "Reverb\tRoom 1\t\t( 02 )( 00 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x7F, 0x7F, 0xF7}),
            "Reverb\tUnknown\t\t( 7F )( 7F )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x02, 0xF7}), "Reverb\t");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x02, 0x1E, 0xF7}),
            "Reverb\tRev_Time\t30\t( 1E )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x0E, 0x1E, 0xF7}), "Reverb\t");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x20, 0x43, 0x08, 0xF7}),
            "Chorus\tFlanger 3\t\t( 43 )( 08 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x33, 0x05, 0xF7}),
            "Chorus\tLFOPhzDf\t5\t( 05 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x40, 0x05, 0x00, 0xF7}),
            "Variatn\tDelay LCR\t\t( 05 )( 00 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x5A, 0x01, 0xF7}),
            "Variatn\tConnection\t1\t( 01 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x43, 0x01, 0xF7}), "Variatn\t");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x80, 0x01, 0xF7}), "");
}

TEST_F(ReviewTextTest, VariationParametersAreNamedByTheCurrentType) {
  // "Delay LCR" is current after a reset.
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x1A, 0x02, 0xF7}),
            "Variatn\tLChnDelay\t3330\t( 1A )( 02 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x50, 0x00, 0x00, 0xF7}),
            "Variatn\t*Unused*\t0\t( 00 )( 00 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x72, 0x1C, 0xF7}),
            "Variatn\tEQLoFreq\t28\t( 1C )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x1A, 0xF7}), "Variatn\tLChnDelay");

  const std::size_t ampSimulator = *FindEffectType(EffectKind::Variation, 75, 0);
  ASSERT_TRUE(model.Effects().SetType(EffectKind::Variation, static_cast<int>(ampSimulator)));
  EffectRow row = *model.Effects().GetEffectRow(EffectKind::Variation, ampSimulator);
  row.Values()[1] = 2;
  ASSERT_TRUE(model.Effects().PutEffectRow(EffectKind::Variation, ampSimulator, row));
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x44, 0x00, 0x03, 0xF7}),
            "Variatn\tComboType\t3\t( 00 )( 03 )h");
}

TEST_F(ReviewTextTest, DrumParameterChanges) {
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x02, 0x64, 0xF7}),
            "1 BassDrum H\tVolume_Level\t100\t( 64 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x24, 0x0F, 0x40, 0xF7}),
            "2 BassDrum H\tEG_Decay2\t64\t( 40 )h");
  EXPECT_EQ(Describe({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x05, 0x10, 0x40, 0xF7}),
            "1 ----\t\t64\t( 40 )h");
}

TEST_F(ReviewTextTest, SystemBulkExpandsIntoThreeLinesWithoutTheAttenuator) {
  const XgMessage dump = XgBulk({0, 0, 0}, {0x00, 0x04, 0x00, 0x00, 0x7F, 0x33, 0x40});
  EXPECT_EQ(Describe(dump),
            "\nSystem\tTune\t0\t( 00 )( 04 )( 00 )( 00 )h\n"
            "System\tVolume\t127\t( 7F )h\n"
            "System\tTranspose\t0\t( 40 )h\n");
  // A short dump stops where its data end.
  EXPECT_EQ(Describe(XgBulk({0, 0, 0}, {0x00, 0x04, 0x00, 0x00, 0x7F})),
            "\nSystem\tTune\t0\t( 00 )( 04 )( 00 )( 00 )h\nSystem\tVolume\t127\t( 7F )h\nSystem\t");
}

TEST_F(ReviewTextTest, BulkLengthMustMatchItsCount) {
  ByteVector dump = ToVector(XgBulk({0, 0, 0}, {0x00, 0x04, 0x00, 0x00, 0x7F, 0x00, 0x40}).Bytes());
  dump.insert(dump.end() - 1, 0x00);
  EXPECT_EQ(Describe(dump), "Wrong data size in bulk dump");
  EXPECT_EQ(Describe(BuildMixerBulk(0)), "Bulk Mixer");
  EXPECT_EQ(Describe(BuildBulkDump(0, kQs300ModelId, {0x11, 0x00, 0x00}, Filled(61, 0))),
            "Bulk User Voice");
  EXPECT_EQ(Describe(BuildBulkDump(0, kAdModelId, {0x00, 0x00, 0x00}, Filled(2, 0))),
            "Bulk A/D System");
  EXPECT_EQ(Describe(XgBulk({0x10, 0x01, 0x00}, {0x00})), "Bulk A/D Part");
  EXPECT_EQ(Describe(XgBulk({0x11, 0x00, 0x00}, {0x00})), "Bulk A/D System");
  EXPECT_EQ(Describe(XgBulk({0x05, 0x00, 0x00}, {0x00})), "Process Bulk Dump Failed");
  EXPECT_EQ(Describe(XgBulk({0x02, 0x01, 0x50}, {0x00})), "Process Bulk Effect Msg Failed");
}

TEST_F(ReviewTextTest, EffectBulksListEveryParameter) {
  const auto reverb = BulkLines(XgBulk({0x02, 0x01, 0x00}, {0x01, 0x00, 0x12, 0x0A, 0x08, 0x0D,
                                                            0x31, 0, 0, 0, 0, 0x28, 0x40, 0x40}));
  ASSERT_EQ(reverb.size(), 13u);
  EXPECT_EQ(reverb.front(), "Reverb\tHall 1\t\t( 01 )( 00 )h");
  EXPECT_EQ(reverb[1], "Reverb\tRev_Time\t18\t( 12 )h");
  EXPECT_EQ(reverb.back(), "Reverb\tRev_Pan\t64\t( 40 )h");

  const auto reverbTail = BulkLines(XgBulk({0x02, 0x01, 0x10}, {0, 3, 0x34, 0, 0x40, 0}));
  ASSERT_EQ(reverbTail.size(), 6u);
  EXPECT_EQ(reverbTail.front(), "Reverb\tRev_Delay\t0\t( 00 )h");
  EXPECT_EQ(reverbTail.back(), "Reverb\tUnused_2\t0\t( 00 )h");

  EXPECT_EQ(Describe(BuildBulkDump(0, kXgModelId, {0x02, 0x01, 0x00}, Filled(13, 0))),
            "Wrong Reverb Data Size");
  EXPECT_EQ(Describe(BuildBulkDump(0, kXgModelId, {0x02, 0x01, 0x10}, Filled(14, 0))),
            "Wrong Reverb Data Size");

  const auto chorus = BulkLines(
      XgBulk({0x02, 0x01, 0x20}, {0x41, 0x00, 6, 54, 77, 106, 0, 28, 64, 46, 64, 64, 64, 64, 0}));
  ASSERT_EQ(chorus.size(), 14u);
  EXPECT_EQ(chorus.front(), "Chorus\tChorus 1\t\t( 41 )( 00 )h");
  EXPECT_EQ(chorus.back(), "Chorus\tTo_Reverb\t0\t( 00 )h");
  EXPECT_EQ(Describe(BuildBulkDump(0, kXgModelId, {0x02, 0x01, 0x30}, Filled(7, 0))),
            "Wrong Chorus Data Size");

  ByteVector variationData = Filled(33, 0);
  variationData[0] = 0x05;
  variationData[2] = 0x1A;
  variationData[3] = 0x02;
  const auto variation = BulkLines(BuildBulkDump(0, kXgModelId, {0x02, 0x01, 0x40}, variationData));
  ASSERT_EQ(variation.size(), 22u);
  EXPECT_EQ(variation[0], "Variatn\tDelay LCR\t\t( 05 )( 00 )h");
  EXPECT_EQ(variation[1], "Variatn\tLChnDelay\t3330\t( 1A )( 02 )h");
  EXPECT_EQ(variation[10], "Variatn\tDry-Wet\t0\t( 00 )( 00 )h");
  EXPECT_EQ(variation[11], "Variatn\tReturnLvl\t0\t( 00 )h");
  EXPECT_EQ(variation.back(), "Variatn\tAC2_Depth\t0\t( 00 )h");
  const auto variationTail =
      BulkLines(BuildBulkDump(0, kXgModelId, {0x02, 0x01, 0x70}, Filled(6, 1)));
  ASSERT_EQ(variationTail.size(), 6u);
  EXPECT_EQ(variationTail.front(), "Variatn\t*Unused*\t1\t( 01 )h");
  EXPECT_EQ(variationTail.back(), "Variatn\tEQHiGain\t1\t( 01 )h");
  EXPECT_EQ(Describe(BuildBulkDump(0, kXgModelId, {0x02, 0x01, 0x40}, Filled(32, 0))),
            "Wrong Variation Data Size");
}

TEST_F(ReviewTextTest, PartBulksAreReadByTheirCount) {
  ByteVector first = Filled(41, 0x40);
  first[9] = 0x08;
  first[10] = 0x00;
  const auto lines = BulkLines(BuildBulkDump(0, kXgModelId, {0x08, 0x04, 0x00}, first));
  ASSERT_EQ(lines.size(), 40u) << "Detune takes two bytes";
  EXPECT_EQ(lines.front(), "Part 5\tElmtReserve\t64\t( 40 )h");
  EXPECT_EQ(lines[9], "Part 5\tPart_Detune\t0\t( 08 )( 00 )h");
  EXPECT_EQ(lines[10], "Part 5\tPart_Volume \t64\t( 40 )h");
  EXPECT_EQ(lines.back(), "Part 5\tBendLFO_Amp\t64\t( 40 )h");

  // The count, not the address, says which half a dump holds.
  const auto second = BulkLines(BuildBulkDump(0, kXgModelId, {0x08, 0x0F, 0x00}, Filled(63, 1)));
  ASSERT_EQ(second.size(), 63u);
  EXPECT_EQ(second.front(), "Part 16\tRcv_Pitch_Bend\t1\t( 01 )h");
  EXPECT_EQ(second.back(), "Part 16\tVeloc_LimitHi\t1\t( 01 )h");

  EXPECT_EQ(Describe(BuildBulkDump(0, kXgModelId, {0x08, 0x00, 0x00}, Filled(40, 0))),
            "Wrong Part Data Size");
  EXPECT_EQ(Describe(BuildBulkDump(0, kXgModelId, {0x08, 0x10, 0x00}, Filled(41, 0))),
            "Process Bulk Dump Failed");
}

TEST_F(ReviewTextTest, DrumBulkListsSixteenParameters) {
  const auto lines = BulkLines(BuildBulkDump(0, kXgModelId, {0x31, 0x24, 0x00}, Filled(16, 0x40)));
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines.front(), "2 BassDrum H\tPitch_Coarse\t64\t( 40 )h");
  EXPECT_EQ(lines.back(), "2 BassDrum H\tEG_Decay2\t64\t( 40 )h");

  EXPECT_EQ(Describe(BuildBulkDump(0, kXgModelId, {0x30, 0x5C, 0x00}, Filled(16, 0))),
            "Process Bulk Dump Failed")
      << "note 92";
  EXPECT_EQ(Describe(BuildBulkDump(0, kXgModelId, {0x30, 0x24, 0x00}, Filled(15, 0))),
            "Process Bulk Dump Failed");
  EXPECT_EQ(Describe(BuildBulkDump(0, kXgModelId, {0x32, 0x24, 0x00}, Filled(16, 0))),
            "Process Bulk Dump Failed");
}

TEST_F(ReviewTextTest, ModelRecordingsAreDescribedLineByLine) {
  ASSERT_TRUE(model.BeginRecording());
  ASSERT_TRUE(model.Effects().SendEffectBlock(EffectKind::Reverb, 1, false, 0));
  const ByteVector recorded = ToVector(model.TakeRecording());
  model.EndRecording();

  const auto lines = SplitLines(Messages(recorded));
  ASSERT_EQ(lines.size(), 2u + 13 + 1 + 6 + 1);
  EXPECT_EQ(lines[0], "001 - 25 Bytes\t");
  EXPECT_EQ(lines[1], "Reverb\tHall 1\t\t( 01 )( 00 )h");
  EXPECT_EQ(lines[15], "002 - 17 Bytes\t");
}

// Every cut of every message form, and every byte value in every position of
// a few, is described without reading past the message.
TEST_F(ReviewTextTest, TruncatedAndCorruptMessagesAreDescribedSafely) {
  std::vector<ByteVector> messages = {
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0xF7}),
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x09, 0x08, 0x00, 0xF7}),
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x1A, 0x02, 0xF7}),
      Bytes({0xF0, 0x7F, 0x7F, 0x04, 0x01, 0x00, 0x64, 0xF7}),
      ToVector(XgBulk({0, 0, 0}, {0x00, 0x04, 0x00, 0x00, 0x7F, 0x00, 0x40}).Bytes()),
      ToVector(BuildBulkDump(0, kXgModelId, {0x02, 0x01, 0x40}, Filled(33, 0)).Bytes()),
      ToVector(BuildBulkDump(0, kXgModelId, {0x08, 0x00, 0x00}, Filled(41, 0)).Bytes()),
      ToVector(BuildBulkDump(0, kXgModelId, {0x30, 0x24, 0x00}, Filled(16, 0)).Bytes()),
  };
  std::size_t described = 0;
  for (const ByteVector& message : messages) {
    for (std::size_t length = 1; length < message.size(); ++length) {
      ByteVector cut(message.begin(), message.begin() + static_cast<std::ptrdiff_t>(length));
      cut.push_back(0xF7);
      described += Review(cut).size();
    }
    for (std::size_t position = 1; position + 1 < message.size() && position < 12; ++position) {
      for (int value = 0; value < 0xF7; ++value) {
        ByteVector corrupt = message;
        corrupt[position] = static_cast<std::uint8_t>(value);
        described += Review(corrupt).size();
      }
    }
  }
  EXPECT_GT(described, 0u);
}

}  // namespace
}  // namespace ravlo::test
