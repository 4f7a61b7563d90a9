#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <array>
#include <set>

#include "shapes/ElementShapes.h"
#include "support/RecordingPrompts.h"
#include "uservoice/CElementDlg.h"
#include "uservoice/UserVoiceElementFields.h"
#include "widgets/CurveView.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

// Every field inside its range, away from its ends.
UserVoiceElement MidRangeElement() {
  UserVoiceElement element{};
  for (const ElementField& field : kElementFields)
    WriteField(field, (field.minimum + field.maximum + 1) / 2, element);
  return element;
}

class ElementDlgTest : public ::testing::Test {
 protected:
  test::RecordingPrompts prompts;
};

// The fields of each dialog lie in byte order, one field to a byte, each
// inside what its bytes hold; each dialog writes back only its own bytes.
TEST_F(ElementDlgTest, EveryByteHasOneFieldAndEachDialogWritesBackOnlyItsOwn) {
  const std::array<std::size_t, kElementPageCount> counts{6, 8, 18, 24, 11, 11};
  const UserVoiceElement shown = MidRangeElement();
  std::array<int, kUserVoiceElementSize> owners{};
  std::size_t total = 0;
  for (std::size_t p = 0; p < kElementPageCount; ++p) {
    SCOPED_TRACE(kElementPages[p].caption);
    const auto page = static_cast<ElementPage>(p);
    EXPECT_EQ(FieldsOf(page).size(), counts[p]);
    total += FieldsOf(page).size();
    std::array<bool, kUserVoiceElementSize> own{};
    std::set<std::string_view> names;
    int lastOffset = -1;
    for (const ElementField& field : FieldsOf(page)) {
      SCOPED_TRACE(field.label);
      EXPECT_EQ(field.page, page);
      EXPECT_GT(field.offset, lastOffset);
      lastOffset = field.offset;
      EXPECT_TRUE(names.insert(field.name).second);
      EXPECT_GE(field.minimum, 0);
      EXPECT_LE(field.minimum, field.maximum);
      EXPECT_LE(field.maximum, field.kind == FieldKind::Pair ? 127 * 128 + 127 : 127);
      EXPECT_EQ(field.choices.size(), field.kind == FieldKind::Choice ? field.maximum + 1 : 0u);
      for (int i = 0; i < FieldWidth(field); ++i) {
        const auto at = static_cast<std::size_t>(field.offset + i);
        ASSERT_LT(at, kUserVoiceElementSize);
        own[at] = true;
        ++owners[at];
      }
    }
    CElementDlg dialog(page, prompts);
    EXPECT_EQ(dialog.windowTitle().toStdString(), kElementPages[p].caption);
    dialog.Fill(shown);
    UserVoiceElement target;
    target.fill(0x33);
    dialog.WriteBack(target);
    for (std::size_t at = 0; at < kUserVoiceElementSize; ++at)
      EXPECT_EQ(target[at], own[at] ? shown[at] : 0x33) << "byte " << at;
  }
  EXPECT_EQ(total, kElementFieldCount);
  for (std::size_t at = 0; at < owners.size(); ++at) EXPECT_EQ(owners[at], 1) << "byte " << at;
}

TEST(ElementFieldsTest, PairsSplitIntoSevenBitHalvesAndValuesStayInRange) {
  UserVoiceElement element = DefaultUserVoiceElement();
  const ElementField& offset = kElementFields[76];  // Address Offset, bytes 77 and 78
  ASSERT_TRUE(WriteField(offset, 129, element));
  EXPECT_EQ(element[77], 1);
  EXPECT_EQ(element[78], 1);
  EXPECT_EQ(ReadField(offset, element), 129);
  EXPECT_FALSE(WriteField(offset, 16257, element));
  EXPECT_FALSE(WriteField(kElementFields[77], 56, element));  // Resonance Sensitivity 57..71
  EXPECT_EQ(ReadField(kElementFields[14], element), 64);      // note shift: the raw default byte
  // A pan byte beyond the slider's end from a foreign dump still shows on it.
  EXPECT_EQ(PanViewOf(100).slider, 14);
}

TEST_F(ElementDlgTest, ChoicesShowAndStoreTheirIndex) {
  UserVoiceElement element = MidRangeElement();
  element[19] = 3;  // EG Depth "4 Oct"
  CElementDlg dialog(ElementPage::Pitch, prompts);
  dialog.Fill(element);
  EXPECT_TRUE(dialog.findChild<QRadioButton*>("EgDepth3")->isChecked());
  dialog.findChild<QRadioButton*>("EgDepth0")->setChecked(true);
  dialog.WriteBack(element);
  EXPECT_EQ(element[19], 0);

  // A byte outside the choices shows no button and is kept as it was.
  element[17] = 9;
  dialog.Fill(element);
  for (int i = 0; i < 6; ++i)
    EXPECT_FALSE(dialog.findChild<QRadioButton*>(QString("PitchScaling%1").arg(i))->isChecked());
  dialog.WriteBack(element);
  EXPECT_EQ(element[17], 9);
}

TEST_F(ElementDlgTest, TheEnvelopeIsDrawnBesideItsFieldsAsTheyAreTyped) {
  UserVoiceElement element = MidRangeElement();
  CElementDlg dialog(ElementPage::Amplitude, prompts);
  dialog.Fill(element);
  ASSERT_NE(dialog.Picture(), nullptr);
  EXPECT_EQ(dialog.Picture()->Points(), element_shapes::Amplitude(element).points);
  dialog.findChild<EditSpinPair*>("Decay1Level")->Edit()->setText("127");
  element[75] = 127;
  EXPECT_EQ(dialog.Picture()->Points(), element_shapes::Amplitude(element).points);
  EXPECT_EQ(CElementDlg(ElementPage::Lfo, prompts).Picture(), nullptr);
}

}  // namespace
}  // namespace ravlo
