#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "effects/EffectAddresses.h"
#include "effects/EffectLookups.h"
#include "effects/EffectModel.h"
#include "messages/XgMessages.h"
#include "midi/MidiResult.h"
#include "support/ModelFixture.h"

namespace ravlo::test {
namespace {

using ByteVector = std::vector<std::uint8_t>;
using Messages = std::vector<ByteVector>;

class EffectModelTest : public ModelFixture {
 protected:
  EffectModel& effects() { return model.Effects(); }
  bool Store(int low, std::initializer_list<int> data) {
    return effects().StoreEffectParameter(EffectChange(low, data));
  }
  static ByteVector Dump(std::uint8_t low, const ByteVector& data) {
    const XgMessage message =
        BuildBulkDump(UnitNumber::FromValue(0), kXgModelId, {0x02, 0x01, low}, data);
    return {message.Bytes().begin(), message.Bytes().end()};
  }
  bool StoreBulk(std::uint8_t low, const ByteVector& data) {
    return effects().StoreEffectBulk(Dump(low, data));
  }
  // The block runs `type` with its defaults, as a received type change leaves it.
  void Select(EffectKind kind, std::size_t type) {
    const auto number = EffectTypeNumber(kind, type);
    ASSERT_TRUE(Store(EffectTypeAddress(kind), {number[0], number[1]}));
  }
};

TEST_F(EffectModelTest, SendEffectBlockSendsWhatDiffersOrTwoDumps) {
  // All: two bulk dumps with the pause between them.
  Select(EffectKind::Reverb, 0);
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, false, 7));
  EXPECT_EQ(Sent(), Join(Dump(0x00, ByteVector(14)), Dump(0x10, ByteVector(6))));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{7}));

  ClearSent();
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Variation, false, 0));
  EXPECT_EQ(
      Sent(),
      Join(Dump(0x40, Bytes({0x05, 0x00, 0x1A, 0x02, 0x0D, 0x06, 0x27, 0x08, 0x27, 0x08, 0x00,
                             0x4A, 0x00, 0x64, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x20,
                             0x40, 0x40, 0x00, 0x00, 0x00, 0x7F, 0x40, 0x40, 0x40, 0x40, 0x40})),
           Dump(0x70, Bytes({0x00, 0x00, 0x1C, 0x40, 0x2E, 0x40}))));

  // Only what differs from the defaults, each followed by the pause.
  Select(EffectKind::Reverb, 1);
  ClearSent();
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, true, 20));
  EXPECT_TRUE(Sent().empty()) << "an untouched Hall 1";
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{20}));

  Select(EffectKind::Reverb, 3);
  ClearSent();
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, true, 20));
  EXPECT_EQ(Sent(), EffectChange(0x00, {0x02, 0x00}));
  EXPECT_EQ(effects().Type(EffectKind::Reverb), 3);

  Select(EffectKind::Reverb, 1);
  ASSERT_TRUE(Store(0x02, {30}));
  ASSERT_TRUE(Store(0x03, {0xFF}));  // differs, but a 255 is never sent
  ClearSent();
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, true, 20));
  EXPECT_EQ(Sent(), EffectChange(0x02, {0x1E}));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{20, 20, 20}));

  ASSERT_TRUE(Store(0x42, {0x37, 0x6E}));
  ASSERT_TRUE(Store(0x56, {0x64}));
  ClearSent();
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Variation, true, 5));
  EXPECT_EQ(Pieces(), (Messages{EffectChange(0x42, {0x37, 0x6E}), EffectChange(0x56, {0x64})}));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{5, 5, 5}));
}

TEST_F(EffectModelTest, SettersStoreInTheCurrentTypesRowAndTellIt) {
  changes.notices.clear();
  ASSERT_TRUE(effects().SetEffectParameter(EffectKind::Reverb, 2, 30));
  ASSERT_TRUE(effects().SetEffectParameter(EffectKind::Variation, 1, 7150));
  ASSERT_TRUE(effects().SetEffectParameter(VariationSetting::Return, 10));
  ASSERT_TRUE(effects().SetVariationPart(5));
  EXPECT_EQ((*effects().GetEffectRow(EffectKind::Reverb, 1))[2], 30);
  EXPECT_EQ((*effects().GetEffectRow(EffectKind::Variation, 20))[0], 7150);
  EXPECT_EQ((*effects().GetVariationSettings(20))[0], 10);
  EXPECT_EQ((*effects().GetVariationSettings(3))[5], 5) << "the part is one for all types";
  ASSERT_EQ(changes.notices.size(), 4u);
  EXPECT_EQ(changes.notices[0].block, ModelBlock::Reverb);
  EXPECT_EQ(changes.notices[0].index, 1);
  EXPECT_EQ(changes.notices[0].address, (XgAddress{0x02, 0x01, 0x02}));
  EXPECT_EQ(changes.notices[1].address, (XgAddress{0x02, 0x01, 0x42}));
  EXPECT_EQ(std::pair(changes.notices[1].oldValue, changes.notices[1].newValue),
            std::pair((*DefaultEffectRow(EffectKind::Variation, 20))[0], 7150));

  backend.sendResult = kMidiError;
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Reverb, 2, 31));
  EXPECT_FALSE(effects().SetVariationConnection(true));
  EXPECT_EQ((*effects().GetEffectRow(EffectKind::Reverb, 1))[2], 30) << "nothing stored";
  EXPECT_EQ((*effects().GetVariationSettings(20))[4], kVariationConnectionInsertion);
}

TEST_F(EffectModelTest, ATypeChangeOrDefaultSendsTheTypesRowAndOnlyThenIsCurrent) {
  ASSERT_TRUE(effects().SetEffectParameter(EffectKind::Chorus, 2, 99));  // Chorus 1 remembers it
  ASSERT_TRUE(effects().ChangeType(EffectKind::Chorus, 9));
  ClearSent();
  ASSERT_TRUE(effects().ChangeType(EffectKind::Chorus, 1));
  EXPECT_EQ(effects().Type(EffectKind::Chorus), 1);
  ASSERT_EQ(Pieces().size(), 2u);
  EXPECT_EQ(Pieces()[0][9 + 2], 99) << "the row as last edited goes out";
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{EffectModel::kEditorBlockPauseMs}));

  backend.sendResult = kMidiError;
  EXPECT_FALSE(effects().ChangeType(EffectKind::Chorus, 4));
  EXPECT_EQ(effects().Type(EffectKind::Chorus), 1) << "the synthesizer still runs Chorus 1";
  EXPECT_FALSE(effects().ChangeType(EffectKind::Chorus, 12));

  // Default sends the type's defaults, and the Variation as an insertion without a part.
  backend.sendResult = kMidiOk;
  ASSERT_TRUE(effects().SetEffectParameter(EffectKind::Variation, 2, 100));
  ASSERT_TRUE(effects().SetVariationConnection(true));
  ASSERT_TRUE(effects().SetVariationPart(3));
  ASSERT_TRUE(effects().SetEffectParameter(VariationSetting::Return, 1));
  ClearSent();
  changes.notices.clear();
  ASSERT_TRUE(effects().RestoreTypeDefaults(EffectKind::Variation));
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Variation, 20),
            DefaultEffectRow(EffectKind::Variation, 20));
  const VariationSettings settings = *effects().GetVariationSettings(20);
  EXPECT_EQ(settings, kVariationSettingsDefaults);
  EXPECT_EQ((*effects().GetVariationSettings(7))[4], kVariationConnectionInsertion);
  ASSERT_EQ(Pieces().size(), 2u);
  const ByteVector& head = Pieces()[0];
  EXPECT_EQ(head[9 + 22 + 4], kVariationConnectionInsertion);
  EXPECT_EQ(head[9 + 22 + 5], kVariationPartOff);
  EXPECT_EQ(changes.Of(ModelBlock::Variation).size(), 1u);

  // A failed send leaves what the synthesizer still plays.
  ASSERT_TRUE(effects().SetEffectParameter(EffectKind::Reverb, 2, 10));
  backend.sendResult = kMidiError;
  EXPECT_FALSE(effects().RestoreTypeDefaults(EffectKind::Reverb));
  EXPECT_EQ((*effects().GetEffectRow(EffectKind::Reverb, 1))[2], 10);
}

TEST_F(EffectModelTest, ATypeTheTablesLackIsKeptAsItCameAndSentBackSo) {
  // A real song's Variation type 5E 00, one parameter and a setting.
  ASSERT_TRUE(Store(0x40, {0x5E, 0x00}));
  ASSERT_TRUE(Store(0x44, {0x01, 0x02}));
  ASSERT_TRUE(Store(0x72, {0x33}));
  ASSERT_TRUE(Store(0x56, {0x50}));
  EXPECT_FALSE(effects().IsKnownType(EffectKind::Variation));
  EXPECT_EQ(effects().TypeDisplayName(EffectKind::Variation), "Unknown (5E 00)");
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Variation, 20),
            DefaultEffectRow(EffectKind::Variation, 20))
      << "the type shown before keeps its values";
  EXPECT_EQ(effects().CurrentRow(EffectKind::Variation)[1], 130);
  for (bool nonDefaultOnly : {false, true}) {
    ClearSent();
    ASSERT_TRUE(effects().SendEffectBlock(EffectKind::Variation, nonDefaultOnly, 3));
    EXPECT_EQ(Pieces(),
              (Messages{EffectChange(0x40, {0x5E, 0x00}), EffectChange(0x44, {0x01, 0x02}),
                        EffectChange(0x72, {0x33}), EffectChange(0x56, {0x50})}));
  }
  // Default brings back what came and sends it so, every setting with it.
  ASSERT_TRUE(effects().SetEffectParameter(EffectKind::Variation, 2, 7));
  ClearSent();
  ASSERT_TRUE(effects().RestoreTypeDefaults(EffectKind::Variation));
  EXPECT_EQ(effects().CurrentRow(EffectKind::Variation)[1], 130);
  ASSERT_EQ(Pieces().size(), 3u + kVariationSettingCount);
  EXPECT_EQ(Pieces()[1], EffectChange(0x44, {0x01, 0x02}));
  EXPECT_EQ(Pieces()[3], EffectChange(0x56, {0x50}));

  // Came whole, it goes back whole: the dumps as they were received.
  const Messages dumps{Dump(0x00, Bytes({0x7E, 0x01, 0x11, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                                         0x08, 0x09, 0x0A, 0x0B})),
                       Dump(0x10, Bytes({0x21, 0x22, 0x23, 0x24, 0x25, 0x26}))};
  for (const ByteVector& dump : dumps) ASSERT_TRUE(effects().StoreEffectBulk(dump));
  ClearSent();
  ASSERT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, true, 0));
  EXPECT_EQ(Pieces(), dumps);

  // A known type replaces it.
  ASSERT_TRUE(effects().ChangeType(EffectKind::Variation, 20));
  EXPECT_TRUE(effects().IsKnownType(EffectKind::Variation));
}

TEST_F(EffectModelTest, ParameterChangeForms) {
  const std::tuple<int, int, ByteVector> forms[] = {{1, 3330, EffectChange(0x42, {0x1A, 0x02})},
                                                    {1, 7150, EffectChange(0x42, {0x37, 0x6E})},
                                                    {1, 255, EffectChange(0x42, {0x01, 0x7F})},
                                                    {10, 100, EffectChange(0x54, {0x00, 0x64})},
                                                    {16, 5, EffectChange(0x75, {0x05})}};
  for (const auto& [param, value, expected] : forms) {
    ClearSent();
    EXPECT_TRUE(effects().SetEffectParameter(EffectKind::Variation, param, value));
    EXPECT_EQ(Sent(), expected) << param << " = " << value;
  }
  ClearSent();
  EXPECT_TRUE(effects().SetEffectParameter(EffectKind::Chorus, 20, 1));
  EXPECT_TRUE(effects().SetEffectParameter(VariationSetting::SendToChorus, 20));
  EXPECT_TRUE(effects().SetVariationConnection(true));
  EXPECT_TRUE(effects().SetVariationPart(127));
  EXPECT_TRUE(effects().SetEffectParameter(EffectKind::Reverb, 5, 255));  // unused: nothing
  EXPECT_EQ(Pieces(), (Messages{EffectChange(0x35, {0x01}), EffectChange(0x59, {0x14}),
                                EffectChange(0x5A, {0x01}), EffectChange(0x5B, {0x7F})}));
}

TEST_F(EffectModelTest, BadArgumentsAndFailingPortsAreRefusedAndReceivedChangesStored) {
  // The type LSB, past the rows, values out of range, a bad kind.
  const std::tuple<EffectKind, int, int> bad[] = {
      {EffectKind::Reverb, 1, 0},       {EffectKind::Reverb, 20, 0},
      {EffectKind::Chorus, 21, 0},      {EffectKind::Reverb, 2, -1},
      {EffectKind::Reverb, 2, 128},     {EffectKind::Variation, 0, 1},
      {EffectKind::Variation, 17, 1},   {EffectKind::Variation, 1, 0x4000},
      {EffectKind::Variation, 11, 128}, {static_cast<EffectKind>(3), 2, 0}};
  for (const auto& [kind, slot, value] : bad) {
    EXPECT_FALSE(effects().SetEffectParameter(kind, slot, value)) << slot << " = " << value;
  }
  EXPECT_FALSE(effects().SetEffectParameter(VariationSetting::Count, 0));
  EXPECT_FALSE(effects().SetVariationPart(128));
  EXPECT_FALSE(effects().SetVariationPart(-1));
  EXPECT_FALSE(effects().SendEffectBlock(static_cast<EffectKind>(3), false, 0));
  EXPECT_EQ(effects().Type(EffectKind::Reverb), 1);
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(pauser.pauses.empty());

  // A failing port stops the block at the first message, with one reported error each.
  Select(EffectKind::Chorus, 2);
  backend.sendResult = kMidiError;
  EXPECT_FALSE(effects().SendEffectBlock(EffectKind::Chorus, false, 9));
  EXPECT_FALSE(effects().SendEffectBlock(EffectKind::Chorus, true, 9));
  ASSERT_TRUE(Store(0x02, {30}));
  EXPECT_FALSE(effects().SendEffectBlock(EffectKind::Reverb, true, 9));
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Variation, 1, 3));
  EXPECT_EQ(prompts.messages.size(), 4u);
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{9})) << "only the type pause of Hall 1";

  // Received changes are stored.
  Select(EffectKind::Reverb, 3);
  ASSERT_TRUE(Store(0x02, {30}));
  Select(EffectKind::Reverb, 3);
  EXPECT_EQ(effects().Type(EffectKind::Reverb), 3);
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Reverb, 3), DefaultEffectRow(EffectKind::Reverb, 3));
  EXPECT_EQ(events.marks.Value(RefreshMark::Reverb), 3);

  // Connection and part survive a Variation type change; the rest returns to defaults.
  EXPECT_TRUE(Store(0x5A, {0x01}));
  EXPECT_TRUE(Store(0x5B, {0x03}));
  Select(EffectKind::Variation, 1);
  ASSERT_TRUE(Store(0x42, {0x00, 50}));
  ASSERT_TRUE(Store(0x56, {10}));
  EXPECT_TRUE(Store(0x40, {0x01, 0x00}));
  EXPECT_EQ(effects().Type(EffectKind::Variation), 1);
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Variation, 1),
            DefaultEffectRow(EffectKind::Variation, 1));
  const VariationSettings kept = *effects().GetVariationSettings(1);
  EXPECT_EQ((std::array{kept[0], kept[4], kept[5]}), (std::array<uint8_t, 3>{64, 1, 3}));
  EXPECT_EQ(events.marks.Value(RefreshMark::Variation), 1);

  // Parameters go to the current type as received.
  Select(EffectKind::Reverb, 1);
  Select(EffectKind::Chorus, 1);
  Select(EffectKind::Variation, 20);
  EXPECT_TRUE(Store(0x02, {0x1E}));
  EXPECT_TRUE(Store(0x07, {0x05}));  // an unused slot
  EXPECT_TRUE(Store(0x35, {0x01}));
  EXPECT_TRUE(Store(0x42, {0x37, 0x6E}));
  EXPECT_TRUE(Store(0x75, {0x11}));
  EXPECT_TRUE(Store(0x56, {0x22}));
  EXPECT_TRUE(Store(0x5B, {0x04}));
  const EffectRow reverb = *effects().GetEffectRow(EffectKind::Reverb, 1);
  EXPECT_EQ(reverb[2], 30);
  EXPECT_EQ(reverb[7], 5);
  EXPECT_EQ((*effects().GetEffectRow(EffectKind::Chorus, 1))[20], 1);
  const EffectRow delay = *effects().GetEffectRow(EffectKind::Variation, 20);
  EXPECT_EQ(delay[0], 7150);
  EXPECT_EQ(delay[15], 0x11);
  EXPECT_EQ((*effects().GetVariationSettings(20))[0], 0x22);
  EXPECT_EQ((*effects().GetVariationSettings(21))[0], 64) << "only connection and part spread";
  EXPECT_EQ((*effects().GetVariationSettings(0))[5], 4);

  // Malformed changes are rejected and change nothing.
  events.marks = {};
  for (int low :
       {0x01, 0x0E, 0x16, 0x1F, 0x21, 0x2F, 0x36, 0x41, 0x43, 0x55, 0x61, 0x6F, 0x76, 0x80}) {
    EXPECT_FALSE(Store(low, {0x00, 0x00})) << low;
  }
  EXPECT_FALSE(effects().StoreEffectParameter(PartChange(0, 0x02, 0x00)));
  EXPECT_FALSE(Store(0x70, {}));
  EXPECT_FALSE(effects().StoreEffectParameter({}));
  // A two-byte parameter cut after its MSB: the byte beyond the span is never read.
  const ByteVector full = EffectChange(0x42, {0x1A, 0x02});
  EXPECT_FALSE(effects().StoreEffectParameter(std::span(full).first(9)));
  EXPECT_FALSE(Store(0x00, {0x01}));
  EXPECT_FALSE(events.marks.Any());
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Variation, 20), delay);
}

TEST_F(EffectModelTest, BulkDumpsRoundTripAndReceivedBulkRules) {
  Select(EffectKind::Reverb, 9);
  Select(EffectKind::Chorus, 6);
  Select(EffectKind::Variation, 22);
  ASSERT_TRUE(effects().SetEffectParameter(EffectKind::Reverb, 2, 60));
  ASSERT_TRUE(effects().SetEffectParameter(EffectKind::Chorus, 19, 1));
  ASSERT_TRUE(effects().SetEffectParameter(EffectKind::Variation, 1, 7150));
  ASSERT_TRUE(effects().SetEffectParameter(EffectKind::Variation, 16, 7));
  ASSERT_TRUE(effects().SetEffectParameter(VariationSetting::Ac2Depth, 2));
  ASSERT_TRUE(effects().SetVariationConnection(true));
  ASSERT_TRUE(effects().SetVariationPart(5));

  ClearSent();
  ASSERT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, false, 0));
  ASSERT_TRUE(effects().SendEffectBlock(EffectKind::Chorus, false, 0));
  ASSERT_TRUE(effects().SendEffectBlock(EffectKind::Variation, false, 0));
  const Messages sent = Pieces();
  const std::array before = {effects().CurrentRow(EffectKind::Reverb),
                             effects().CurrentRow(EffectKind::Chorus),
                             effects().CurrentRow(EffectKind::Variation)};
  const VariationSettings settingsBefore = effects().CurrentVariationSettings();
  model.ResetToDefaults();
  for (const ByteVector& message : sent) EXPECT_TRUE(effects().StoreEffectBulk(message));
  for (const auto& [kind, type] :
       {std::pair{EffectKind::Reverb, 9}, {EffectKind::Chorus, 6}, {EffectKind::Variation, 22}}) {
    EXPECT_EQ(effects().Type(kind), type);
    EXPECT_EQ(effects().CurrentRow(kind), before[static_cast<std::size_t>(kind)]);
  }
  EXPECT_EQ(effects().CurrentVariationSettings(), settingsBefore);
  EXPECT_EQ((*effects().GetVariationSettings(0))[5], 5) << "connection and part spread";
  EXPECT_EQ(events.marks.Value(RefreshMark::Variation), 22);

  // Type only, then a short run whose unused slot 7 stays unused.
  EXPECT_TRUE(StoreBulk(0x00, Bytes({0x02, 0x00})));
  EXPECT_EQ(effects().Type(EffectKind::Reverb), 3);
  EXPECT_TRUE(StoreBulk(0x00, Bytes({0x01, 0x00, 0x11, 0x01, 0x02, 0x03, 0x04, 0x05})));
  const EffectRow hall = *effects().GetEffectRow(EffectKind::Reverb, 1);
  EXPECT_EQ(effects().Type(EffectKind::Reverb), 1);
  EXPECT_EQ(hall[2], 0x11);
  EXPECT_EQ(hall[7], kEffectParamUnused);
  EXPECT_EQ(hall[11], 40) << "beyond the data nothing changes";

  // A Variation dump cut inside the third pair keeps only complete pairs.
  EXPECT_TRUE(StoreBulk(0x40, Bytes({0x05, 0x00, 0x00, 0x01, 0x00, 0x02, 0x03})));
  const EffectRow delay = *effects().GetEffectRow(EffectKind::Variation, 20);
  EXPECT_EQ((std::array{delay[0], delay[1], delay[2]}), (std::array<int32_t, 3>{1, 2, 5000}));

  EXPECT_FALSE(StoreBulk(0x00, Bytes({0x01})));
  EXPECT_FALSE(StoreBulk(0x01, Bytes({0x00})));
  EXPECT_FALSE(StoreBulk(0x50, Bytes({0x00})));
  EXPECT_EQ(effects().Type(EffectKind::Chorus), 6);
  EXPECT_EQ(effects().Type(EffectKind::Variation), 20);

  XgMessage dump =
      BuildBulkDump(UnitNumber::FromValue(0), kXgModelId, {0x02, 0x01, 0x10}, Bytes({1, 2, 3, 4}));
  EXPECT_FALSE(effects().StoreEffectBulk(dump.Bytes().first(dump.Size() - 1)));
  EXPECT_FALSE(effects().StoreEffectBulk(Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00})));
  EXPECT_TRUE(effects().StoreEffectBulk(dump.Bytes()));
  EXPECT_EQ((*effects().GetEffectRow(EffectKind::Reverb, 1))[14], 1);
  EXPECT_EQ((*effects().GetEffectRow(EffectKind::Reverb, 1))[17], kEffectParamUnused);
}

}  // namespace
}  // namespace ravlo::test
