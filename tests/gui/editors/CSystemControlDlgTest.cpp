#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "editors/CSystemControlDlg.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::Bytes;

class CSystemControlDlgTest : public ::testing::Test, public test::ModelRig {
 protected:
  CSystemControlDlgTest() : dialog(model, host) { dialog.OpenWindow(); }

  static void Type(EditSpinPair& field, const QString& text) {
    field.Edit()->setText(text);
    field.Commit();
  }

  QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(name); }

  test::FakeEditorHost host;
  CSystemControlDlg dialog;
};

TEST_F(CSystemControlDlgTest, TransposeSendsItsOffsetByteAndKeepsItInTheWorkingCopy) {
  Type(dialog.TransposeField(), "-24");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x06, 0x28, 0xF7}));
  ClearSent();
  Type(dialog.TransposeField(), "24");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x06, 0x58, 0xF7}));
  EXPECT_EQ(dialog.Transpose(), 24);
  EXPECT_EQ(host.modified, 2);
  // The setters send without storing: the block keeps its byte until stored.
  EXPECT_EQ(model.System().Bytes()[SystemBlock::kTranspose], 0x40);
}

TEST_F(CSystemControlDlgTest, TuneSendsFourNibbles) {
  Type(dialog.TuneField(), "-1024");
  EXPECT_EQ(Sent(),
            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF7}));
  ClearSent();
  Type(dialog.TuneField(), "1023");
  EXPECT_EQ(Sent(),
            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x07, 0x0F, 0x0F, 0xF7}));
  EXPECT_EQ(dialog.Tune(), 1023);
}

TEST_F(CSystemControlDlgTest, BadVolumeTextBeepsRestoresAndSendsNothing) {
  QSignalSpy beeped(&dialog.VolumeField(), &EditSpinPair::Beeped);
  for (const char* bad : {"abc", "200", "-1"}) {
    Type(dialog.VolumeField(), bad);
    EXPECT_EQ(dialog.VolumeField().Edit()->text(), "127") << bad;
  }
  EXPECT_EQ(beeped.count(), 3);
  Type(dialog.TransposeField(), "25");
  Type(dialog.TuneField(), "-1025");
  EXPECT_EQ(dialog.TransposeField().Edit()->text(), "0");
  EXPECT_EQ(dialog.TuneField().Edit()->text(), "0");
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.modified, 0);
  EXPECT_EQ(dialog.Volume(), 127);
}

TEST_F(CSystemControlDlgTest, TheCurrentValueSendsNothingAndMarksNothing) {
  Type(dialog.VolumeField(), "127");
  dialog.VolumeField().Step(+1);  // clamped at the top: 127 again
  dialog.TransposeField().SetValue(24);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.modified, 0);
  dialog.VolumeField().Step(-1);
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x7E, 0xF7}));
  EXPECT_EQ(dialog.Volume(), 126);
}

TEST_F(CSystemControlDlgTest, AFailedSendKeepsTheOldValueAndDoesNotMark) {
  backend.sendResult = kMidiError;
  Type(dialog.VolumeField(), "90");
  EXPECT_EQ(dialog.Volume(), 127);
  EXPECT_EQ(host.modified, 0);
  EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(CSystemControlDlgTest, ClosingStoresTheWorkingCopyForTheNextSend) {
  Type(dialog.VolumeField(), "90");
  Type(dialog.TransposeField(), "1");
  ClearSent();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::SystemControl});
  ASSERT_TRUE(model.System().SendSystemBlock(false, 0));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00,
                           0x00, 0x5A, 0x00, 0x41, 0x5A, 0xF7}));
}

TEST_F(CSystemControlDlgTest, AValueTypedJustBeforeEscapeIsSentAndStored) {
  dialog.VolumeField().Edit()->setFocus();
  dialog.VolumeField().Edit()->setText("64");
  dialog.CloseWindow();
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x40, 0xF7}));
  EXPECT_EQ(model.System().ReadSystemBlock().volume, 64);
}

TEST_F(CSystemControlDlgTest, StoreAndRefreshMoveTheWorkingCopyBothWays) {
  Type(dialog.TuneField(), "-3");
  dialog.StoreToModel();
  EXPECT_EQ(model.System().ReadSystemBlock().tune, -3);

  model.System().WriteSystemBlock({100, 80, -5});
  dialog.RefreshFromModel();
  EXPECT_EQ(dialog.Tune(), 100);
  EXPECT_EQ(dialog.VolumeField().Edit()->text(), "80");
  EXPECT_EQ(dialog.TransposeField().Edit()->text(), "-5");
  // Typing what the model now says is no change.
  Type(dialog.VolumeField(), "80");
  EXPECT_EQ(host.modified, 1);
}

TEST_F(CSystemControlDlgTest, ReopeningReadsTheModel) {
  dialog.CloseWindow();
  model.System().WriteSystemBlock({0, 50, 0});
  dialog.OpenWindow();
  EXPECT_EQ(dialog.Volume(), 50);
  EXPECT_EQ(dialog.windowTitle(), "System Control");
}

TEST_F(CSystemControlDlgTest, ResetButtonsSendAtOnceWithoutAsking) {
  for (const char* name : {"All", "Drum1", "Drum2"}) {
    ASSERT_NE(Button(name), nullptr) << name;
    EXPECT_FALSE(Button(name)->autoDefault()) << name;
  }
  EXPECT_EQ(Button("All")->text(), "&All");
  EXPECT_EQ(Button("Drum1")->text(), "Drum &1");
  EXPECT_EQ(Button("Drum2")->text(), "Drum &2");

  Button("All")->click();
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7F, 0x00, 0xF7}));
  EXPECT_EQ(events.allParameterResets, 1);
  ClearSent();
  Button("Drum2")->click();
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7D, 0x01, 0xF7}));
  EXPECT_EQ(events.drumSetupResets, std::vector<int>{1});
}

TEST_F(CSystemControlDlgTest, AFailedDrumResetLeavesTheSetupAlone) {
  model.Drums().PutDrumParameter(0x00, 23, 1, 0x10);
  backend.sendResult = kMidiError;
  Button("Drum2")->click();
  EXPECT_EQ(model.Drums().Note(1, 36)->Parameter(0x00), 0x10);
  EXPECT_TRUE(events.drumSetupResets.empty());
  EXPECT_EQ(prompts.messages.size(), 1u);
}

}  // namespace
}  // namespace ravlo
