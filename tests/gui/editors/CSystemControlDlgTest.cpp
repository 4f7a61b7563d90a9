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
  static std::vector<std::uint8_t> Change(int address, int value) {
    return Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, address, value, 0xF7});
  }

  test::FakeEditorHost host;
  CSystemControlDlg dialog;
};

TEST_F(CSystemControlDlgTest, FieldsSendAtOnceButOnlyTheWorkingCopyKeepsThem) {
  Type(dialog.TransposeField(), "-24");
  EXPECT_EQ(Sent(), Change(0x06, 0x28));
  ClearSent();
  Type(dialog.TuneField(), "1023");
  EXPECT_EQ(Sent(),
            Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x07, 0x0F, 0x0F, 0xF7}));
  EXPECT_EQ(dialog.Transpose(), -24);
  EXPECT_EQ(host.modified, 2);
  EXPECT_EQ(model.System().Bytes()[SystemBlock::kTranspose], 0x40);
}

TEST_F(CSystemControlDlgTest, BadTextUnchangedValuesAndFailedSendsChangeNothing) {
  QSignalSpy beeped(&dialog.VolumeField(), &EditSpinPair::Beeped);
  for (const char* bad : {"abc", "200"}) {
    Type(dialog.VolumeField(), bad);
    EXPECT_EQ(dialog.VolumeField().Edit()->text(), "127") << bad;
  }
  EXPECT_EQ(beeped.count(), 2);
  Type(dialog.TransposeField(), "25");
  Type(dialog.TuneField(), "-1025");
  Type(dialog.VolumeField(), "127");
  dialog.VolumeField().Step(+1);  // a spin click at the top stays at 127
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.modified, 0);
  dialog.VolumeField().Step(-1);
  EXPECT_EQ(Sent(), Change(0x04, 0x7E));

  // A failed send keeps the old value, and a failed reset the drum setup.
  model.Drums().PutDrumParameter(0x00, 23, 1, 0x10);
  backend.sendResult = kMidiError;
  Type(dialog.VolumeField(), "90");
  dialog.findChild<QPushButton*>("Drum2")->click();
  EXPECT_EQ(dialog.Volume(), 126);
  EXPECT_EQ(host.modified, 1);
  EXPECT_EQ(model.Drums().Note(1, 36)->Parameter(0x00), 0x10);
  EXPECT_TRUE(events.drumSetupResets.empty());
}

TEST_F(CSystemControlDlgTest, ClosingStoresTheWorkingCopyAndASendTransmitsIt) {
  Type(dialog.VolumeField(), "90");
  // Still being typed when Escape comes: committed on the way out.
  dialog.TransposeField().Edit()->setFocus();
  dialog.TransposeField().Edit()->setText("1");
  ClearSent();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::SystemControl});
  EXPECT_EQ(Sent(), Change(0x06, 0x41));
  ClearSent();
  ASSERT_TRUE(model.System().SendSystemBlock(false, 0));
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00,
                           0x00, 0x5A, 0x00, 0x41, 0x5A, 0xF7}));
  // Reopening reads the model.
  model.System().WriteSystemBlock({100, 80, -5});
  dialog.OpenWindow();
  EXPECT_EQ(dialog.Tune(), 100);
  EXPECT_EQ(dialog.VolumeField().Edit()->text(), "80");
  EXPECT_EQ(dialog.TransposeField().Edit()->text(), "-5");
}

TEST_F(CSystemControlDlgTest, ResetButtonsSendAtOnceWithoutAsking) {
  const std::pair<const char*, std::vector<std::uint8_t>> resets[] = {
      {"All", Change(0x7F, 0x00)}, {"Drum1", Change(0x7D, 0x00)}, {"Drum2", Change(0x7D, 0x01)}};
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
