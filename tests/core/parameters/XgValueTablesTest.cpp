#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <utility>
#include <vector>

#include "parameters/XgValueTables.h"

namespace ravlo {
namespace {

void ExpectRising(std::span<const double> table) {
  for (std::size_t i = 1; i < table.size(); ++i) {
    EXPECT_LT(table[i - 1], table[i]) << "entry " << i;
  }
}

// Length, rise and the printed ends of each published table.
TEST(XgValueTables, EachTableHasItsLengthRisesAndReadsAsPrinted) {
  const struct {
    const char* name;
    std::span<const double> table;
    std::size_t size;
    std::vector<std::pair<std::size_t, double>> printed;
  } tables[] = {
      {"LFO frequency, table 1", kLfoFrequencyHz, 128, {{0, 0.0}, {64, 2.69}, {127, 39.7}}},
      {"modulation delay, table 2", kModulationDelayMs, 128, {{0, 0.0}, {100, 10.0}, {127, 50.0}}},
      {"EQ frequency, table 3", kEqFrequencyHz, 61, {{0, 20.0}, {34, 1000.0}, {60, 20000.0}}},
      {"reverb time, table 4", kReverbTimeSeconds, 70, {{0, 0.3}, {47, 5.0}, {69, 30.0}}},
      {"delay time 200, table 5", kDelayTime200Ms, 128, {{0, 0.1}, {63, 99.3}, {127, 200.0}}},
      {"room size, table 6", kRoomSizeMetres, 45, {{0, 0.1}, {44, 7.0}}},
      {"delay time 400, table 7", kDelayTime400Ms, 128, {{0, 0.1}, {127, 400.0}}},
      {"reverb dimension, 11", kReverbDimensionMetres, 105, {{0, 0.5}, {37, 10.2}, {104, 30.2}}},
  };
  for (const auto& t : tables) {
    SCOPED_TRACE(t.name);
    ASSERT_EQ(t.table.size(), t.size);
    ExpectRising(t.table);
    for (const auto& [index, value] : t.printed) EXPECT_DOUBLE_EQ(t.table[index], value) << index;
  }
}

TEST(XgValueTables, LevelsAreMinusInfinityAtZeroUnityAt64AndSixDecibelsAtTheTop) {
  EXPECT_TRUE(std::isinf(LevelDecibels(0)));
  EXPECT_DOUBLE_EQ(LevelDecibels(64), 0.0);
  EXPECT_NEAR(LevelDecibels(127), 6.0, 0.05);
  EXPECT_NEAR(LevelDecibels(32), -6.0, 0.03);
}

}  // namespace
}  // namespace ravlo
