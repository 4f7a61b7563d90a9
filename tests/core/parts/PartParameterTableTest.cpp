#include <gtest/gtest.h>

#include <set>
#include <string>

#include "parts/PartParameterTable.h"
#include "parts/PartTemplates.h"

namespace ravlo {
namespace {

bool IsUnusedAddress(int address) {
  return address >= 0x29 && address <= 0x2F;
}

TEST(PartParameterNames, TableShape) {
  ASSERT_EQ(kPartParameterNames.size(), 112u);
  EXPECT_EQ(PartParameterName(0x00), "ElmtReserve");
  EXPECT_EQ(PartParameterName(0x0B), "Part_Volume ");
  EXPECT_EQ(PartParameterName(0x28), "BendLFO_Amp");
  EXPECT_EQ(PartParameterName(0x30), "Rcv_Pitch_Bend");
  EXPECT_EQ(PartParameterName(0x6E), "Veloc_LimitHi");
  EXPECT_EQ(PartParameterName(0x6F), "");
  EXPECT_EQ(PartParameterName(-1), "");
  EXPECT_EQ(PartParameterName(112), "");
}

TEST(PartParameterNames, EmptyExactlyWhereNoParameterIsAndOtherwiseUnique) {
  std::set<std::string_view> seen;
  for (int address = 0; address < 0x6F; ++address) {
    const std::string_view name = PartParameterName(address);
    EXPECT_EQ(name.empty(), IsUnusedAddress(address)) << address;
    if (!name.empty()) {
      EXPECT_TRUE(seen.insert(name).second) << name;
    }
  }
}

TEST(PartParameters, DefaultColumnsAgreeWithTemplates) {
  ASSERT_EQ(kPartParameters.size(), kNormalPartTemplate.size());
  for (int address = 0; address < 0x6F; ++address) {
    const PartParameterInfo* info = FindPartParameter(address);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->normalDefaultIsPartIndex, address == 0x04) << address;
    // Part 0's own number is the template's receive channel.
    EXPECT_EQ(info->normalDefault, kNormalPartTemplate[address]) << address;
    EXPECT_EQ(info->drumDefault, kDrumPartTemplate[address]) << address;
  }
  EXPECT_EQ(FindPartParameter(-1), nullptr);
  EXPECT_EQ(FindPartParameter(0x6F), nullptr);
}

TEST(PartParameters, UnusedAddressesBelongToNoEditor) {
  for (int address = 0; address < 0x6F; ++address) {
    const PartParameterInfo& info = kPartParameters[address];
    EXPECT_EQ(info.editor == PartEditor::None, IsUnusedAddress(address)) << address;
    if (IsUnusedAddress(address)) {
      EXPECT_EQ(info.normalDefault, 0xFF);
      EXPECT_EQ(info.drumDefault, 0xFF);
    }
  }
}

// The Part window's sub-dialog buttons name the byte ranges they edit.
TEST(PartParameters, ControlButtonsCoverTheirRanges) {
  struct Range {
    int first;
    int last;
    PartEditor editor;
  };
  const Range ranges[] = {{0x1D, 0x22, PartEditor::ControlModulation},
                          {0x23, 0x28, PartEditor::ControlBend},
                          {0x4D, 0x52, PartEditor::ControlChannelAftertouch},
                          {0x53, 0x58, PartEditor::ControlPolyAftertouch},
                          {0x59, 0x5F, PartEditor::AssignableController1},
                          {0x60, 0x66, PartEditor::AssignableController2}};
  for (const Range& range : ranges) {
    for (int address = 0; address < 0x6F; ++address) {
      const bool inside = address >= range.first && address <= range.last;
      EXPECT_EQ(kPartParameters[address].editor == range.editor, inside) << address;
    }
  }
}

// Scale tuning, poly aftertouch and pitch envelope are disabled for drum parts: a drum part has
// none of their parameters.
TEST(PartParameters, EditorsDisabledForDrumPartsEditOnlyAbsentBytes) {
  for (const PartParameterInfo& info : kPartParameters) {
    if (info.editor == PartEditor::ScaleTuning ||
        info.editor == PartEditor::ControlPolyAftertouch ||
        info.editor == PartEditor::PitchEnvelope) {
      EXPECT_EQ(info.drumDefault, 0xFF);
    }
  }
}

}  // namespace
}  // namespace ravlo
