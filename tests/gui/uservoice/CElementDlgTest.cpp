#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include "shapes/ElementShapes.h"
#include "support/RecordingPrompts.h"
#include "uservoice/CElementDlg.h"
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

TEST_F(ElementDlgTest, EveryByteHasOneFieldAndEachDialogWritesBackOnlyItsOwn) {
  const UserVoiceElement shown = MidRangeElement();
  std::array<int, kUserVoiceElementSize> owners{};
  for (std::size_t p = 0; p < kElementPageCount; ++p) {
    SCOPED_TRACE(kElementPages[p].caption);
    const auto page = static_cast<ElementPage>(p);
    std::array<bool, kUserVoiceElementSize> own{};
    for (const ElementField& field : FieldsOf(page)) {
      for (int i = 0; i < FieldWidth(field); ++i) {
        const auto at = static_cast<std::size_t>(field.offset + i);
        ASSERT_LT(at, kUserVoiceElementSize) << field.name;
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
  for (std::size_t at = 0; at < owners.size(); ++at) EXPECT_EQ(owners[at], 1) << "byte " << at;
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
