#include <gtest/gtest.h>

#include "parts/PartTable.h"
#include "parts/PartTemplates.h"

namespace ravlo {
namespace {

TEST(PartTable, ResetAndModeDefaults) {
  PartTable parts;
  PartRecord& record = *parts.Record(9);
  record[0x0B] = 0x10;
  ASSERT_TRUE(parts.ResetPart(9, 3));
  PartRecord expected = kNormalPartTemplate;
  expected[0x04] = 3;
  EXPECT_EQ(record, expected);
  ASSERT_TRUE(parts.ResetPart(5, -1));
  EXPECT_EQ((*parts.Record(5))[0x04], 5) << "a negative channel means the part's own number";
  EXPECT_FALSE(parts.ResetPart(16, 0));

  // A mode change takes exactly the mode-dependent bytes from the other template.
  record[0x0B] = 0x33;
  const PartRecord before = record;
  ASSERT_TRUE(parts.ApplyModeDefaults(9, true));
  for (std::size_t a = 0; a < kPartRecordSize; ++a) {
    const bool modeDependent = IsModeDependentPartAddress(static_cast<int>(a));
    EXPECT_EQ(record[a], modeDependent ? kDrumPartTemplate[a] : before[a]) << a;
  }
  EXPECT_EQ(&PartTable::TemplateFor(record), &kDrumPartTemplate);
  ASSERT_TRUE(parts.ApplyModeDefaults(9, false));
  EXPECT_EQ(record, before);
  EXPECT_FALSE(parts.ApplyModeDefaults(99, false));
  record[part_address::kPartMode] = 1;
  EXPECT_EQ(&PartTable::TemplateFor(record), &kNormalPartTemplate);
  record[part_address::kPartMode] = 3;
  EXPECT_EQ(&PartTable::TemplateFor(record), &kDrumPartTemplate);
}

TEST(PartTemplates, DifferOnlyInModeBytesAndReserveBankChannel) {
  int modeDependentCount = 0;
  for (int address = 0; address < 0x6F; ++address) {
    const bool modeDependent = IsModeDependentPartAddress(address);
    modeDependentCount += modeDependent;
    if (kNormalPartTemplate[address] != kDrumPartTemplate[address]) {
      EXPECT_TRUE(modeDependent || address == 0x00 || address == 0x01 || address == 0x04)
          << address;
    }
    // A drum part lacks nothing outside the mode-dependent bytes and the unused gap.
    if (kDrumPartTemplate[address] == 0xFF) {
      EXPECT_TRUE(modeDependent || (address >= 0x29 && address <= 0x2F)) << address;
    }
  }
  EXPECT_EQ(modeDependentCount, 32);
  EXPECT_FALSE(IsModeDependentPartAddress(-1));
  EXPECT_FALSE(IsModeDependentPartAddress(0x105));
}

}  // namespace
}  // namespace ravlo
