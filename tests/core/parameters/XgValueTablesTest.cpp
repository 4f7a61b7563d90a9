#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "parameters/XgValueTables.h"

namespace ravlo {
namespace {

void ExpectRising(std::span<const double> table) {
  for (std::size_t i = 1; i < table.size(); ++i) {
    EXPECT_LT(table[i - 1], table[i]) << "entry " << i;
  }
}

// Length, rise and the printed ends of each published table.
TEST(XgValueTables, LfoFrequencyIsTableOne) {
  ASSERT_EQ(kLfoFrequencyHz.size(), 128u);
  ExpectRising(kLfoFrequencyHz);
  EXPECT_DOUBLE_EQ(kLfoFrequencyHz.front(), 0.0);
  EXPECT_DOUBLE_EQ(kLfoFrequencyHz[64], 2.69);
  EXPECT_DOUBLE_EQ(kLfoFrequencyHz.back(), 39.7);
}

TEST(XgValueTables, ModulationDelayIsTableTwo) {
  ASSERT_EQ(kModulationDelayMs.size(), 128u);
  ExpectRising(kModulationDelayMs);
  EXPECT_DOUBLE_EQ(kModulationDelayMs.front(), 0.0);
  EXPECT_DOUBLE_EQ(kModulationDelayMs[100], 10.0);
  EXPECT_DOUBLE_EQ(kModulationDelayMs.back(), 50.0);
}

TEST(XgValueTables, EqFrequencyIsTableThree) {
  ASSERT_EQ(kEqFrequencyHz.size(), 61u);
  ExpectRising(kEqFrequencyHz);
  EXPECT_DOUBLE_EQ(kEqFrequencyHz.front(), 20.0);
  EXPECT_DOUBLE_EQ(kEqFrequencyHz[34], 1000.0);
  EXPECT_DOUBLE_EQ(kEqFrequencyHz.back(), 20000.0);
}

TEST(XgValueTables, ReverbTimeIsTableFour) {
  ASSERT_EQ(kReverbTimeSeconds.size(), 70u);
  ExpectRising(kReverbTimeSeconds);
  EXPECT_DOUBLE_EQ(kReverbTimeSeconds.front(), 0.3);
  EXPECT_DOUBLE_EQ(kReverbTimeSeconds[47], 5.0);
  EXPECT_DOUBLE_EQ(kReverbTimeSeconds.back(), 30.0);
}

TEST(XgValueTables, DelayTimesAreTablesFiveAndSeven) {
  ASSERT_EQ(kDelayTime200Ms.size(), 128u);
  ExpectRising(kDelayTime200Ms);
  EXPECT_DOUBLE_EQ(kDelayTime200Ms.front(), 0.1);
  EXPECT_DOUBLE_EQ(kDelayTime200Ms[63], 99.3);
  EXPECT_DOUBLE_EQ(kDelayTime200Ms.back(), 200.0);
  ASSERT_EQ(kDelayTime400Ms.size(), 128u);
  ExpectRising(kDelayTime400Ms);
  EXPECT_DOUBLE_EQ(kDelayTime400Ms.front(), 0.1);
  EXPECT_DOUBLE_EQ(kDelayTime400Ms.back(), 400.0);
}

TEST(XgValueTables, RoomSizeIsTableSix) {
  ASSERT_EQ(kRoomSizeMetres.size(), 45u);
  ExpectRising(kRoomSizeMetres);
  EXPECT_DOUBLE_EQ(kRoomSizeMetres.front(), 0.1);
  EXPECT_DOUBLE_EQ(kRoomSizeMetres.back(), 7.0);
}

TEST(XgValueTables, LevelsAreMinusInfinityAtZeroUnityAt64AndSixDecibelsAtTheTop) {
  EXPECT_TRUE(std::isinf(LevelDecibels(0)));
  EXPECT_DOUBLE_EQ(LevelDecibels(64), 0.0);
  EXPECT_NEAR(LevelDecibels(127), 6.0, 0.05);
  EXPECT_NEAR(LevelDecibels(32), -6.0, 0.03);
}

TEST(XgValueTables, ReverbDimensionIsTableEleven) {
  ASSERT_EQ(kReverbDimensionMetres.size(), 105u);
  ExpectRising(kReverbDimensionMetres);
  EXPECT_DOUBLE_EQ(kReverbDimensionMetres.front(), 0.5);
  EXPECT_DOUBLE_EQ(kReverbDimensionMetres[37], 10.2);
  EXPECT_DOUBLE_EQ(kReverbDimensionMetres.back(), 30.2);
}

}  // namespace
}  // namespace ravlo
