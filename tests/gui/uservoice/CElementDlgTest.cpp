#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "support/RecordingPrompts.h"
#include "uservoice/CElementDlg.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

class ElementDlgTest : public ::testing::Test {
 protected:
  // An element whose every field holds a value inside its range, away from
  // its ends.
  static UserVoiceElement MidRangeElement() {
    UserVoiceElement element{};
    for (const ElementField& field : kElementFields)
      WriteField(field, (field.minimum + field.maximum + 1) / 2, element);
    return element;
  }

  static void Type(CElementDlg& dialog, const char* name, const QString& text) {
    auto* spin = dialog.findChild<EditSpinPair*>(name);
    ASSERT_NE(spin, nullptr) << name;
    spin->Edit()->setText(text);
  }

  static void ClickOk(CElementDlg& dialog) { dialog.findChild<QPushButton*>("OK")->click(); }

  test::RecordingPrompts prompts;
};

TEST_F(ElementDlgTest, EachDialogIsBuiltFromItsFields) {
  for (std::size_t p = 0; p < kElementPageCount; ++p) {
    const auto page = static_cast<ElementPage>(p);
    CElementDlg dialog(page, prompts);
    EXPECT_EQ(dialog.windowTitle().toStdString(), kElementPages[p].caption);
    std::size_t numbers = 0;
    for (const ElementField& field : FieldsOf(page)) {
      if (field.kind == FieldKind::Number || field.kind == FieldKind::Pair) {
        ++numbers;
        auto* spin = dialog.findChild<EditSpinPair*>(QString::fromUtf8(field.name.data()));
        ASSERT_NE(spin, nullptr) << field.name;
        EXPECT_EQ(spin->Minimum(), field.minimum) << field.name;
        EXPECT_EQ(spin->Maximum(), field.maximum) << field.name;
      }
    }
    EXPECT_EQ(static_cast<std::size_t>(dialog.findChildren<EditSpinPair*>().size()), numbers);
  }
  CElementDlg lfo(ElementPage::Lfo, prompts);
  auto* sampleAndHold = lfo.findChild<QRadioButton*>("LfoWave2");
  ASSERT_NE(sampleAndHold, nullptr);
  EXPECT_EQ(sampleAndHold->text(), "S && H");
  CElementDlg level(ElementPage::Level, prompts);
  EXPECT_EQ(level.findChildren<QRadioButton*>().size(), 7);
  ASSERT_NE(level.findChild<QCheckBox*>("Scaling"), nullptr);
  EXPECT_EQ(level.findChild<QCheckBox*>("Scaling")->text(), "Scaling");
}

TEST_F(ElementDlgTest, WriteBackTouchesOnlyTheDialogsOwnBytes) {
  const UserVoiceElement shown = MidRangeElement();
  for (std::size_t p = 0; p < kElementPageCount; ++p) {
    const auto page = static_cast<ElementPage>(p);
    CElementDlg dialog(page, prompts);
    dialog.Fill(shown);
    UserVoiceElement target;
    target.fill(0x33);
    dialog.WriteBack(target);
    std::array<bool, kUserVoiceElementSize> own{};
    for (const ElementField& field : FieldsOf(page))
      for (int i = 0; i < FieldWidth(field); ++i)
        own[static_cast<std::size_t>(field.offset + i)] = true;
    for (std::size_t at = 0; at < kUserVoiceElementSize; ++at)
      EXPECT_EQ(target[at], own[at] ? shown[at] : 0x33)
          << kElementPages[p].caption << " byte " << at;
  }
}

TEST_F(ElementDlgTest, AnOutOfRangeValueIsRefusedWithAMessageAndTheDialogStaysOpen) {
  CElementDlg dialog(ElementPage::Lfo, prompts);
  dialog.Fill(MidRangeElement());
  Type(dialog, "Speed", "64");
  ClickOk(dialog);
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], "Please enter an integer between 0 and 63.");

  Type(dialog, "Speed", "63");
  ClickOk(dialog);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  UserVoiceElement element = MidRangeElement();
  dialog.WriteBack(element);
  EXPECT_EQ(element[9], 63);

  CElementDlg pitch(ElementPage::Pitch, prompts);
  pitch.Fill(MidRangeElement());
  Type(pitch, "Detune", "13");  // centred fields keep to their own window
  ClickOk(pitch);
  EXPECT_NE(pitch.result(), QDialog::Accepted);
  EXPECT_EQ(prompts.messages.back(), "Please enter an integer between 14 and 114.");
}

TEST_F(ElementDlgTest, ScalingStoresFifteenWhateverTheSliderShows) {
  UserVoiceElement element = MidRangeElement();
  element[67] = 15;
  CElementDlg dialog(ElementPage::Level, prompts);
  dialog.Fill(element);
  auto* scaling = dialog.findChild<QCheckBox*>("Scaling");
  auto* slider = dialog.findChild<QSlider*>("Pan");
  ASSERT_NE(scaling, nullptr);
  ASSERT_NE(slider, nullptr);
  EXPECT_TRUE(scaling->isChecked());
  EXPECT_EQ(slider->value(), 0);

  slider->setValue(9);
  dialog.WriteBack(element);
  EXPECT_EQ(element[67], 15);
  scaling->setChecked(false);
  dialog.WriteBack(element);
  EXPECT_EQ(element[67], 9);

  element[67] = 4;
  dialog.Fill(element);
  EXPECT_FALSE(scaling->isChecked());
  EXPECT_EQ(slider->value(), 4);
}

TEST_F(ElementDlgTest, ChoicesShowAndStoreTheirIndex) {
  UserVoiceElement element = MidRangeElement();
  element[19] = 3;  // EG Depth "4 Oct"
  CElementDlg dialog(ElementPage::Pitch, prompts);
  dialog.Fill(element);
  auto* fourOctaves = dialog.findChild<QRadioButton*>("EgDepth3");
  ASSERT_NE(fourOctaves, nullptr);
  EXPECT_EQ(fourOctaves->text(), "4 Oct");
  EXPECT_TRUE(fourOctaves->isChecked());
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

}  // namespace
}  // namespace ravlo
