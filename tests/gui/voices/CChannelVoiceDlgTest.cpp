#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "voices/CChannelVoiceDlg.h"
#include "voices/VoiceBrowserTestTools.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {
namespace {

using test::DoubleClickTreeItem;
using test::FindTreeItem;
using test::SelectTreeItem;

class ChannelVoiceDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dlg.OpenWindow()); }
  void TearDown() override { dlg.hide(); }

  QTreeWidgetItem* Item(const QString& text) {
    QTreeWidgetItem* item = FindTreeItem(dlg.Tree(), text);
    EXPECT_NE(item, nullptr) << text.toStdString();
    return item;
  }
  void PressEnter() { QTest::keyClick(&dlg.Tree(), Qt::Key_Return); }
  QPushButton* Button(const char* name) { return dlg.findChild<QPushButton*>(name); }

  test::ModelRig rig;
  test::FakeEditorHost host;
  CChannelVoiceDlg dlg{rig.model, host};
};

TEST_F(ChannelVoiceDlgTest, OpensAsTheChannelVoiceEditorWithTheFullTree) {
  EXPECT_EQ(dlg.windowTitle(), "Channel Voice");
  EXPECT_EQ(dlg.Slot(), EditorSlot::ChannelVoice);
  EXPECT_TRUE(dlg.IsOpen());
  EXPECT_FALSE(dlg.isModal());
  EXPECT_FALSE(dlg.windowIcon().isNull());
  ASSERT_EQ(dlg.Tree().topLevelItemCount(), 20);
  EXPECT_EQ(dlg.Tree().topLevelItem(0)->text(0), "Piano");
  EXPECT_EQ(dlg.Tree().topLevelItem(19)->text(0), "User");
  EXPECT_EQ(dlg.Tree().topLevelItem(17)->text(0), "Special FX Kit");
  EXPECT_EQ(dlg.Tree().topLevelItem(17)->childCount(), 2);
  for (QPushButton* button : dlg.findChildren<QPushButton*>()) EXPECT_FALSE(button->autoDefault());
}

TEST_F(ChannelVoiceDlgTest, ReopeningRebuildsTheTreeOnce) {
  SelectTreeItem(dlg.Tree(), Item("GrandPno"));
  dlg.CloseWindow();
  ASSERT_TRUE(dlg.OpenWindow());
  EXPECT_EQ(dlg.Tree().topLevelItemCount(), 20);
  EXPECT_TRUE(dlg.Tree().selectedItems().isEmpty());
}

TEST_F(ChannelVoiceDlgTest, EnterOnACategoryTogglesItAndSendsNothing) {
  QTreeWidgetItem* piano = Item("Piano");
  SelectTreeItem(dlg.Tree(), piano);
  ASSERT_FALSE(piano->isExpanded());
  PressEnter();
  EXPECT_TRUE(piano->isExpanded());
  PressEnter();
  EXPECT_FALSE(piano->isExpanded());
  EXPECT_TRUE(host.channelVoices.empty());
  EXPECT_EQ(host.modified, 0);
  EXPECT_TRUE(rig.backend.ShortBytes().empty());
  EXPECT_TRUE(dlg.IsOpen());
}

TEST_F(ChannelVoiceDlgTest, EnterOnAVoiceAppliesItAndStaysOpen) {
  SelectTreeItem(dlg.Tree(), Item("GrandPno"));
  PressEnter();
  ASSERT_EQ(host.channelVoices, (std::vector<int>{0}));
  const std::optional<VoiceBank> bank = GetVoiceBank(host.channelVoices[0]);
  ASSERT_TRUE(bank.has_value());
  EXPECT_EQ(bank->bankMsb, 0);
  EXPECT_EQ(bank->bankLsb, 0);
  EXPECT_EQ(bank->program, 1);
  EXPECT_TRUE(dlg.IsOpen());
  EXPECT_TRUE(host.closed.empty());

  // Voice after voice, the window still open.
  SelectTreeItem(dlg.Tree(), Item("Gunshot"));
  PressEnter();
  EXPECT_EQ(host.channelVoices, (std::vector<int>{0, 522}));
  EXPECT_TRUE(dlg.IsOpen());
}

TEST_F(ChannelVoiceDlgTest, EnterWithNothingSelectedDoesNothing) {
  dlg.Tree().clearSelection();
  PressEnter();
  QTest::keyClick(Button("OK"), Qt::Key_Return);
  EXPECT_TRUE(host.channelVoices.empty());
  EXPECT_TRUE(dlg.IsOpen());
}

TEST_F(ChannelVoiceDlgTest, EnterOnAFocusedButtonNeitherPressesItNorCloses) {
  SelectTreeItem(dlg.Tree(), Item("SFX Kit2"));
  QTest::keyClick(Button("Cancel"), Qt::Key_Return);
  EXPECT_TRUE(dlg.IsOpen());
  EXPECT_EQ(host.channelVoices, (std::vector<int>{13}));
}

TEST_F(ChannelVoiceDlgTest, OkOnACategoryClosesWithoutApplying) {
  SelectTreeItem(dlg.Tree(), Item("Drums"));
  Button("OK")->click();
  EXPECT_FALSE(dlg.IsOpen());
  EXPECT_EQ(host.closed, (std::vector<EditorSlot>{EditorSlot::ChannelVoice}));
  EXPECT_TRUE(host.channelVoices.empty());
}

TEST_F(ChannelVoiceDlgTest, OkOnAVoiceAppliesThenCloses) {
  SelectTreeItem(dlg.Tree(), Item("UVox 32"));
  Button("OK")->click();
  EXPECT_EQ(host.channelVoices, (std::vector<int>{FindVoice(32, 63, 0, rig.model).index}));
  EXPECT_FALSE(dlg.IsOpen());
  EXPECT_EQ(host.closed.size(), 1u);
}

TEST_F(ChannelVoiceDlgTest, CancelEscapeAndCloseBoxCloseWithoutApplying) {
  SelectTreeItem(dlg.Tree(), Item("GrandPno"));
  Button("Cancel")->click();
  EXPECT_FALSE(dlg.IsOpen());

  ASSERT_TRUE(dlg.OpenWindow());
  SelectTreeItem(dlg.Tree(), Item("GrandPno"));
  QTest::keyClick(&dlg.Tree(), Qt::Key_Escape);
  EXPECT_FALSE(dlg.IsOpen());

  ASSERT_TRUE(dlg.OpenWindow());
  dlg.close();
  EXPECT_FALSE(dlg.IsOpen());

  EXPECT_EQ(host.closed.size(), 3u);
  EXPECT_TRUE(host.channelVoices.empty());
}

TEST_F(ChannelVoiceDlgTest, DoubleClickAppliesAVoiceButOnlyTogglesACategory) {
  QTreeWidgetItem* guitar = Item("Guitar");
  DoubleClickTreeItem(dlg.Tree(), guitar);
  EXPECT_TRUE(guitar->isExpanded());
  EXPECT_TRUE(host.channelVoices.empty());

  DoubleClickTreeItem(dlg.Tree(), Item("Rain"));  // the first "Rain" is the pad
  ASSERT_EQ(host.channelVoices.size(), 1u);
  EXPECT_EQ(host.channelVoices[0], FindVoice(97, 0, 0, rig.model).index);
  EXPECT_TRUE(dlg.IsOpen());
}

TEST_F(ChannelVoiceDlgTest, ApplySelectionRefusesCategoriesAndNothing) {
  EXPECT_FALSE(dlg.ApplySelection());
  SelectTreeItem(dlg.Tree(), Item("User"));
  EXPECT_FALSE(dlg.ApplySelection());
  SelectTreeItem(dlg.Tree(), Item("StndKit1"));
  EXPECT_TRUE(dlg.ApplySelection());
  EXPECT_EQ(host.channelVoices, (std::vector<int>{8}));
}

}  // namespace
}  // namespace ravlo
