#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "effects/EffectAddresses.h"
#include "effects/EffectLookups.h"
#include "effects/EffectModel.h"
#include "effects/EffectParameters.h"
#include "effects/EffectRows.h"
#include "effects/EffectTypeTables.h"
#include "effects/ExtendedEffectTypes.h"
#include "effects/MultiEqParameters.h"
#include "intake/SysexIntake.h"
#include "messages/XgMessages.h"
#include "midi/MidiResult.h"
#include "review/DefaultDifferences.h"
#include "review/ReviewText.h"
#include "shapes/EqResponse.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"

namespace ravlo::test {
namespace {

// Unique type numbers: the lookups find every type again by its number.
template <typename Records, typename Slots>
void ExpectByteRowsFit(const Records& records, const Slots& slots) {
  for (const auto& record : records) {
    for (std::size_t slot = kFirstEffectParamSlot; slot < slots.size(); ++slot) {
      const int value = record.defaults[slot];
      if (value == kEffectParamUnused) continue;
      // A value a type uses has a field to show it in, and fits its range.
      const ParameterDescriptor& parameter = slots[slot].parameter;
      ASSERT_TRUE(slots[slot].HasField()) << record.name << " slot " << slot;
      EXPECT_TRUE(parameter.InRange(value)) << record.name << " slot " << slot;
    }
  }
}

TEST(EffectTypeTables, TypesAreUniqueDefaultsFitTheirRangesAndVariationLayoutsAgree) {
  ExpectByteRowsFit(kReverbTypes, kReverbSlots);
  ExpectByteRowsFit(kChorusTypes, kChorusSlots);
  // Review names are unique within a block, the type slots have no field, and a
  // gated field follows a slot that has one.
  for (const auto& slots :
       {std::span<const EffectSlot>(kReverbSlots), std::span<const EffectSlot>(kChorusSlots)}) {
    std::set<std::string_view> names;
    for (const EffectSlot& slot : slots) {
      EXPECT_TRUE(names.insert(slot.parameter.reviewName).second) << slot.parameter.reviewName;
      EXPECT_TRUE(slot.gateSlot == kNoGate || slots[slot.gateSlot].HasField());
    }
    EXPECT_FALSE(slots[0].HasField() || slots[1].HasField());
  }

  // The Variation types, their layouts and descriptors agree.
  std::set<std::size_t> layouts;
  for (const VariationTypeRecord& record : kVariationTypes) {
    layouts.insert(record.layout);
    EXPECT_EQ(record.typeAddressLow, 0x40) << record.name;
    EXPECT_LE(record.name.size(), 15u) << record.name;
  }
  EXPECT_EQ(layouts.size(), kParamLayoutCount) << "every layout serves some type";

  ASSERT_EQ(kParamDescriptors.size(), 62u);
  EXPECT_TRUE(kParamDescriptors[0].label.empty());
  std::set<int> used;
  for (const ParamLayout& layout : kParamLayouts) {
    for (uint8_t number : layout.descriptors) {
      ASSERT_LT(number, kParamDescriptorCount);
      if (number != 0) used.insert(number);
    }
  }
  EXPECT_EQ(used.size(), kParamDescriptorCount - 1) << "every descriptor serves some layout";
  for (std::size_t number = 1; number < kParamDescriptorCount; ++number) {
    const ParamDescriptor& descriptor = kParamDescriptors[number];
    EXPECT_FALSE(descriptor.label.empty()) << number;
    EXPECT_LE(descriptor.label.size(), 15u) << number;
    EXPECT_LT(descriptor.minimum, descriptor.maximum) << number;
  }

  // A parameter the layout uses has a default within its range; one it does not use holds 255.
  for (std::size_t type = 0; type < kVariationTypeCount; ++type) {
    const ParamLayout& layout = kParamLayouts[kVariationTypes[type].layout];
    for (std::size_t param = 0; param < kVariationParamCount; ++param) {
      SCOPED_TRACE(testing::Message() << kVariationTypes[type].name << " P" << param + 1);
      const int32_t value = kVariationDefaultRows[type][param];
      const uint8_t number = layout.descriptors[param];
      if (number == 0) {
        EXPECT_EQ(value, kEffectParamUnused);
      } else {
        EXPECT_GE(value, kParamDescriptors[number].minimum);
        EXPECT_LE(value, kParamDescriptors[number].maximum);
      }
    }
  }
}

constexpr EffectKind kAllKinds[] = {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation};
constexpr EffectKind kBadKind = static_cast<EffectKind>(7);

TEST(EffectLookups, CountsNamesRowsAndTypeNumbers) {
  EXPECT_EQ(EffectTypeCount(kBadKind), 0u);
  EXPECT_EQ(EffectTypeName(kBadKind, 0), "----");
  const std::size_t counts[] = {12, 12, 46};
  const std::size_t lengths[] = {20, 21, 16};
  for (EffectKind kind : kAllKinds) {
    const auto k = static_cast<std::size_t>(kind);
    ASSERT_EQ(EffectTypeCount(kind), counts[k]);
    EXPECT_EQ(EffectRowLength(kind), lengths[k]);
    EXPECT_EQ(EffectTypeName(kind, counts[k]), "----");
    EXPECT_FALSE(DefaultEffectRow(kind, counts[k]).has_value());
    EXPECT_EQ(EffectTypeNumber(kind, counts[k]), (std::array<std::uint8_t, 2>{0, 0}));
    // Every type is found again by its type number.
    for (std::size_t type = 0; type < counts[k]; ++type) {
      const std::optional<EffectRow> row = DefaultEffectRow(kind, type);
      ASSERT_TRUE(row.has_value());
      EXPECT_EQ(row->Size(), lengths[k]);
      const auto [msb, lsb] = EffectTypeNumber(kind, type);
      EXPECT_EQ(FindEffectType(kind, msb, lsb), type) << EffectTypeName(kind, type);
    }
  }
  EXPECT_FALSE(FindEffectType(EffectKind::Reverb, 65, 0).has_value());  // a Chorus type
  EXPECT_FALSE(FindEffectType(EffectKind::Variation, 5, 1).has_value());
}

// The editor range of a Reverb or Chorus slot, where the slot has a field.
std::optional<ParamRange> FieldRange(EffectKind kind, std::size_t slot) {
  const std::span<const EffectSlot> slots = EffectSlots(kind);
  if (slot >= slots.size() || !slots[slot].HasField()) return std::nullopt;
  return ParamRange{slots[slot].parameter.minimum, slots[slot].parameter.maximum};
}

TEST(EffectLookups, RangesDescriptorsLabelsAndAddresses) {
  EXPECT_EQ(FieldRange(EffectKind::Reverb, 2), (ParamRange{0, 69}));
  EXPECT_EQ(FieldRange(EffectKind::Chorus, 19), (ParamRange{0, 1}));
  for (std::size_t slot : {0u, 1u, 17u, 20u}) {
    EXPECT_FALSE(FieldRange(EffectKind::Reverb, slot).has_value()) << slot;
  }
  for (std::size_t slot : {6u, 15u, 21u}) {
    EXPECT_FALSE(FieldRange(EffectKind::Chorus, slot).has_value()) << slot;
  }
  EXPECT_FALSE(FieldRange(EffectKind::Variation, 2).has_value());
  for (std::size_t type : {0u, 45u, 46u}) EXPECT_FALSE(VariationHasParams(type)) << type;
  EXPECT_TRUE(VariationHasParams(44));
  EXPECT_EQ(VariationParamDescriptor(46, 0), 0u);
  EXPECT_EQ(VariationParamDescriptor(20, 16), 0u);
  EXPECT_EQ(VariationParamLabel(VariationParamDescriptor(20, 0), 0), "LChnDelay");
  EXPECT_EQ(VariationParamLabel(62, 0), "");
  EXPECT_EQ(VariationParamRange(20), (ParamRange{1, 7150}));
  EXPECT_FALSE(VariationParamRange(0).has_value());
  EXPECT_FALSE(VariationParamRange(62).has_value());

  // "Amp Type" shows the amp type its current value selects.
  const std::size_t amp = VariationParamDescriptor(39, 1);  // "Amp Simulator", parameter 2
  ASSERT_EQ(amp, kAmpTypeDescriptor);
  const char* ampLabels[] = {"Amp Type",  "Type_Off", "StackType",
                             "ComboType", "TubeType", "Amp Type"};
  for (int value = -1; value <= 4; ++value) {
    EXPECT_EQ(VariationParamLabel(amp, value), ampLabels[value + 1]) << value;
  }
  EXPECT_EQ(VariationParamLabel(43, 2), "Drive");  // the value matters only for "Amp Type"

  // Addresses round-trip, and gaps are no slots.
  for (EffectKind kind : {EffectKind::Reverb, EffectKind::Chorus}) {
    for (std::size_t slot = 0; slot < EffectRowLength(kind); ++slot) {
      const auto address = EffectSlotAddress(kind, slot);
      ASSERT_TRUE(address.has_value());
      EXPECT_EQ(EffectSlotForAddress(kind, *address), slot);
    }
    EXPECT_FALSE(EffectSlotAddress(kind, EffectRowLength(kind)).has_value());
  }
  for (uint8_t gap : {0x0E, 0x0F, 0x16, 0x20}) {
    EXPECT_FALSE(EffectSlotForAddress(EffectKind::Reverb, gap).has_value()) << int(gap);
  }
  for (uint8_t gap : {0x1F, 0x2F, 0x36, 0x40}) {
    EXPECT_FALSE(EffectSlotForAddress(EffectKind::Chorus, gap).has_value()) << int(gap);
  }
  EXPECT_FALSE(EffectSlotForAddress(EffectKind::Variation, 0x42).has_value());
  for (std::size_t param = 1; param <= 16; ++param) {
    const auto address = VariationParamAddress(param);
    ASSERT_TRUE(address.has_value());
    EXPECT_EQ(VariationParamForAddress(*address), param);
  }
  EXPECT_EQ(VariationParamAddress(10), 0x54);
  EXPECT_EQ(VariationParamAddress(11), 0x70);
  EXPECT_FALSE(VariationParamAddress(0).has_value());
  EXPECT_FALSE(VariationParamAddress(17).has_value());
  for (uint8_t other : {0x41, 0x43, 0x55, 0x6F, 0x76}) {
    EXPECT_FALSE(VariationParamForAddress(other).has_value()) << int(other);
  }
  EXPECT_EQ(VariationSettingForAddress(0x60), 10u);
  EXPECT_FALSE(VariationSettingForAddress(0x55).has_value());
  EXPECT_FALSE(VariationSettingForAddress(0x61).has_value());

  EXPECT_EQ(VariationSettingReviewName(0x5B), "Part_Num");
  EXPECT_EQ(EffectSlotReviewName(EffectKind::Reverb, 0x10), "Rev_Delay");
  EXPECT_EQ(EffectSlotReviewName(EffectKind::Chorus, 0x2E), "To_Reverb");
  EXPECT_FALSE(EffectSlotReviewName(EffectKind::Reverb, 0x0E).has_value());
  EXPECT_FALSE(EffectSlotReviewName(EffectKind::Chorus, 0x2F).has_value());
  EXPECT_FALSE(EffectSlotReviewName(EffectKind::Variation, 0x42).has_value());
  EXPECT_FALSE(VariationSettingReviewName(0x61).has_value());

  // A Variation parameter as a descriptor: its address, form and the type's label.
  const ParameterDescriptor delay = VariationParameter(20, 0, 0);  // "Delay LCR" Param 1
  EXPECT_EQ(delay.address, 0x42);
  EXPECT_EQ(delay.form, WireForm::SevenBitPair);
  EXPECT_EQ(delay.label, VariationParamLabel(VariationParamDescriptor(20, 0), 0));
  EXPECT_EQ(VariationParameter(20, 10, 0).form, WireForm::Byte);
  EXPECT_EQ(VariationParameter(20, 10, 0).address, 0x70);
  const ParameterDescriptor unused = VariationParameter(0, 0, 0);  // "No Effect" uses none
  EXPECT_TRUE(unused.label.empty());
  EXPECT_EQ(unused.reviewName, "*Unused*");
}

void ExpectAllDefaults(const EffectRows& rows) {
  for (EffectKind kind : {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation}) {
    for (std::size_t type = 0; type < EffectTypeCount(kind); ++type) {
      EXPECT_EQ(rows.GetEffectRow(kind, type), DefaultEffectRow(kind, type));
    }
  }
  for (std::size_t type = 0; type < kVariationTypeCount; ++type) {
    EXPECT_EQ(rows.GetVariationSettings(type), kVariationSettingsDefaults);
  }
}

TEST(EffectRows, EachTypeKeepsItsOwnEditsUntilResetAndBadArgumentsChangeNothing) {
  EffectRows rows;
  ExpectAllDefaults(rows);
  // Reverb and Chorus rows never take a type number; Variation rows take every value.
  for (EffectKind kind : {EffectKind::Reverb, EffectKind::Chorus}) {
    EffectRow row(EffectRowLength(kind));
    for (int32_t& value : row.Values()) value = 99;
    ASSERT_TRUE(rows.PutEffectRow(kind, 1, row));
    const EffectRow stored = *rows.GetEffectRow(kind, 1);
    const EffectRow defaults = *DefaultEffectRow(kind, 1);
    EXPECT_EQ(stored[0], defaults[0]);
    EXPECT_EQ(stored[1], defaults[1]);
    EXPECT_EQ(stored[2], 99);
    EXPECT_EQ(stored.Values().back(), 99);
  }
  EXPECT_EQ(rows.GetEffectRow(EffectKind::Reverb, 3), DefaultEffectRow(EffectKind::Reverb, 3));
  EffectRow variation(kVariationParamCount);
  variation.Values()[0] = 7150;
  ASSERT_TRUE(rows.PutEffectRow(EffectKind::Variation, 20, variation));
  EXPECT_EQ(*rows.GetEffectRow(EffectKind::Variation, 20), variation);
  ASSERT_TRUE(rows.ResetEffectRow(EffectKind::Reverb, 1));
  EXPECT_EQ(rows.GetEffectRow(EffectKind::Reverb, 1), DefaultEffectRow(EffectKind::Reverb, 1));
  EXPECT_EQ((*rows.GetEffectRow(EffectKind::Chorus, 1))[2], 99);

  rows.SpreadConnectionAndPart(1, 0);
  rows.ResetAll();
  ExpectAllDefaults(rows);

  // Variation settings are per type, but for the connection and part, which spread.
  const VariationSettings edited{100, 10, 20, 30, 1, 3, 1, 2, 3, 4, 5};
  ASSERT_TRUE(rows.PutVariationSettings(20, edited));
  EXPECT_EQ(rows.GetVariationSettings(20), edited);
  rows.SpreadConnectionAndPart(kVariationConnectionSystem, 5);
  for (std::size_t type = 0; type < kVariationTypeCount; ++type) {
    const VariationSettings settings = *rows.GetVariationSettings(type);
    EXPECT_EQ(settings[4], 1) << type;
    EXPECT_EQ(settings[5], 5) << type;
  }
  EXPECT_EQ((*rows.GetVariationSettings(20))[0], 100);  // the rest stays per type
  EXPECT_EQ((*rows.GetVariationSettings(21))[0], 64);
  ASSERT_TRUE(rows.ResetVariationSettings(20));
  EXPECT_EQ(rows.GetVariationSettings(20), kVariationSettingsDefaults);

  // Bad arguments are refused and change nothing.
  rows.ResetAll();
  const EffectRow reverbRow = *rows.GetEffectRow(EffectKind::Reverb, 1);
  EXPECT_FALSE(rows.GetEffectRow(EffectKind::Reverb, 12).has_value());
  EXPECT_FALSE(rows.GetEffectRow(static_cast<EffectKind>(3), 0).has_value());
  EXPECT_FALSE(rows.PutEffectRow(EffectKind::Reverb, 12, reverbRow));
  EXPECT_FALSE(rows.PutEffectRow(EffectKind::Chorus, 1, reverbRow));  // 20 slots, not 21
  EffectRow tooLarge = reverbRow;
  tooLarge.Values()[2] = 30;
  tooLarge.Values()[5] = 256;
  EXPECT_FALSE(rows.PutEffectRow(EffectKind::Reverb, 1, tooLarge));
  EXPECT_EQ(rows.GetEffectRow(EffectKind::Reverb, 1), reverbRow);
  EXPECT_FALSE(rows.ResetEffectRow(EffectKind::Variation, 46));
  EXPECT_FALSE(rows.GetVariationSettings(46).has_value());
  EXPECT_FALSE(rows.PutVariationSettings(0, std::array<uint8_t, 10>{}));
  EXPECT_FALSE(rows.PutVariationSettings(46, kVariationSettingsDefaults));
  EXPECT_FALSE(rows.ResetVariationSettings(46));
  EXPECT_EQ(rows.GetVariationSettings(0), kVariationSettingsDefaults);
  EXPECT_EQ(EffectRow(kMaxEffectRowLength + 1).Size(), 0u);
}

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

// The later instruments' blocks: the extended type list, the insertion
// effects, the multi EQ with its response, the display text, and how the
// model holds them with each instrument model.

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
