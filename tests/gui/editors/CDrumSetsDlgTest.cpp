#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editors/CDrumSetsDlg.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::NoteAt;

constexpr int kPitchCoarse = 0x00;
constexpr int kLevel = 0x02;

class CDrumSetsDlgTest : public ::testing::Test, public test::ModelRig {
 protected:
  CDrumSetsDlgTest() : dialog(model, host) { dialog.OpenWindow(); }

  static void Type(EditSpinPair& field, const QString& text) {
    field.Edit()->setText(text);
    field.Commit();
  }
  EditSpinPair& Parameter(int address) { return *dialog.ParameterField(address); }

  test::FakeEditorHost host;
  CDrumSetsDlg dialog;
};

TEST_F(CDrumSetsDlgTest, SetAndNoteShowANoteUnderItsKitSendingNothingAndTheModelShowsAtOnce) {
  EXPECT_EQ(dialog.windowTitle(), "Drum -- StndKit1");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "Surdo Mute");
  EXPECT_EQ(Parameter(kLevel).Value(), 0x66);
  EXPECT_EQ(dialog.ParameterField(16), nullptr);
  ClearSent();
  Type(dialog.NoteField(), "36");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "BassDrum H");
  EXPECT_EQ(Parameter(kLevel).Value(), 0x7F);
  Type(dialog.NoteField(), "85");  // not in the standard kit
  EXPECT_EQ(dialog.NoteNameLabel().text(), "----");
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.modified, 0);

  // Kit changes and values that come from elsewhere show at once.
  Type(dialog.NoteField(), "36");
  model.Drums().SetKitVoice(0, {127, 25, 0});
  EXPECT_EQ(dialog.windowTitle(), "Drum -- Analog");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "BD Analog H");
  PutDrumByte(0, NoteAt(36), kPitchCoarse, 0x30);
  EXPECT_EQ(Parameter(kPitchCoarse).Edit()->text(), "-16");
}

TEST_F(CDrumSetsDlgTest, PitchCoarseSendsTheShownValuePlus64AndDefaultSendsTheKitsNoteBack) {
  Type(dialog.SetField(), "2");
  Type(dialog.NoteField(), "36");
  ClearSent();
  Type(Parameter(kPitchCoarse), "-64");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x24, 0x00, 0x00, 0xF7}));
  EXPECT_EQ(model.Drums().Note(1, NoteAt(36))->Parameter(kPitchCoarse), 0x00);
  EXPECT_EQ(dialog.ShownParameter(kPitchCoarse), -64);
  ClearSent();
  // The note goes back to the kit's defaults, on the synthesizer too: what
  // the window shows is what plays.
  QPushButton* button = dialog.findChild<QPushButton*>("Default");
  EXPECT_EQ(button->text(), "&Default");
  button->click();
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x24, 0x00, 0x40, 0xF7}));
  EXPECT_EQ(Parameter(kPitchCoarse).Edit()->text(), "0");
  EXPECT_EQ(model.Drums().Note(1, NoteAt(36))->Parameter(kPitchCoarse), 0x40);
  EXPECT_EQ(host.modified, 2);
}

TEST_F(CDrumSetsDlgTest, BadInputOrAFailedSendChangesNothing) {
  ClearSent();
  Type(Parameter(kPitchCoarse), "-65");
  Type(Parameter(kPitchCoarse), "abc");
  EXPECT_EQ(Parameter(kPitchCoarse).Edit()->text(), "0");
  Type(dialog.SetField(), "3");
  Type(dialog.NoteField(), "92");
  EXPECT_EQ(dialog.SetField().Edit()->text(), "1");
  EXPECT_EQ(dialog.NoteField().Edit()->text(), "13");
  EXPECT_TRUE(Sent().empty());
  backend.sendResult = kMidiError;
  Type(Parameter(kLevel), "20");
  EXPECT_EQ(dialog.ShownParameter(kLevel), 0x66);
  EXPECT_EQ(Parameter(kLevel).Edit()->text(), "102") << "what the synthesizer has";
  EXPECT_EQ(model.Drums().Note(0, NoteAt(13))->Parameter(kLevel), 0x66);
  EXPECT_EQ(host.modified, 0);
}

TEST_F(CDrumSetsDlgTest, TheExtendedInstrumentsSetupsThreeAndFour) {
  Type(dialog.SetField(), "3");
  EXPECT_EQ(dialog.SetField().Value(), 1) << "two setups on the first level";
  model.SetInstrument(InstrumentModel::Extended);
  ASSERT_TRUE(model.Drums().SetKitVoice(3, {127, 25, 0}));  // a notice shows the note again
  Type(dialog.SetField(), "4");
  Type(dialog.NoteField(), "36");
  ClearSent();
  Type(Parameter(kLevel), "100");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x33, 36, kLevel, 100, 0xF7}));
}

}  // namespace
}  // namespace ravlo
