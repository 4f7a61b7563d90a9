#include <gtest/gtest.h>

#include <set>
#include <string>

#include "parts/PartParameterTable.h"
#include "parts/PartTemplates.h"

namespace ravlo {
namespace {

TEST(PartParameterTable, NamesAndDefaultsByAddress) {
  ASSERT_EQ(kPartParameters.size(), 111u);
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
    const PartParameter* info = FindPartParameter(address);
    ASSERT_NE(info, nullptr);
    const ParameterDescriptor& parameter = info->parameter;
    EXPECT_EQ(info->editor == PartEditor::None, unused);
    EXPECT_EQ(parameter.defaultFrom == DefaultFrom::PartNumber, address == 0x04);
    if (info->editor == PartEditor::ScaleTuning ||
        info->editor == PartEditor::ControlPolyAftertouch ||
        info->editor == PartEditor::PitchEnvelope) {
      EXPECT_EQ(parameter.drumDefault, 0xFF);
    }
    if (unused || parameter.label.empty()) continue;
    // A parameter with a field: its shown range maps into the data bytes, and
    // the defaults a part has lie in it.
    const int last = parameter.form == WireForm::NibblePair ? 0xFF : 0x7F;
    EXPECT_GE(parameter.Stored(parameter.minimum), 0);
    EXPECT_LE(parameter.Stored(parameter.maximum), last);
    EXPECT_FALSE(parameter.name.empty());
    for (int byte : {parameter.defaultValue, parameter.drumDefault}) {
      if (byte == 0xFF || parameter.form == WireForm::NibblePair || address == 0x04) continue;
      EXPECT_TRUE(parameter.InRange(parameter.Shown(byte))) << byte;
    }
    if (!parameter.choices.empty()) {
      EXPECT_EQ(parameter.choices.size(), static_cast<std::size_t>(parameter.maximum + 1));
    }
  }
}

}  // namespace
}  // namespace ravlo
