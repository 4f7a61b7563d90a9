#include <gtest/gtest.h>

#include <QPushButton>
#include <functional>

#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "voices/CChannelVoiceDlg.h"
#include "voices/VoiceBrowserTestTools.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo::test {
namespace {

class ChannelVoiceDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dlg.OpenWindow()); }
  void EnterOn(const QString& text) {
    SelectTreeItem(dlg.Tree(), text);
    QTest::keyClick(&dlg.Tree(), Qt::Key_Return);
  }

  ModelRig rig;
  FakeEditorHost host;
  CChannelVoiceDlg dlg{rig.model, host};
};

TEST_F(ChannelVoiceDlgTest, EnterOrDoubleClickTogglesACategoryOrAppliesAVoiceAndStaysOpen) {
  EXPECT_EQ(dlg.windowTitle(), "Channel Voice");
  EXPECT_FALSE(dlg.isModal());
  for (QPushButton* button : dlg.findChildren<QPushButton*>()) EXPECT_FALSE(button->autoDefault());
  EXPECT_TRUE(dlg.Tree().topLevelItem(0)->isExpanded()) << "open at channel 1's GrandPno";
  dlg.Tree().collapseAll();
  EnterOn("Piano");
  EXPECT_TRUE(dlg.Tree().topLevelItem(0)->isExpanded());
  EnterOn("Piano");
  EXPECT_FALSE(dlg.Tree().topLevelItem(0)->isExpanded());
  EXPECT_TRUE(host.channelVoices.empty());
  EnterOn("GrandPno");
  EnterOn("Gunshot");
  dlg.Tree().clearSelection();
  QTest::keyClick(&dlg.Tree(), Qt::Key_Return);
  EXPECT_TRUE(DoubleClickTreeItem(dlg.Tree(), "Guitar")->isExpanded());
  DoubleClickTreeItem(dlg.Tree(), "Rain");  // the first "Rain" is the pad
  EXPECT_EQ(
      host.channelVoices,
      (std::vector<int>{0, 522, FindVoice(97, 0, 0, rig.model, InstrumentModel::Basic).index}));
  EXPECT_TRUE(dlg.IsOpen());
  EXPECT_TRUE(rig.backend.shorts.empty() && rig.Sent().empty());  // the main bar sends, not this
}

TEST_F(ChannelVoiceDlgTest, OkAppliesAVoiceNotACategoryAndClosesLikeCancelEscapeAndTheCloseBox) {
  const std::vector<std::pair<QString, std::function<void()>>> closings{
      {"Drums", [this] { dlg.findChild<QPushButton*>("OK")->click(); }},
      {"GrandPno", [this] { dlg.findChild<QPushButton*>("Cancel")->click(); }},
      {"GrandPno", [this] { QTest::keyClick(&dlg.Tree(), Qt::Key_Escape); }},
      {"GrandPno", [this] { dlg.close(); }},
      {"UVox 32", [this] { dlg.findChild<QPushButton*>("OK")->click(); }}};
  for (const auto& [voice, close] : closings) {
    ASSERT_TRUE(dlg.OpenWindow());  // the tree rebuilt, once, with nothing selected
    EXPECT_EQ(dlg.Tree().topLevelItemCount(), 20);
    EXPECT_TRUE(dlg.Tree().selectedItems().isEmpty());
    SelectTreeItem(dlg.Tree(), voice);
    close();
    EXPECT_FALSE(dlg.IsOpen()) << voice.toStdString();
  }
  EXPECT_EQ(host.channelVoices,
            (std::vector<int>{FindVoice(32, 63, 0, rig.model, InstrumentModel::Basic).index}));
  EXPECT_EQ(host.closed, (std::vector<EditorSlot>(5, EditorSlot::ChannelVoice)));
}

TEST_F(ChannelVoiceDlgTest, OpensAtTheVoiceOfTheControllersChannel) {
  host.controllersChannel = MidiChannel::FromIndex(2);
  ASSERT_TRUE(rig.model.Channels().SetChannelVoice(host.controllersChannel, ChannelVoice{0, 2, 1}));
  ASSERT_TRUE(dlg.OpenWindow());
  ASSERT_NE(dlg.Tree().currentItem(), nullptr);
  EXPECT_EQ(dlg.Tree().currentItem()->text(0), "BritPnoK");
  EXPECT_TRUE(dlg.Tree().currentItem()->font(0).bold());
  ASSERT_TRUE(rig.model.Channels().SetChannelVoice(host.controllersChannel, ChannelVoice{0, 1, 0}));
  EXPECT_FALSE(dlg.Tree().currentItem()->font(0).bold()) << "the voice in use follows the model";
  // The tree, rebuilt at each opening, holds the voices of the model's instrument.
  dlg.close();
  rig.model.SetInstrument(InstrumentModel::Extended);
  ASSERT_TRUE(
      rig.model.Channels().SetChannelVoice(host.controllersChannel, ChannelVoice{0, 1, 64}));
  ASSERT_TRUE(dlg.OpenWindow());
  ASSERT_NE(dlg.Tree().currentItem(), nullptr);
  EXPECT_EQ(dlg.Tree().currentItem()->text(0), "Concert Grand Piano");
}

}  // namespace
}  // namespace ravlo::test
