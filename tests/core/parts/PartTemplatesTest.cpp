#include <gtest/gtest.h>

#include "parts/PartTemplates.h"

namespace ravlo {
namespace {

bool IsUnusedAddress(int address) {
  return address >= 0x29 && address <= 0x2F;
}

TEST(PartTemplates, DifferOnlyInModeBytesAndReserveBankChannel) {
  for (int address = 0; address < 0x6F; ++address) {
    if (kNormalPartTemplate[address] == kDrumPartTemplate[address]) continue;
    const bool expected = IsModeDependentPartAddress(address) || address == 0x00 ||
                          address == 0x01 || address == 0x04;
    EXPECT_TRUE(expected) << address;
  }
  // A drum part lacks nothing outside the mode-dependent bytes and the unused gap.
  for (int address = 0; address < 0x6F; ++address) {
    if (kDrumPartTemplate[address] == 0xFF) {
      EXPECT_TRUE(IsModeDependentPartAddress(address) || IsUnusedAddress(address)) << address;
    }
  }
}

TEST(PartTemplates, ModeDependentAddressesAndSelection) {
  EXPECT_EQ(kModeDependentPartAddresses.size(), 32u);
  EXPECT_TRUE(IsModeDependentPartAddress(0x05));
  EXPECT_TRUE(IsModeDependentPartAddress(0x07));
  EXPECT_TRUE(IsModeDependentPartAddress(0x4C));
  EXPECT_TRUE(IsModeDependentPartAddress(0x6C));
  EXPECT_FALSE(IsModeDependentPartAddress(0x04));
  EXPECT_FALSE(IsModeDependentPartAddress(0x0B));
  EXPECT_FALSE(IsModeDependentPartAddress(0x6D));
  EXPECT_FALSE(IsModeDependentPartAddress(-1));
  EXPECT_FALSE(IsModeDependentPartAddress(0x100 + 0x05));
  EXPECT_EQ(PartTemplateFor(true)[0x07], 0x02);
  EXPECT_EQ(PartTemplateFor(false)[0x07], 0x00);
}

}  // namespace
}  // namespace ravlo
