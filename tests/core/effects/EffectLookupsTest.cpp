#include <gtest/gtest.h>

#include "effects/EffectAddresses.h"
#include "effects/EffectLookups.h"

namespace ravlo {
namespace {

constexpr EffectKind kAllKinds[] = {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation};

TEST(EffectLookups, TypeNamesAndBadIndices) {
  EXPECT_EQ(EffectTypeName(EffectKind::Reverb, 1), "Hall 1");
  EXPECT_EQ(EffectTypeName(EffectKind::Reverb, 11), "Basement");
  EXPECT_EQ(EffectTypeName(EffectKind::Reverb, 12), "----");
  EXPECT_EQ(EffectTypeName(EffectKind::Chorus, 11), "Flanger 3");
  EXPECT_EQ(EffectTypeName(EffectKind::Chorus, 12), "----");
  EXPECT_EQ(EffectTypeName(EffectKind::Variation, 45), "Through");
  EXPECT_EQ(EffectTypeName(EffectKind::Variation, 46), "----");
  EXPECT_EQ(EffectTypeName(EffectKind::Variation, static_cast<std::size_t>(-1)), "----");
  EXPECT_EQ(EffectTypeName(static_cast<EffectKind>(7), 0), "----");
}

TEST(EffectLookups, CountsLengthsAndXgDefaults) {
  EXPECT_EQ(EffectTypeCount(EffectKind::Reverb), 12u);
  EXPECT_EQ(EffectTypeCount(EffectKind::Chorus), 12u);
  EXPECT_EQ(EffectTypeCount(EffectKind::Variation), 46u);
  EXPECT_EQ(EffectRowLength(EffectKind::Reverb), 20u);
  EXPECT_EQ(EffectRowLength(EffectKind::Chorus), 21u);
  EXPECT_EQ(EffectRowLength(EffectKind::Variation), 16u);
  EXPECT_EQ(XgDefaultEffectType(EffectKind::Reverb), 1u);
  EXPECT_EQ(XgDefaultEffectType(EffectKind::Chorus), 1u);
  EXPECT_EQ(XgDefaultEffectType(EffectKind::Variation), 20u);
  EXPECT_EQ(EffectTypeCount(static_cast<EffectKind>(7)), 0u);
}

TEST(EffectLookups, FindTypeByNumberInvertsTheTables) {
  for (EffectKind kind : kAllKinds) {
    for (std::size_t type = 0; type < EffectTypeCount(kind); ++type) {
      uint8_t msb = 0;
      uint8_t lsb = 0;
      if (kind == EffectKind::Variation) {
        msb = kVariationTypes[type].typeMsb;
        lsb = kVariationTypes[type].typeLsb;
      } else {
        const auto row = DefaultEffectRow(kind, type);
        ASSERT_TRUE(row.has_value());
        msb = static_cast<uint8_t>(row->Values()[0]);
        lsb = static_cast<uint8_t>(row->Values()[1]);
      }
      EXPECT_EQ(FindEffectType(kind, msb, lsb), type) << EffectTypeName(kind, type);
    }
  }
  EXPECT_EQ(FindEffectType(EffectKind::Reverb, 4, 0), 8u);              // "Plate"
  EXPECT_EQ(FindEffectType(EffectKind::Variation, 64, 0), 45u);         // "Through"
  EXPECT_FALSE(FindEffectType(EffectKind::Reverb, 65, 0).has_value());  // a Chorus type
  EXPECT_FALSE(FindEffectType(EffectKind::Chorus, 1, 0).has_value());
  EXPECT_FALSE(FindEffectType(EffectKind::Variation, 5, 1).has_value());
}

TEST(EffectLookups, DefaultRowsHaveTheKindsShape) {
  for (EffectKind kind : kAllKinds) {
    const auto row = DefaultEffectRow(kind, 0);
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->Size(), EffectRowLength(kind));
    EXPECT_FALSE(DefaultEffectRow(kind, EffectTypeCount(kind)).has_value());
  }
  EXPECT_EQ(DefaultEffectRow(EffectKind::Variation, 20)->Values()[0], 3330);
}

TEST(EffectLookups, SlotRanges) {
  EXPECT_EQ(EffectParamRange(EffectKind::Reverb, 2), (ParamRange{0, 69}));
  EXPECT_EQ(EffectParamRange(EffectKind::Reverb, 18), (ParamRange{1, 127}));
  EXPECT_EQ(EffectParamRange(EffectKind::Chorus, 19), (ParamRange{0, 1}));
  EXPECT_EQ(EffectParamRange(EffectKind::Chorus, 4), (ParamRange{1, 127}));
  for (std::size_t slot : {0u, 1u, 17u, 19u, 20u, 1000u}) {
    EXPECT_FALSE(EffectParamRange(EffectKind::Reverb, slot).has_value()) << slot;
  }
  for (std::size_t slot : {0u, 6u, 15u, 16u, 17u, 20u, 21u}) {
    EXPECT_FALSE(EffectParamRange(EffectKind::Chorus, slot).has_value()) << slot;
  }
  EXPECT_FALSE(EffectParamRange(EffectKind::Variation, 2).has_value());
}

TEST(EffectLookups, VariationParameters) {
  EXPECT_FALSE(VariationHasParams(0));
  EXPECT_FALSE(VariationHasParams(45));
  EXPECT_FALSE(VariationHasParams(46));
  EXPECT_TRUE(VariationHasParams(1));
  EXPECT_TRUE(VariationHasParams(44));

  EXPECT_EQ(VariationParamDescriptor(20, 0), 20u);  // "LChnDelay"
  EXPECT_EQ(VariationParamDescriptor(20, 7), 0u);
  EXPECT_EQ(VariationParamDescriptor(44, 10), 58u);
  EXPECT_EQ(VariationParamDescriptor(46, 0), 0u);
  EXPECT_EQ(VariationParamDescriptor(20, 16), 0u);

  EXPECT_EQ(VariationParamLabel(20, 0), "LChnDelay");
  EXPECT_EQ(VariationParamLabel(0, 0), "");
  EXPECT_EQ(VariationParamLabel(62, 0), "");
  EXPECT_EQ(VariationParamRange(20), (ParamRange{1, 7150}));
  EXPECT_EQ(VariationParamRange(61), (ParamRange{14, 114}));
  EXPECT_FALSE(VariationParamRange(0).has_value());
  EXPECT_FALSE(VariationParamRange(62).has_value());
}

TEST(EffectLookups, AmpTypeLabelFollowsTheCurrentValue) {
  const std::size_t amp = VariationParamDescriptor(39, 1);  // "Amp Simulator", parameter 2
  ASSERT_EQ(amp, kAmpTypeDescriptor);
  EXPECT_EQ(VariationParamLabel(amp, 0), "Type_Off");
  EXPECT_EQ(VariationParamLabel(amp, 1), "StackType");
  EXPECT_EQ(VariationParamLabel(amp, 2), "ComboType");
  EXPECT_EQ(VariationParamLabel(amp, 3), "TubeType");
  EXPECT_EQ(VariationParamLabel(amp, 4), "Amp Type");
  EXPECT_EQ(VariationParamLabel(amp, -1), "Amp Type");
  EXPECT_EQ(VariationParamLabel(43, 2), "Drive");  // the value matters only for "Amp Type"
}

TEST(EffectAddresses, SlotAddressesRoundTrip) {
  for (EffectKind kind : {EffectKind::Reverb, EffectKind::Chorus}) {
    for (std::size_t slot = 0; slot < EffectRowLength(kind); ++slot) {
      const auto address = EffectSlotAddress(kind, slot);
      ASSERT_TRUE(address.has_value());
      EXPECT_EQ(EffectSlotForAddress(kind, *address), slot);
    }
    EXPECT_FALSE(EffectSlotAddress(kind, EffectRowLength(kind)).has_value());
  }
  for (uint8_t gap : {0x0E, 0x0F, 0x16, 0x1F, 0x20}) {
    EXPECT_FALSE(EffectSlotForAddress(EffectKind::Reverb, gap).has_value()) << int(gap);
  }
  for (uint8_t gap : {0x1F, 0x2F, 0x36, 0x3F, 0x40}) {
    EXPECT_FALSE(EffectSlotForAddress(EffectKind::Chorus, gap).has_value()) << int(gap);
  }
  EXPECT_FALSE(EffectSlotForAddress(EffectKind::Variation, 0x42).has_value());
  EXPECT_EQ(EffectTypeAddress(EffectKind::Chorus), 0x20);
  EXPECT_EQ(EffectTypeAddress(EffectKind::Variation), 0x40);
}

TEST(EffectAddresses, VariationParameterAndSettingAddresses) {
  for (std::size_t param = 1; param <= 16; ++param) {
    const auto address = VariationParamAddress(param);
    ASSERT_TRUE(address.has_value());
    EXPECT_EQ(VariationParamForAddress(*address), param);
  }
  EXPECT_EQ(VariationParamAddress(1), 0x42);
  EXPECT_EQ(VariationParamAddress(10), 0x54);
  EXPECT_EQ(VariationParamAddress(11), 0x70);
  EXPECT_EQ(VariationParamAddress(16), 0x75);
  EXPECT_FALSE(VariationParamAddress(0).has_value());
  EXPECT_FALSE(VariationParamAddress(17).has_value());
  for (uint8_t other : {0x40, 0x41, 0x43, 0x55, 0x56, 0x6F, 0x76}) {
    EXPECT_FALSE(VariationParamForAddress(other).has_value()) << int(other);
  }
  EXPECT_EQ(VariationSettingForAddress(0x56), 0u);
  EXPECT_EQ(VariationSettingForAddress(0x60), 10u);
  EXPECT_FALSE(VariationSettingForAddress(0x55).has_value());
  EXPECT_FALSE(VariationSettingForAddress(0x61).has_value());
}

TEST(EffectAddresses, ReviewNames) {
  EXPECT_EQ(ReverbReviewName(0x00), "RevTypeMSB");
  EXPECT_EQ(ReverbReviewName(0x0D), "Rev_Pan");
  EXPECT_EQ(ReverbReviewName(0x10), "Rev_Delay");
  EXPECT_EQ(ReverbReviewName(0x15), "Unused_2");
  EXPECT_FALSE(ReverbReviewName(0x0E).has_value());
  EXPECT_FALSE(ReverbReviewName(0x16).has_value());
  EXPECT_EQ(ChorusReviewName(0x20), "Chorus_MSB");
  EXPECT_EQ(ChorusReviewName(0x2E), "To_Reverb");
  EXPECT_EQ(ChorusReviewName(0x30), "Unused_2");
  EXPECT_EQ(ChorusReviewName(0x35), "Unused_5");
  EXPECT_FALSE(ChorusReviewName(0x2F).has_value());
  EXPECT_FALSE(ChorusReviewName(0x00).has_value());
  EXPECT_EQ(VariationSettingReviewName(0x56), "ReturnLvl");
  EXPECT_EQ(VariationSettingReviewName(0x5B), "Part_Num");
  EXPECT_EQ(VariationSettingReviewName(0x60), "AC2_Depth");
  EXPECT_FALSE(VariationSettingReviewName(0x61).has_value());
}

}  // namespace
}  // namespace ravlo
