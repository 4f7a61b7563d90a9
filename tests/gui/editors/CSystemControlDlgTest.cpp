#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editors/CSystemControlDlg.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::SystemChange;

class CSystemControlDlgTest : public ::testing::Test, public test::ModelRig {
 protected:
  CSystemControlDlgTest() : dialog(model, host) { dialog.OpenWindow(); }

  static void Type(EditSpinPair& field, const QString& text) {
    field.Edit()->setText(text);
    field.Commit();
  }

  test::FakeEditorHost host;
  CSystemControlDlg dialog;
};

TEST_F(CSystemControlDlgTest, FieldsSendAtOnceAndTheModelKeepsWhatWent) {
  Type(dialog.TransposeField(), "-24");
  EXPECT_EQ(Sent(), SystemChange(0x06, {0x28}));
  ClearSent();
  Type(dialog.TuneField(), "1023");
  EXPECT_EQ(Sent(), SystemChange(0x00, {0x00, 0x07, 0x0F, 0x0F}));
  EXPECT_EQ(model.System().Value(SystemParameter::Transpose), -24);
  EXPECT_EQ(model.System().Value(SystemParameter::Tune), 1023);
  EXPECT_EQ(host.modified, 2);
}

TEST_F(CSystemControlDlgTest, ATypedValueIsTakenWhenItsWindowIsLeft) {
  // Typed, then another window activated: the box's focus goes with its window.
  EditSpinPair& volume = dialog.VolumeField();
  volume.Edit()->setText("90");
  volume.Edit()->setModified(true);
  QFocusEvent leave(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(volume.Edit(), &leave);
  EXPECT_EQ(Sent(), SystemChange(0x04, {0x5A}));
  EXPECT_EQ(model.System().Value(SystemParameter::Volume), 90);
  // A popup of the box itself (its context menu) takes nothing.
  ClearSent();
  volume.Edit()->setText("91");
  QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(volume.Edit(), &popup);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(CSystemControlDlgTest, ValuesChangedElsewhereShowAtOnceButNotOverWhatIsBeingTyped) {
  ASSERT_TRUE(model.System().SetMasterVolume(70));
  EXPECT_EQ(dialog.VolumeField().Edit()->text(), "70");
  dialog.TuneField().Edit()->setText("12");
  dialog.TuneField().Edit()->setModified(true);
  ASSERT_TRUE(model.System().SetMasterTune(-5));
  EXPECT_EQ(dialog.TuneField().Edit()->text(), "12") << "the musician's typing stays";
  const std::uint8_t transpose[] = {0x45};
  model.System().StoreBytes(SystemParameterInfo(SystemParameter::Transpose).address,
                            transpose);  // as a file brings it
  EXPECT_EQ(dialog.TransposeField().Edit()->text(), "5");
}

// The fields take their ranges from the parameters; the box's own refusals
// are the EditSpinPair's.
TEST_F(CSystemControlDlgTest, OutOfRangeUnchangedValuesAndFailedSendsChangeNothing) {
  Type(dialog.VolumeField(), "128");
  Type(dialog.TransposeField(), "25");
  Type(dialog.TuneField(), "-1025");
  Type(dialog.VolumeField(), "127");
  dialog.VolumeField().Step(+1);  // a spin click at the top stays at 127
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.modified, 0);
  dialog.VolumeField().Step(-1);
  EXPECT_EQ(Sent(), SystemChange(0x04, {0x7E}));

  // A failed send keeps the old value, and shows it; a failed reset keeps the drum setup.
  PutDrumByte(1, test::NoteAt(36), 0x00, 0x10);
  backend.sendResult = kMidiError;
  Type(dialog.VolumeField(), "90");
  dialog.findChild<QPushButton*>("Drum2")->click();
  EXPECT_EQ(model.System().Value(SystemParameter::Volume), 126);
  EXPECT_EQ(dialog.VolumeField().Edit()->text(), "126") << "what the synthesizer has";
  EXPECT_EQ(host.modified, 1);
  EXPECT_EQ(model.Drums().Note(1, test::NoteAt(36))->Parameter(0x00), 0x10);
  EXPECT_TRUE(events.drumSetupResets.empty());
}

TEST_F(CSystemControlDlgTest, ClosingTakesWhatIsTypedAndASendTransmitsIt) {
  Type(dialog.VolumeField(), "90");
  // Still being typed when Escape comes: committed on the way out.
  dialog.TransposeField().Edit()->setFocus();
  dialog.TransposeField().Edit()->setText("1");
  ClearSent();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::SystemControl});
  EXPECT_EQ(Sent(), SystemChange(0x06, {0x41}));
  ClearSent();
  ASSERT_TRUE(model.System().SendSystemBlock(false, 0));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00,
                           0x00, 0x5A, 0x00, 0x41, 0x5A, 0xF7}));
  // Reopening shows the model as it is now.
  const std::uint8_t block[] = {0x00, 0x04, 0x06, 0x04, 80, 0x00, 0x3B};
  model.System().StoreBytes(0, block);
  dialog.OpenWindow();
  EXPECT_EQ(dialog.TuneField().Edit()->text(), "100");
  EXPECT_EQ(dialog.VolumeField().Edit()->text(), "80");
  EXPECT_EQ(dialog.TransposeField().Edit()->text(), "-5");
}

TEST_F(CSystemControlDlgTest, ResetButtonsSendAtOnceWithoutAsking) {
  const std::pair<const char*, std::vector<std::uint8_t>> resets[] = {
      {"All", SystemChange(0x7F, {0x00})},
      {"Drum1", SystemChange(0x7D, {0x00})},
      {"Drum2", SystemChange(0x7D, {0x01})}};
  for (const auto& [name, sent] : resets) {
    ClearSent();
    dialog.findChild<QPushButton*>(name)->click();
    EXPECT_EQ(Sent(), sent) << name;
  }
  EXPECT_EQ(events.allParameterResets, 1);
  EXPECT_EQ(events.drumSetupResets, (std::vector<int>{0, 1}));
}

}  // namespace
}  // namespace ravlo
