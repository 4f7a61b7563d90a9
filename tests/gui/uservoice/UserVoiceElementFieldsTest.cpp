#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "uservoice/UserVoiceElementFields.h"

namespace ravlo {
namespace {

TEST(UserVoiceElementFieldsTest, EveryElementByteBelongsToExactlyOneField) {
  std::array<int, kUserVoiceElementSize> owners{};
  for (const ElementField& field : kElementFields) {
    for (int i = 0; i < FieldWidth(field); ++i) {
      const auto at = static_cast<std::size_t>(field.offset + i);
      ASSERT_LT(at, kUserVoiceElementSize) << field.label;
      ++owners[at];
    }
  }
  for (std::size_t at = 0; at < owners.size(); ++at) EXPECT_EQ(owners[at], 1) << "byte " << at;
}

TEST(UserVoiceElementFieldsTest, EachDialogHoldsItsFieldsTogetherInByteOrder) {
  std::size_t total = 0;
  const std::array<std::size_t, kElementPageCount> expected{6, 8, 18, 24, 11, 11};
  for (std::size_t p = 0; p < kElementPageCount; ++p) {
    const auto fields = FieldsOf(static_cast<ElementPage>(p));
    EXPECT_EQ(fields.size(), expected[p]) << kElementPages[p].caption;
    std::set<std::string_view> names;
    int lastOffset = -1;
    for (const ElementField& field : fields) {
      EXPECT_EQ(field.page, static_cast<ElementPage>(p));
      EXPECT_GT(field.offset, lastOffset);
      lastOffset = field.offset;
      EXPECT_TRUE(names.insert(field.name).second) << field.name;
    }
    total += fields.size();
  }
  EXPECT_EQ(total, kElementFieldCount);
}

TEST(UserVoiceElementFieldsTest, RangesFitTheirBytesAndChoicesMatchTheirRange) {
  for (const ElementField& field : kElementFields) {
    EXPECT_LE(field.minimum, field.maximum) << field.label;
    EXPECT_GE(field.minimum, 0) << field.label;
    EXPECT_LE(field.maximum, field.kind == FieldKind::Pair ? 127 * 128 + 127 : 127) << field.label;
    if (field.kind == FieldKind::Choice) {
      EXPECT_EQ(field.minimum, 0) << field.label;
      EXPECT_EQ(static_cast<int>(field.choices.size()), field.maximum + 1) << field.label;
    } else {
      EXPECT_TRUE(field.choices.empty()) << field.label;
    }
  }
}

const ElementField& FieldAt(int offset) {
  for (const ElementField& field : kElementFields)
    if (field.offset == offset) return field;
  ADD_FAILURE() << "no field at " << offset;
  return kElementFields.front();
}

TEST(UserVoiceElementFieldsTest, TwoByteValuesSplitIntoSevenBitHalves) {
  UserVoiceElement element = DefaultUserVoiceElement();
  const ElementField& wave = FieldAt(0);
  ASSERT_TRUE(WriteField(wave, 300, element));
  EXPECT_EQ(element[0], 2);
  EXPECT_EQ(element[1], 44);
  EXPECT_EQ(ReadField(wave, element), 300);
  EXPECT_FALSE(WriteField(wave, 528, element));
  EXPECT_EQ(ReadField(wave, element), 300);

  const ElementField& offset = FieldAt(77);
  EXPECT_EQ(offset.label, "Address Offset");
  ASSERT_TRUE(WriteField(offset, 16256, element));
  EXPECT_EQ(element[77], 127);
  EXPECT_EQ(element[78], 0);
  ASSERT_TRUE(WriteField(offset, 129, element));
  EXPECT_EQ(element[77], 1);
  EXPECT_EQ(element[78], 1);
  EXPECT_FALSE(WriteField(offset, 16257, element));
  EXPECT_FALSE(WriteField(offset, -1, element));
}

TEST(UserVoiceElementFieldsTest, CentredValuesAreShownRawAndKeptInRange) {
  UserVoiceElement element = DefaultUserVoiceElement();
  const ElementField& noteShift = FieldAt(15);
  EXPECT_EQ(ReadField(noteShift, element), 64);  // the default byte, not 0
  EXPECT_FALSE(WriteField(noteShift, 31, element));
  EXPECT_TRUE(WriteField(noteShift, 96, element));
  EXPECT_EQ(element[15], 96);
  const ElementField& resonanceSens = FieldAt(79);
  EXPECT_FALSE(WriteField(resonanceSens, 72, element));
  EXPECT_TRUE(WriteField(resonanceSens, 57, element));
  EXPECT_EQ(element[79], 57);
}

TEST(UserVoiceElementFieldsTest, ScalingPanIsFifteenEitherWay) {
  EXPECT_EQ(PanByteOf({true, 9}), 15);
  EXPECT_EQ(PanByteOf({false, 9}), 9);
  EXPECT_EQ(PanByteOf({false, 14}), 14);
  const PanView scaling = PanViewOf(15);
  EXPECT_TRUE(scaling.scaling);
  EXPECT_EQ(scaling.slider, 0);
  const PanView plain = PanViewOf(7);
  EXPECT_FALSE(plain.scaling);
  EXPECT_EQ(plain.slider, 7);
  // A byte beyond the slider's end from a foreign dump still shows on it.
  EXPECT_EQ(PanViewOf(100).slider, 14);
  EXPECT_FALSE(PanViewOf(100).scaling);
}

}  // namespace
}  // namespace ravlo
