#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "drums/DrumParameterTable.h"
#include "editors/CDrumSetsDlg.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::Bytes;

constexpr int kPitchCoarse = 0x00;
constexpr int kLevel = 0x02;
constexpr int kKeyAssign = 0x08;
constexpr int kRcvNoteOff = 0x09;

class CDrumSetsDlgTest : public ::testing::Test, public test::ModelRig {
 protected:
  CDrumSetsDlgTest() : dialog(model, host) { dialog.OpenWindow(); }

  static void Type(EditSpinPair& field, const QString& text) {
    field.Edit()->setText(text);
    field.Commit();
  }
  EditSpinPair& Parameter(int address) { return *dialog.ParameterField(address); }
  void Show(int setup, int note) {
    Type(dialog.SetField(), QString::number(setup));
    Type(dialog.NoteField(), QString::number(note));
  }

  test::FakeEditorHost host;
  CDrumSetsDlg dialog;
};

TEST_F(CDrumSetsDlgTest, StartsOnSetOneNoteThirteenUnderTheKitName) {
  EXPECT_EQ(dialog.ShownSetup(), 1);
  EXPECT_EQ(dialog.ShownNote(), 13);
  EXPECT_EQ(dialog.windowTitle(), "Drum -- StndKit1");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "Surdo Mute");
  EXPECT_EQ(Parameter(kLevel).Value(), 0x66);
  EXPECT_EQ(Parameter(kPitchCoarse).Value(), 0);  // byte 40 shown as 0
}

TEST_F(CDrumSetsDlgTest, FieldsFollowTheParameterTable) {
  for (int address = 0; address < static_cast<int>(kDrumParameterCount); ++address) {
    const DrumParameterInfo& info = kDrumParameters[static_cast<std::size_t>(address)];
    const EditSpinPair* field = dialog.ParameterField(address);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->Minimum(), info.displayMinimum) << address;
    EXPECT_EQ(field->Maximum(), info.displayMaximum) << address;
    const QString label = QString::fromLatin1(info.label.data(), info.label.size());
    bool labelled = false;
    for (const QLabel* shown : dialog.findChildren<QLabel*>()) labelled |= shown->text() == label;
    EXPECT_TRUE(labelled) << address;
  }
  EXPECT_EQ(dialog.ParameterField(-1), nullptr);
  EXPECT_EQ(dialog.ParameterField(16), nullptr);
  EXPECT_NE(dialog.findChild<EditSpinPair*>("FltRes"), nullptr);
  EXPECT_EQ(dialog.SetField().Maximum(), 2);
  EXPECT_EQ(dialog.NoteField().Minimum(), 13);
  EXPECT_EQ(dialog.NoteField().Maximum(), 91);
}

TEST_F(CDrumSetsDlgTest, PitchCoarseSendsTheShownValuePlus64AndStoresIt) {
  Show(2, 36);
  ClearSent();
  Type(Parameter(kPitchCoarse), "-64");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x24, 0x00, 0x00, 0xF7}));
  ClearSent();
  Type(Parameter(kPitchCoarse), "63");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x24, 0x00, 0x7F, 0xF7}));
  EXPECT_EQ(model.Drums().Note(1, 36)->Parameter(kPitchCoarse), 0x7F);
  EXPECT_EQ(dialog.ShownParameter(kPitchCoarse), 63);
  EXPECT_EQ(host.modified, 2);
}

TEST_F(CDrumSetsDlgTest, SetAndNoteSendNothingAndShowTheNote) {
  ClearSent();
  Show(1, 36);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.modified, 0);
  EXPECT_EQ(dialog.NoteNameLabel().text(), "BassDrum H");
  EXPECT_EQ(Parameter(kLevel).Value(), 0x7F);
  // Note 85 is not in the standard kit.
  Type(dialog.NoteField(), "85");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "----");
}

TEST_F(CDrumSetsDlgTest, BadInputBeepsAndSendsNothing) {
  ClearSent();
  QSignalSpy pitchBeeps(&Parameter(kPitchCoarse), &EditSpinPair::Beeped);
  Type(Parameter(kPitchCoarse), "-65");
  Type(Parameter(kPitchCoarse), "abc");
  EXPECT_EQ(pitchBeeps.count(), 2);
  EXPECT_EQ(Parameter(kPitchCoarse).Edit()->text(), "0");
  Type(Parameter(kKeyAssign), "2");
  Type(dialog.SetField(), "3");
  Type(dialog.NoteField(), "12");
  Type(dialog.NoteField(), "92");
  EXPECT_EQ(dialog.SetField().Edit()->text(), "1");
  EXPECT_EQ(dialog.NoteField().Edit()->text(), "13");
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.modified, 0);
}

TEST_F(CDrumSetsDlgTest, DefaultRestoresTheNoteButSendsNothing) {
  Show(1, 36);
  Type(Parameter(kLevel), "10");
  Type(Parameter(kPitchCoarse), "-5");
  ClearSent();
  const int marked = host.modified;
  QPushButton* button = dialog.findChild<QPushButton*>("Default");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "&Default");
  EXPECT_FALSE(button->autoDefault());
  button->click();
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(Parameter(kLevel).Value(), 0x7F);
  EXPECT_EQ(Parameter(kPitchCoarse).Value(), 0);
  EXPECT_EQ(model.Drums().Note(0, 36)->Parameter(kLevel), 0x7F);
  EXPECT_EQ(host.modified, marked + 1);
}

TEST_F(CDrumSetsDlgTest, AFailedSendLeavesFieldAndModelAlone) {
  backend.sendResult = kMidiError;
  Type(Parameter(kLevel), "20");
  EXPECT_EQ(dialog.ShownParameter(kLevel), 0x66);
  EXPECT_EQ(model.Drums().Note(0, 13)->Parameter(kLevel), 0x66);
  EXPECT_EQ(host.modified, 0);
}

TEST_F(CDrumSetsDlgTest, RefreshShowsAKitChange) {
  Show(1, 36);
  model.Drums().SetKitVoice(0, {127, 25, 0});
  dialog.RefreshFromModel();
  EXPECT_EQ(dialog.windowTitle(), "Drum -- Analog");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "BD Analog H");
  EXPECT_EQ(Parameter(kLevel).Value(), 0x7F);

  model.Drums().SetKitVoice(0, {127, 1, 0});
  dialog.RefreshFromModel();
  Type(dialog.NoteField(), "29");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "SnareRoll 2");
  EXPECT_EQ(Parameter(kLevel).Value(), 0x4F);
  EXPECT_EQ(Parameter(kRcvNoteOff).Value(), 1);
}

TEST_F(CDrumSetsDlgTest, RefreshShowsAnEditFromElsewhere) {
  model.Drums().PutDrumParameter(kPitchCoarse, 0, 0, 0x30);
  dialog.RefreshFromModel();
  EXPECT_EQ(Parameter(kPitchCoarse).Value(), -16);
  EXPECT_EQ(Parameter(kPitchCoarse).Edit()->text(), "-16");
}

}  // namespace
}  // namespace ravlo
