#include <gtest/gtest.h>

#include <array>
#include <set>

#include "uservoice/UserVoiceElementFields.h"

namespace ravlo {
namespace {

TEST(UserVoiceElementFieldsTest, EachDialogHoldsItsFieldsTogetherInByteOrderWithinTheirBytes) {
  const std::array<std::size_t, kElementPageCount> counts{6, 8, 18, 24, 11, 11};
  std::size_t total = 0;
  for (std::size_t p = 0; p < kElementPageCount; ++p) {
    const auto fields = FieldsOf(static_cast<ElementPage>(p));
    EXPECT_EQ(fields.size(), counts[p]) << kElementPages[p].caption;
    std::set<std::string_view> names;
    int lastOffset = -1;
    for (const ElementField& field : fields) {
      SCOPED_TRACE(field.label);
      EXPECT_EQ(field.page, static_cast<ElementPage>(p));
      EXPECT_GT(field.offset, lastOffset);
      lastOffset = field.offset;
      EXPECT_TRUE(names.insert(field.name).second);
      EXPECT_GE(field.minimum, 0);
      EXPECT_LE(field.minimum, field.maximum);
      EXPECT_LE(field.maximum, field.kind == FieldKind::Pair ? 127 * 128 + 127 : 127);
      const std::size_t choices = field.kind == FieldKind::Choice ? field.maximum + 1 : 0;
      EXPECT_EQ(field.choices.size(), choices);
    }
    total += fields.size();
  }
  EXPECT_EQ(total, kElementFieldCount);
}

TEST(UserVoiceElementFieldsTest, PairsSplitIntoSevenBitHalvesAndValuesStayInRange) {
  UserVoiceElement element = DefaultUserVoiceElement();
  const ElementField& offset = kElementFields[76];  // Address Offset, bytes 77 and 78
  ASSERT_TRUE(WriteField(offset, 129, element));
  EXPECT_EQ(element[77], 1);
  EXPECT_EQ(element[78], 1);
  EXPECT_EQ(ReadField(offset, element), 129);
  EXPECT_FALSE(WriteField(offset, 16257, element));
  EXPECT_FALSE(WriteField(kElementFields[77], 56, element));  // Resonance Sensitivity 57..71
  EXPECT_EQ(ReadField(offset, element), 129);
  EXPECT_EQ(ReadField(kElementFields[14], element), 64);  // note shift: the raw default byte
  // A pan byte beyond the slider's end from a foreign dump still shows on it.
  EXPECT_EQ(PanViewOf(100).slider, 14);
}

}  // namespace
}  // namespace ravlo
