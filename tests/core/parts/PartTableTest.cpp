#include <gtest/gtest.h>

#include "parts/PartTable.h"
#include "parts/PartTemplates.h"

namespace ravlo {
namespace {

TEST(PartTable, ResetPartTakesTheNormalTemplateWithTheGivenChannel) {
  PartTable parts;
  (*parts.Record(9))[0x0B] = 0x10;
  ASSERT_TRUE(parts.ResetPart(9, 3));
  PartRecord expected = kNormalPartTemplate;
  expected[0x04] = 3;
  EXPECT_EQ(*parts.Record(9), expected);
  ASSERT_TRUE(parts.ResetPart(5, -1));
  EXPECT_EQ((*parts.Record(5))[0x04], 5) << "a negative channel means the part's own number";
  EXPECT_FALSE(parts.ResetPart(16, 0));
  EXPECT_FALSE(parts.ResetPart(-1, 0));
}

TEST(PartTable, ModeDefaultsChangeExactlyTheModeDependentBytes) {
  PartTable parts;
  PartRecord& record = *parts.Record(2);
  record[0x0B] = 0x33;  // volume
  record[0x0E] = 0x22;  // pan
  record[0x12] = 0x11;  // chorus send
  const PartRecord before = record;
  ASSERT_TRUE(parts.ApplyModeDefaults(2, true));
  for (int address = 0; address < static_cast<int>(kPartRecordSize); ++address) {
    const auto a = static_cast<std::size_t>(address);
    if (IsModeDependentPartAddress(address)) {
      EXPECT_EQ(record[a], kDrumPartTemplate[a]) << std::hex << address;
    } else {
      EXPECT_EQ(record[a], before[a]) << std::hex << address;
    }
  }
  EXPECT_EQ(record[part_address::kPartMode], 2);
  ASSERT_TRUE(parts.ApplyModeDefaults(2, false));
  EXPECT_EQ(record, before);
  EXPECT_FALSE(parts.ApplyModeDefaults(99, false));
}

TEST(PartTable, TheTemplateFollowsThePartMode) {
  PartRecord record = kNormalPartTemplate;
  EXPECT_EQ(&PartTable::TemplateFor(record), &kNormalPartTemplate);
  record[part_address::kPartMode] = 1;
  EXPECT_EQ(&PartTable::TemplateFor(record), &kNormalPartTemplate);
  record[part_address::kPartMode] = 3;
  EXPECT_EQ(&PartTable::TemplateFor(record), &kDrumPartTemplate);
}

}  // namespace
}  // namespace ravlo
