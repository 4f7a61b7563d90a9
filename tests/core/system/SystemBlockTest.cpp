#include <gtest/gtest.h>

#include "system/SystemBlock.h"

namespace ravlo {
namespace {

TEST(SystemBlock, TuneEncodesAsFourNibblesAndClamps) {
  EXPECT_EQ(SystemBlock::EncodeTune(-1024), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
  EXPECT_EQ(SystemBlock::EncodeTune(1023), (std::array<std::uint8_t, 4>{0, 7, 15, 15}));
  EXPECT_EQ(SystemBlock::EncodeTune(0), (std::array<std::uint8_t, 4>{0, 4, 0, 0}));
  EXPECT_EQ(SystemBlock::EncodeTune(100), (std::array<std::uint8_t, 4>{0, 4, 6, 4}));
  EXPECT_EQ(SystemBlock::EncodeTune(5000), SystemBlock::EncodeTune(1023));
  EXPECT_EQ(SystemBlock::DecodeTune(0, 4, 6, 4), 100);
}

TEST(SystemBlock, WriteAndReadRoundTripClamped) {
  SystemBlock block;
  block.Bytes()[0] = 3;  // a stray first nibble
  block.WriteSystemBlock({-1024, 127, -24});
  EXPECT_EQ(block.Bytes(), (SystemBytes{0, 0, 0, 0, 0x7F, 0x00, 0x28}));
  block.WriteSystemBlock({2000, 300, 99});
  EXPECT_EQ(block.ReadSystemBlock().tune, 1023);
  EXPECT_EQ(block.ReadSystemBlock().volume, 127);
  EXPECT_EQ(block.ReadSystemBlock().transpose, 24);
  block.ResetToDefaults();
  EXPECT_EQ(block.ReadSystemBlock().tune, 0);
  EXPECT_EQ(block.ReadSystemBlock().transpose, 0);
}

}  // namespace
}  // namespace ravlo
