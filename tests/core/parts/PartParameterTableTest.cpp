#include <gtest/gtest.h>

#include <set>
#include <string>

#include "parts/PartParameterTable.h"
#include "parts/PartTemplates.h"

namespace ravlo {
namespace {

TEST(PartParameterTable, NamesAndDefaultsByAddress) {
  ASSERT_EQ(kPartParameterNames.size(), 112u);
  EXPECT_EQ(PartParameterName(0x0B), "Part_Volume ");
  EXPECT_EQ(PartParameterName(0x6E), "Veloc_LimitHi");
  for (int address : {0x6F, -1, 112}) EXPECT_EQ(PartParameterName(address), "") << address;
  EXPECT_EQ(FindPartParameter(-1), nullptr);
  EXPECT_EQ(FindPartParameter(0x6F), nullptr);

  // Names are empty exactly in the gap, else unique; the defaults are the templates (part 0's
  // channel); a drum part has none of the parameters whose editors are disabled for it.
  std::set<std::string_view> seen;
  for (int address = 0; address < 0x6F; ++address) {
    SCOPED_TRACE(address);
    const bool unused = address >= 0x29 && address <= 0x2F;
    const std::string_view name = PartParameterName(address);
    EXPECT_EQ(name.empty(), unused);
    EXPECT_TRUE(unused || seen.insert(name).second) << name;
    const PartParameterInfo* info = FindPartParameter(address);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->editor == PartEditor::None, unused);
    EXPECT_EQ(info->normalDefaultIsPartIndex, address == 0x04);
    EXPECT_EQ(info->normalDefault, kNormalPartTemplate[address]);
    EXPECT_EQ(info->drumDefault, kDrumPartTemplate[address]);
    if (info->editor == PartEditor::ScaleTuning ||
        info->editor == PartEditor::ControlPolyAftertouch ||
        info->editor == PartEditor::PitchEnvelope) {
      EXPECT_EQ(info->drumDefault, 0xFF);
    }
  }
}

}  // namespace
}  // namespace ravlo
