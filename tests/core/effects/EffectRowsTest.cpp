#include <gtest/gtest.h>

#include <array>

#include "effects/EffectLookups.h"
#include "effects/EffectRows.h"

namespace ravlo {
namespace {

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

}  // namespace
}  // namespace ravlo
