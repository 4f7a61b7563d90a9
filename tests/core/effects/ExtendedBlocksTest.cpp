// The later instruments' blocks: the extended type list, the insertion
// effects, the multi EQ with its response, the display text, and how the
// model holds them with each instrument model.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "effects/EffectLookups.h"
#include "effects/ExtendedEffectTypes.h"
#include "effects/MultiEqParameters.h"
#include "intake/SysexIntake.h"
#include "messages/XgMessages.h"
#include "review/DefaultDifferences.h"
#include "review/ReviewText.h"
#include "shapes/EqResponse.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"

namespace ravlo::test {
namespace {

using ByteVector = std::vector<std::uint8_t>;

// A parameter change of unit 0, written out by hand.
ByteVector XgChangeOf(int high, int mid, int low, std::initializer_list<int> data) {
  return Join(Bytes({0xF0, 0x43, 0x10, 0x4C, high, mid, low}), Bytes(data), Bytes({0xF7}));
}

struct ExtendedBlocksTest : ModelFixture {
  ExtendedBlocksTest() { model.SetInstrument(InstrumentModel::Extended); }
  InsertionEffectModel& insertions() { return model.Insertions(); }
  ByteVector Dump(const XgMessage& message) {
    return {message.Bytes().begin(), message.Bytes().end()};
  }
};

TEST(ExtendedEffectTypes, OnePerNumberNoneATableTypeAndTheRealSongsTypesNamed) {
  ASSERT_EQ(ExtendedEffectTypes().size(), kExtendedEffectTypeCount);
  std::set<int> numbers;
  for (const ExtendedEffectType& type : ExtendedEffectTypes()) {
    EXPECT_TRUE(numbers.insert(type.msb * 128 + type.lsb).second) << type.name;
    for (EffectKind kind : {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation}) {
      if (type.RunsIn(kind)) {
        EXPECT_FALSE(FindEffectType(kind, type.msb, type.lsb)) << type.name;
      }
    }
  }
  const struct {
    EffectKind kind;
    int msb, lsb;
    const char* name;
  } kCases[] = {{EffectKind::Variation, 0x5E, 0x00, "Lo-Fi"},
                {EffectKind::Variation, 0x52, 0x01, "Touch Wah+Dist"},
                {EffectKind::Variation, 0x5D, 0x00, "Talking Modulation"},
                {EffectKind::Reverb, 0x01, 0x07, "Hall L"},
                {EffectKind::Chorus, 0x44, 0x00, "Symphonic"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const auto found = FindExtendedEffectType(c.kind, c.msb, c.lsb);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, c.name);
    // Each of them can also run in an insertion, under the same name.
    const auto listed = FindInsertionType(c.msb, c.lsb);
    ASSERT_TRUE(listed);
    EXPECT_EQ(InsertionTypeName(*listed), c.name);
  }
  EXPECT_FALSE(FindExtendedEffectType(EffectKind::Variation, 0x44, 0x00)) << "a table type";
  EXPECT_EQ(InsertionTypeName(0), "None");
  EXPECT_EQ(InsertionTypeName(InsertionTypeCount()), "----");
}

TEST_F(ExtendedBlocksTest, EachSetterSendsItsOneChangeAndStoresIt) {
  const std::array<std::uint8_t, 2> distortion{0x49, 0x00};
  const std::array<std::uint8_t, 2> delayLcr{0x05, 0x00};
  const struct {
    const char* name;
    std::function<bool()> edit;
    ByteVector sent;
  } kCases[] = {
      {"type", [&] { return insertions().SetType(0, distortion); }, XgChangeOf(3, 0, 0, {0x49, 0})},
      {"byte param", [&] { return insertions().SetParameter(0, 0, 100); },
       XgChangeOf(3, 0, 0x02, {0x64})},
      {"delay type", [&] { return insertions().SetType(2, delayLcr); },
       XgChangeOf(3, 2, 0, {5, 0})},
      {"pair param", [&] { return insertions().SetParameter(2, 0, 3000); },
       XgChangeOf(3, 2, 0x30, {0x17, 0x38})},
      {"param 13", [&] { return insertions().SetParameter(1, 12, 5); },
       XgChangeOf(3, 1, 0x22, {0x05})},
      {"part", [&] { return insertions().SetPart(3, 4); }, XgChangeOf(3, 3, 0x0C, {0x04})},
      {"depth", [&] { return insertions().SetDepth(0, 1, 70); }, XgChangeOf(3, 0, 0x0E, {0x46})},
      {"eq gain", [&] { return model.MultiEq().SetParameter(0x01, 0x46); },
       XgChangeOf(2, 0x40, 0x01, {0x46})},
      {"eq q clamped", [&] { return model.MultiEq().SetParameter(0x03, 200); },
       XgChangeOf(2, 0x40, 0x03, {0x78})},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    ClearSent();
    ASSERT_TRUE(c.edit());
    EXPECT_EQ(Sent(), c.sent);
  }
  EXPECT_EQ(insertions().TypeName(0), "Distortion");
  EXPECT_EQ(insertions().Value(0, 0), 100);
  EXPECT_EQ(insertions().Value(0, 5), kEffectParamUnused) << "Distortion leaves Param 6 out";
  EXPECT_EQ(insertions().Value(2, 0), 3000);
  EXPECT_EQ(insertions().Part(3), 4);
  EXPECT_EQ(model.MultiEq().Value(0x03), 0x78);
  EXPECT_FALSE(model.MultiEq().SetParameter(0x08, 1)) << "08 holds no parameter";
}

TEST_F(ExtendedBlocksTest, TheWindowsListTheLaterTypesAndDumpsAreTakenBackWhole) {
  EffectModel& effects = model.Effects();
  const std::vector<ExtendedEffectType> reverbs = effects.ExtendedTypes(EffectKind::Reverb);
  ASSERT_EQ(reverbs.size(), 7u);
  EXPECT_EQ(effects.ListedType(EffectKind::Reverb), 1);
  ClearSent();
  ASSERT_TRUE(effects.ChangeToListedType(EffectKind::Reverb, 12 + 1));  // Hall L
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x01, 0x07, 0xF7}));
  EXPECT_EQ(effects.TypeDisplayName(EffectKind::Reverb), "Hall L");
  EXPECT_EQ(effects.ListedType(EffectKind::Reverb), 13);
  EXPECT_FALSE(effects.ChangeToListedType(EffectKind::Reverb, 12 + 7));
  model.SetInstrument(InstrumentModel::Basic);
  EXPECT_TRUE(effects.ExtendedTypes(EffectKind::Variation).empty());
  EXPECT_FALSE(effects.ListedType(EffectKind::Reverb)) << "with Basic it is a type no list holds";

  // Dumps are byte-exact and taken back whole.
  model.SetInstrument(InstrumentModel::Extended);
  ASSERT_TRUE(insertions().SetType(0, {0x49, 0x00}));
  const std::vector<XgMessage> dumps = insertions().BlockDumps(0);
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_EQ(Dump(dumps[0]), Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x12, 0x03, 0x00, 0x00, 0x49,
                                   0x00, 0x28, 0x14, 0x48, 0x35, 0x30, 0x00, 0x2B, 0x4A, 0x0A,
                                   0x7F, 0x7F, 0x40, 0x40, 0x40, 0x40, 0x40, 0x7C, 0xF7}));
  EXPECT_EQ(Dump(dumps[1]), Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x06, 0x03, 0x00, 0x20, 0x78, 0x00,
                                   0x00, 0x00, 0x00, 0x00, 0x5F, 0xF7}));
  EXPECT_EQ(Dump(model.MultiEq().BulkDump()),
            Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x15, 0x02, 0x40, 0x00, 0x00, 0x40,
                   0x0C, 0x07, 0x00, 0x40, 0x1C, 0x07, 0x00, 0x40, 0x22, 0x07, 0x00,
                   0x40, 0x2E, 0x07, 0x00, 0x40, 0x34, 0x07, 0x00, 0x1A, 0xF7}));
  // A delay keeps Params 1..10 as pairs: a third dump, and a round trip.
  ASSERT_TRUE(insertions().SetType(1, {0x05, 0x00}));
  ASSERT_TRUE(insertions().SetParameter(1, 0, 7150));
  ASSERT_TRUE(insertions().SetPart(1, 2));
  const std::vector<XgMessage> delay = insertions().BlockDumps(1);
  ASSERT_EQ(delay.size(), 3u);
  EXPECT_EQ(*BulkAddress(delay[2].Bytes()), (XgAddress{0x03, 0x01, 0x30}));
  ModelRig other;
  other.model.SetInstrument(InstrumentModel::Extended);
  for (const XgMessage& dump : delay) {
    ASSERT_TRUE(
        other.model.Insertions().Store(1, dump[8], dump.Bytes().subspan(9, dump.Size() - 11)));
  }
  EXPECT_EQ(Dump(other.model.Insertions().BlockDumps(1)[2]), Dump(delay[2]));
  EXPECT_EQ(other.model.Insertions().Part(1), 2);
}

TEST_F(ExtendedBlocksTest, OnlyWhatDiffersGoesALaterTypeSendsWhatIsKnownAndTheDisplayIsOneChange) {
  EXPECT_TRUE(insertions().SendBlock(0, true, 0));
  EXPECT_TRUE(Sent().empty()) << "an insertion after a reset sends nothing";
  ASSERT_TRUE(insertions().SetType(0, {0x5E, 0x00}));  // Lo-Fi: no defaults known
  ASSERT_TRUE(insertions().SetParameter(0, 1, 9));
  EXPECT_FALSE(insertions().IsKnown(0, 0));
  ClearSent();
  ASSERT_TRUE(insertions().SendBlock(0, false, 0)) << "not every value known: no dumps";
  ByteVector expected = Join(XgChangeOf(3, 0, 0x00, {0x5E, 0x00}), XgChangeOf(3, 0, 0x03, {9}),
                             XgChangeOf(3, 0, 0x0C, {0x7F}));
  for (int low = 0x0D; low <= 0x11; ++low) expected = Join(expected, XgChangeOf(3, 0, low, {0x40}));
  EXPECT_EQ(Sent(), expected);

  // The display is thirty-two letters in one change.
  ClearSent();
  ASSERT_TRUE(model.DisplayText().SetText("Hello\x01"));
  EXPECT_EQ(Sent(), Join(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x06, 0, 0, 'H', 'e', 'l', 'l', 'o'}),
                         ByteVector(27, 0x20), Bytes({0xF7})))
      << "a letter outside the display's set is a blank";
  ASSERT_TRUE(model.DisplayText().StoreLetters(5, Bytes({'A', 'B'})));
  EXPECT_EQ(model.DisplayText().Text(), "HelloAB");
  ClearSent();
  model.DisplayText().ResetToDefaults();
  EXPECT_TRUE(model.DisplayText().Send(0));
  EXPECT_TRUE(Sent().empty()) << "a blank display is not sent";
}

TEST_F(ExtendedBlocksTest, TheModelHoldsTheLaterBlocksOnlyWhenExtended) {
  const struct {
    XgAddress address;
    bool extended;
  } kCases[] = {{{0x03, 0x00, 0x00}, true},  {{0x03, 0x03, 0x43}, true},
                {{0x03, 0x04, 0x00}, false}, {{0x03, 0x00, 0x12}, false},
                {{0x02, 0x40, 0x08}, true},  {{0x02, 0x40, 0x15}, false},
                {{0x06, 0x00, 0x1F}, true},  {{0x06, 0x00, 0x20}, false}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message()
                 << int(c.address.high) << ' ' << int(c.address.mid) << ' ' << int(c.address.low));
    EXPECT_EQ(model.KnowsAddress(c.address), c.extended);
    model.SetInstrument(InstrumentModel::Basic);
    EXPECT_FALSE(model.KnowsAddress(c.address));
    model.SetInstrument(InstrumentModel::Extended);
  }
  // A switch carries the values over: to extension parameters and back.
  ASSERT_TRUE(insertions().SetType(0, {0x49, 0x00}));
  ASSERT_TRUE(model.MultiEq().SetParameter(0x01, 0x46));
  model.SetInstrument(InstrumentModel::Basic);
  EXPECT_EQ(insertions().TypeNumber(0), (std::array<std::uint8_t, 2>{0, 0}));
  ASSERT_EQ(model.Extensions().Parameters().size(), 2u);
  EXPECT_EQ(model.Extensions().Parameters()[1].address, (XgAddress{0x03, 0x00, 0x00}));
  model.SetInstrument(InstrumentModel::Extended);
  EXPECT_TRUE(model.Extensions().Empty());
  EXPECT_EQ(insertions().TypeName(0), "Distortion");
  EXPECT_EQ(model.MultiEq().Value(0x01), 0x46);
}

TEST_F(ExtendedBlocksTest, FilesBringTheBlocksAndShowAndReviewNameThem) {
  RecordingProgress progress;
  CountingIntakeHost host;
  SysexIntake intake(model, prompts, progress, host);
  const ByteVector song =
      Join(XgChangeOf(3, 0, 0x00, {0x49, 0x00}), XgChangeOf(3, 0, 0x02, {0x64}),
           XgChangeOf(3, 0, 0x0C, {0x02}), XgChangeOf(2, 0x40, 0x01, {0x46}),
           XgChangeOf(6, 0, 0x00, {'H', 'i'}), XgChangeOf(2, 1, 0x40, {0x5E, 0x00}));
  ByteVector image = song;
  const IntakeResult taken = intake.TakeIn(image);
  EXPECT_EQ(taken.counts.recognisedMessages, 6u);
  EXPECT_TRUE(events.marks.IsRaised(RefreshMark::Insertion));
  EXPECT_TRUE(events.marks.IsRaised(RefreshMark::MultiEq));

  ModelRig pristine;
  pristine.model.SetInstrument(InstrumentModel::Extended);
  std::vector<std::string> lines;
  for (const Difference& d : ListDifferences(model, pristine.model))
    lines.push_back(DifferenceLine(d));
  const std::vector<std::string> expected = {
      "variation: Type = 12032 (Lo-Fi)", "insertion 1: Type = 9344 (Distortion)",
      "insertion 1: Drive = 100 (100)",  "insertion 1: Part = 2 (3)",
      "multi eq: Gain 1 = 70 (+6 dB)",   "display: Text = 2 (Hi)"};
  EXPECT_EQ(lines, expected);

  std::string text;
  BuildReviewText(model, song, text, progress);
  for (const char* line :
       {"Variation Type:\tLo-Fi\nInsertion 1 Type:\tDistortion\nInsertion 2 Type:\tNone",
        "Multi EQ Type:\tFlat\n", "Insert1\tDistortion\t\t( 49 )( 00 )h\n",
        "Insert1\tDrive\t100\t( 64 )h\n", "Insert1\tIns_Part\t2\t( 02 )h\n",
        "MultiEQ\tEQ_Gain1\t70\t( 46 )h\n", "Display\tLetters\tHi\n",
        "Variatn\tLo-Fi\t\t( 5E )( 00 )h\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

TEST(MultiEq, ParametersHoldThePublishedRangesAndTheResponseFollowsTheBands) {
  const struct {
    std::uint8_t low;
    int minimum, maximum;
  } kRanges[] = {{0x00, 0, 4},   {0x01, 0x34, 0x4C}, {0x02, 4, 40},  {0x03, 1, 120}, {0x06, 14, 54},
                 {0x0A, 14, 54}, {0x0E, 14, 54},     {0x12, 28, 58}, {0x14, 0, 1}};
  for (const auto& c : kRanges) {
    const ParameterDescriptor& parameter = kMultiEqParameters[c.low];
    EXPECT_EQ(parameter.minimum, c.minimum) << int(c.low);
    EXPECT_EQ(parameter.maximum, c.maximum) << int(c.low);
  }
  int parameters = 0;
  for (const ParameterDescriptor& parameter : kMultiEqParameters) {
    if (parameter.defaultValue == kNoParameter) continue;
    ++parameters;
    EXPECT_TRUE(parameter.InRange(parameter.defaultValue)) << parameter.reviewName;
  }
  EXPECT_EQ(parameters, 18);

  ByteVector bytes(kMultiEqSize);
  for (const ParameterDescriptor& p : kMultiEqParameters) {
    if (p.defaultValue != kNoParameter)
      bytes[p.address] = static_cast<std::uint8_t>(p.defaultValue);
  }
  const auto flat = EqResponse(MultiEqBands(bytes));
  ASSERT_EQ(flat.size(), 121u);
  EXPECT_DOUBLE_EQ(flat.front().x, 20.0);
  EXPECT_NEAR(flat.back().x, 20000.0, 1e-6);
  for (const CurvePoint& point : flat) EXPECT_NEAR(point.y, 0.0, 1e-9);
  bytes[0x09] = 0x4C;  // band 3: +12 dB at 1 kHz
  bytes[0x01] = 0x46;  // band 1: a +6 dB low shelf at 80 Hz
  const auto shaped = EqResponse(MultiEqBands(bytes), 301);
  const auto at = [&shaped](double hertz) {
    return std::min_element(shaped.begin(), shaped.end(),
                            [hertz](auto& a, auto& b) {
                              return std::abs(std::log(a.x / hertz)) <
                                     std::abs(std::log(b.x / hertz));
                            })
        ->y;
  };
  EXPECT_NEAR(at(1000), 12.0, 0.3);
  EXPECT_NEAR(at(20), 6.0, 0.5);
  EXPECT_NEAR(at(15000), 0.0, 0.3);
}

}  // namespace
}  // namespace ravlo::test
