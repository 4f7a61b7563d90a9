#include <gtest/gtest.h>

#include "effects/EffectAddresses.h"
#include "effects/EffectLookups.h"

namespace ravlo {
namespace {

constexpr EffectKind kAllKinds[] = {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation};
constexpr EffectKind kBadKind = static_cast<EffectKind>(7);

TEST(EffectLookups, CountsNamesRowsAndTypeNumbers) {
  EXPECT_EQ(EffectTypeCount(kBadKind), 0u);
  EXPECT_EQ(EffectTypeName(EffectKind::Reverb, 1), "Hall 1");
  EXPECT_EQ(EffectTypeName(EffectKind::Chorus, 11), "Flanger 3");
  EXPECT_EQ(EffectTypeName(EffectKind::Variation, 45), "Through");
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

}  // namespace
}  // namespace ravlo
