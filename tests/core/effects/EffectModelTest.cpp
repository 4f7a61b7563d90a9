#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "effects/EffectLookups.h"
#include "effects/EffectModel.h"
#include "messages/XgMessages.h"
#include "midi/MidiResult.h"
#include "support/ModelFixture.h"

namespace ravlo {
namespace {

using test::Bytes;
using ByteVector = std::vector<std::uint8_t>;

class EffectModelTest : public test::ModelFixture {
 protected:
  EffectModel& effects() { return model.Effects(); }

  void SetSlot(EffectKind kind, std::size_t type, std::size_t slot, std::int32_t value) {
    EffectRow row = *effects().GetEffectRow(kind, type);
    row.Values()[slot] = value;
    ASSERT_TRUE(effects().PutEffectRow(kind, type, row));
  }

  bool Store(std::initializer_list<int> bytes) {
    const ByteVector message = Bytes(bytes);
    return effects().StoreEffectParameter(message);
  }

  bool StoreBulk(std::uint8_t low, const ByteVector& data) {
    const XgMessage message = BuildBulkDump(0, kXgModelId, {0x02, 0x01, low}, data);
    return effects().StoreEffectBulk(message.Bytes());
  }
};

// Cuts a recorded stream into its messages.
std::vector<ByteVector> Messages(std::span<const std::uint8_t> stream) {
  std::vector<ByteVector> messages(1);
  for (std::uint8_t byte : stream) {
    messages.back().push_back(byte);
    if (byte == 0xF7) messages.emplace_back();
  }
  messages.pop_back();
  return messages;
}

TEST_F(EffectModelTest, NonDefaultSendOfTheXgDefaultsSendsOnlyWhatDiffers) {
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, 1, true, 20));
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{20}));

  ClearSent();
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, 3, true, 20));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x02, 0x00, 0xF7}));
  EXPECT_EQ(effects().Type(EffectKind::Reverb), 3);

  ClearSent();
  SetSlot(EffectKind::Reverb, 1, 2, 30);
  SetSlot(EffectKind::Reverb, 1, 3, kEffectParamUnused);  // differs, but is never sent
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, 1, true, 20));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x02, 0x1E, 0xF7}));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{20, 20, 20}));

  ClearSent();
  SetSlot(EffectKind::Variation, 20, 0, 7150);
  ASSERT_TRUE(effects().SetType(EffectKind::Variation, 20));
  ASSERT_TRUE(effects().StoreEffectParameter(
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x56, 0x64, 0xF7})));
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Variation, 20, true, 5));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x37, 0x6E, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x56, 0x64, 0xF7}));
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{5, 5, 5}));
}

TEST_F(EffectModelTest, AllBulkSendsTwoDumpsWithThePauseBetween) {
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, 0, false, 7));
  ByteVector none = Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x0E, 0x02, 0x01, 0x00});
  none.insert(none.end(), 14, 0x00);
  none.insert(none.end(), {0x6F, 0xF7, 0xF0, 0x43, 0x00, 0x4C, 0x00, 0x06, 0x02, 0x01, 0x10});
  none.insert(none.end(), 6, 0x00);
  none.insert(none.end(), {0x67, 0xF7});
  EXPECT_EQ(Sent(), none);
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{7}));

  ClearSent();
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, 1, false, 0));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x0E, 0x02, 0x01, 0x00, 0x01, 0x00,
                           0x12, 0x0A, 0x08, 0x0D, 0x31, 0x00, 0x00, 0x00, 0x00, 0x28, 0x40,
                           0x40, 0x64, 0xF7, 0xF0, 0x43, 0x00, 0x4C, 0x00, 0x06, 0x02, 0x01,
                           0x10, 0x00, 0x03, 0x34, 0x00, 0x40, 0x00, 0x70, 0xF7}));

  ClearSent();
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Variation, 20, false, 0));
  EXPECT_EQ(Sent(),
            Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x21, 0x02, 0x01, 0x40, 0x05, 0x00, 0x1A, 0x02,
                   0x0D, 0x06, 0x27, 0x08, 0x27, 0x08, 0x00, 0x4A, 0x00, 0x64, 0x00, 0x0A, 0x00,
                   0x00, 0x00, 0x00, 0x00, 0x20, 0x40, 0x40, 0x00, 0x00, 0x00, 0x7F, 0x40, 0x40,
                   0x40, 0x40, 0x40, 0x73, 0xF7, 0xF0, 0x43, 0x00, 0x4C, 0x00, 0x06, 0x02, 0x01,
                   0x70, 0x00, 0x00, 0x1C, 0x40, 0x2E, 0x40, 0x3D, 0xF7}));

  ClearSent();
  EXPECT_TRUE(effects().SendEffectBlock(EffectKind::Chorus, 1, false, 0));
  const auto chorus = Messages(Sent());
  ASSERT_EQ(chorus.size(), 2u);
  EXPECT_EQ(chorus[0].size(), 26u);
  EXPECT_EQ(chorus[1].size(), 17u);
  EXPECT_EQ(chorus[1][8], 0x30);
}

TEST_F(EffectModelTest, ParameterChangeForms) {
  const auto variation = [&](int param, int value) {
    ClearSent();
    EXPECT_TRUE(effects().SetEffectParameter(EffectKind::Variation, param, value));
    return Sent();
  };
  EXPECT_EQ(variation(1, 3330),
            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x1A, 0x02, 0xF7}));
  EXPECT_EQ(variation(1, 7150),
            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x37, 0x6E, 0xF7}));
  EXPECT_EQ(variation(1, 255), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x01, 0x7F, 0xF7}));
  EXPECT_EQ(variation(10, 100),
            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x54, 0x00, 0x64, 0xF7}));
  EXPECT_EQ(variation(16, 5), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x75, 0x05, 0xF7}));

  ClearSent();
  EXPECT_TRUE(effects().SetEffectParameter(EffectKind::Chorus, 20, 1));
  EXPECT_TRUE(effects().SetEffectParameter(VariationSetting::SendToChorus, 20));
  EXPECT_TRUE(effects().SetVariationConnection(true));
  EXPECT_TRUE(effects().SetVariationPart(127));
  EXPECT_TRUE(effects().SetEffectParameter(EffectKind::Reverb, 5, 255));          // unused: nothing
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x35, 0x01, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x59, 0x14, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x5A, 0x01, 0xF7,  //
                           0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x5B, 0x7F, 0xF7}));
}

TEST_F(EffectModelTest, OutOfRangeArgumentsAreRefusedWithoutSending) {
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Reverb, 1, 0));   // type LSB
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Reverb, 20, 0));  // past the row
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Chorus, 21, 0));
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Reverb, 2, -1));
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Reverb, 2, 128));
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Variation, 0, 1));
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Variation, 17, 1));
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Variation, 1, 0x4000));
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Variation, 11, 128));
  EXPECT_FALSE(effects().SetEffectParameter(static_cast<EffectKind>(3), 2, 0));
  EXPECT_FALSE(effects().SetEffectParameter(VariationSetting::Count, 0));
  EXPECT_FALSE(effects().SetVariationPart(128));
  EXPECT_FALSE(effects().SetVariationPart(-1));
  EXPECT_FALSE(effects().SendEffectBlock(EffectKind::Reverb, 12, false, 0));
  EXPECT_FALSE(effects().SendEffectBlock(EffectKind::Variation, -1, true, 0));
  EXPECT_EQ(effects().Type(EffectKind::Reverb), 1);
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(pauser.pauses.empty());
}

TEST_F(EffectModelTest, AFailingPortStopsTheBlockAtTheFirstMessage) {
  backend.sendResult = kMidiError;
  EXPECT_FALSE(effects().SendEffectBlock(EffectKind::Chorus, 2, false, 9));
  EXPECT_FALSE(effects().SendEffectBlock(EffectKind::Reverb, 3, true, 9));
  SetSlot(EffectKind::Reverb, 1, 2, 30);
  SetSlot(EffectKind::Reverb, 1, 4, 31);
  EXPECT_FALSE(effects().SendEffectBlock(EffectKind::Reverb, 1, true, 9));
  EXPECT_FALSE(effects().SetEffectParameter(EffectKind::Variation, 1, 3));
  EXPECT_EQ(prompts.messages.size(), 4u) << "one reported error per operation";
  EXPECT_EQ(pauser.pauses, (std::vector<unsigned>{9})) << "only the type pause of Hall 1";
  EXPECT_TRUE(Sent().empty());
}

TEST_F(EffectModelTest, ReceivedTypeChangesResetTheTypeRow) {
  SetSlot(EffectKind::Reverb, 3, 2, 30);
  EXPECT_TRUE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x02, 0x00, 0xF7}));
  EXPECT_EQ(effects().Type(EffectKind::Reverb), 3);
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Reverb, 3), DefaultEffectRow(EffectKind::Reverb, 3));
  EXPECT_TRUE(events.marks.IsRaised(RefreshMark::Reverb));
  EXPECT_EQ(events.marks.Value(RefreshMark::Reverb), 3);

  EXPECT_FALSE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x20, 0x7F, 0x7F, 0xF7}));
  EXPECT_FALSE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x20, 0x42, 0xF7}));  // no LSB
  EXPECT_EQ(effects().Type(EffectKind::Chorus), 1);
  EXPECT_FALSE(events.marks.IsRaised(RefreshMark::Chorus));

  // Connection and part survive a Variation type change; the rest returns to defaults.
  EXPECT_TRUE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x5A, 0x01, 0xF7}));
  EXPECT_TRUE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x5B, 0x03, 0xF7}));
  SetSlot(EffectKind::Variation, 1, 0, 50);
  VariationSettings edited = kVariationSettingsDefaults;
  edited[0] = 10;
  ASSERT_TRUE(effects().PutVariationSettings(1, edited));
  EXPECT_TRUE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x40, 0x01, 0x00, 0xF7}));
  EXPECT_EQ(effects().Type(EffectKind::Variation), 1);
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Variation, 1),
            DefaultEffectRow(EffectKind::Variation, 1));
  VariationSettings expected = kVariationSettingsDefaults;
  expected[4] = 1;
  expected[5] = 3;
  EXPECT_EQ(effects().GetVariationSettings(1), expected);
  EXPECT_EQ(events.marks.Value(RefreshMark::Variation), 1);
}

TEST_F(EffectModelTest, ReceivedParametersGoToTheCurrentTypeAsReceived) {
  EXPECT_TRUE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x02, 0x1E, 0xF7}));
  EXPECT_TRUE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x07, 0x05, 0xF7}));  // unused slot
  EXPECT_TRUE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x35, 0x01, 0xF7}));
  EXPECT_TRUE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x37, 0x6E, 0xF7}));
  EXPECT_TRUE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x75, 0x11, 0xF7}));
  EXPECT_TRUE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x56, 0x22, 0xF7}));
  const EffectRow reverb = *effects().GetEffectRow(EffectKind::Reverb, 1);
  EXPECT_EQ(reverb[2], 30);
  EXPECT_EQ(reverb[7], 5);
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Chorus, 1)->Values()[20], 1);
  const EffectRow delay = *effects().GetEffectRow(EffectKind::Variation, 20);
  EXPECT_EQ(delay[0], 7150);
  EXPECT_EQ(delay[15], 0x11);
  EXPECT_EQ((*effects().GetVariationSettings(20))[0], 0x22);
  EXPECT_EQ((*effects().GetVariationSettings(21))[0], 64) << "only connection and part spread";

  EXPECT_TRUE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x5B, 0x04, 0xF7}));
  for (std::size_t type = 0; type < kVariationTypeCount; ++type) {
    EXPECT_EQ((*effects().GetVariationSettings(type))[5], 4) << type;
  }
}

TEST_F(EffectModelTest, MalformedParameterChangesAreRejectedUnchanged) {
  for (int low : {0x01, 0x0E, 0x0F, 0x16, 0x1F, 0x21, 0x2F, 0x36, 0x3F, 0x41, 0x43, 0x55, 0x61,
                  0x6F, 0x76, 0x7F, 0x80}) {
    EXPECT_FALSE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, low, 0x00, 0x00, 0xF7})) << low;
  }
  EXPECT_FALSE(Store({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x02, 0x00, 0xF7}));
  EXPECT_FALSE(Store({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x70, 0xF7}));
  EXPECT_FALSE(effects().StoreEffectParameter({}));
  // A two-byte parameter cut after its MSB: the byte beyond the span is never read.
  const ByteVector full = Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x1A, 0x02, 0xF7});
  EXPECT_FALSE(effects().StoreEffectParameter(std::span(full).first(9)));
  EXPECT_FALSE(effects().StoreEffectParameter(
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x01, 0xF7})));
  EXPECT_FALSE(events.marks.Any());
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Variation, 20),
            DefaultEffectRow(EffectKind::Variation, 20));
}

TEST_F(EffectModelTest, BulkDumpsOfAllThreeBlocksRoundTrip) {
  ASSERT_TRUE(effects().SetType(EffectKind::Reverb, 9));
  SetSlot(EffectKind::Reverb, 9, 2, 60);
  SetSlot(EffectKind::Reverb, 9, 16, 100);
  SetSlot(EffectKind::Chorus, 6, 3, 1);
  SetSlot(EffectKind::Chorus, 6, 19, 1);
  SetSlot(EffectKind::Variation, 22, 0, 7150);
  SetSlot(EffectKind::Variation, 22, 15, 7);
  VariationSettings settings = kVariationSettingsDefaults;
  settings[0] = 1;
  settings[10] = 2;
  ASSERT_TRUE(effects().PutVariationSettings(22, settings));
  effects().SpreadConnectionAndPart(1, 5);

  ASSERT_TRUE(model.BeginRecording());
  ASSERT_TRUE(effects().SendEffectBlock(EffectKind::Reverb, 9, false, 0));
  ASSERT_TRUE(effects().SendEffectBlock(EffectKind::Chorus, 6, false, 0));
  ASSERT_TRUE(effects().SendEffectBlock(EffectKind::Variation, 22, false, 0));
  const ByteVector recorded(model.TakeRecording().begin(), model.TakeRecording().end());
  model.EndRecording();
  EXPECT_TRUE(Sent().empty());

  EffectRows before = effects();
  model.ResetToDefaults();
  for (const ByteVector& message : Messages(recorded)) {
    EXPECT_TRUE(effects().StoreEffectBulk(message));
  }
  EXPECT_EQ(effects().Type(EffectKind::Reverb), 9);
  EXPECT_EQ(effects().Type(EffectKind::Chorus), 6);
  EXPECT_EQ(effects().Type(EffectKind::Variation), 22);
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Reverb, 9),
            before.GetEffectRow(EffectKind::Reverb, 9));
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Chorus, 6),
            before.GetEffectRow(EffectKind::Chorus, 6));
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Variation, 22),
            before.GetEffectRow(EffectKind::Variation, 22));
  EXPECT_EQ(effects().GetVariationSettings(22), before.GetVariationSettings(22));
  EXPECT_EQ((*effects().GetVariationSettings(0))[5], 5) << "connection and part spread";
  EXPECT_EQ(events.marks.Value(RefreshMark::Variation), 22);
}

TEST_F(EffectModelTest, ReceivedBulkRules) {
  // Type only, then a short run whose unused slot 7 stays unused.
  EXPECT_TRUE(StoreBulk(0x00, Bytes({0x02, 0x00})));
  EXPECT_EQ(effects().Type(EffectKind::Reverb), 3);
  EXPECT_TRUE(StoreBulk(0x00, Bytes({0x01, 0x00, 0x11, 0x01, 0x02, 0x03, 0x04, 0x05})));
  const EffectRow hall = *effects().GetEffectRow(EffectKind::Reverb, 1);
  EXPECT_EQ(hall[2], 0x11);
  EXPECT_EQ(hall[7], kEffectParamUnused);
  EXPECT_EQ(hall[8], kEffectParamUnused);
  EXPECT_EQ(hall[11], 40) << "beyond the data nothing changes";

  // A Variation dump cut inside the third pair keeps only complete pairs.
  EXPECT_TRUE(StoreBulk(0x40, Bytes({0x05, 0x00, 0x00, 0x01, 0x00, 0x02, 0x03})));
  const EffectRow delay = *effects().GetEffectRow(EffectKind::Variation, 20);
  EXPECT_EQ(delay[0], 1);
  EXPECT_EQ(delay[1], 2);
  EXPECT_EQ(delay[2], 5000);

  EXPECT_FALSE(StoreBulk(0x00, Bytes({0x01})));
  EXPECT_FALSE(StoreBulk(0x20, Bytes({0x7F, 0x7F, 0x00})));
  EXPECT_FALSE(StoreBulk(0x40, Bytes({0x7F, 0x7F})));
  EXPECT_FALSE(StoreBulk(0x01, Bytes({0x00})));
  EXPECT_FALSE(StoreBulk(0x50, Bytes({0x00})));
  EXPECT_EQ(effects().Type(EffectKind::Chorus), 1);
  EXPECT_EQ(effects().Type(EffectKind::Variation), 20);

  XgMessage dump = BuildBulkDump(0, kXgModelId, {0x02, 0x01, 0x10}, Bytes({1, 2, 3, 4}));
  EXPECT_FALSE(effects().StoreEffectBulk(dump.Bytes().first(dump.Size() - 1)));
  EXPECT_FALSE(effects().StoreEffectBulk(Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00})));
  EXPECT_TRUE(effects().StoreEffectBulk(dump.Bytes()));
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Reverb, 1)->Values()[14], 1);
  EXPECT_EQ(effects().GetEffectRow(EffectKind::Reverb, 1)->Values()[17], kEffectParamUnused);
}

}  // namespace
}  // namespace ravlo
