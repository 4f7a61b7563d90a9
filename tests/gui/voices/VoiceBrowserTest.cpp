#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <functional>
#include <set>

#include "support/FakeEditorHost.h"
#include "support/FakeSoundView.h"
#include "support/ModelFixture.h"
#include "voices/CChannelVoiceDlg.h"
#include "voices/CPartVoiceDlg.h"
#include "voices/ExtendedVoiceData.h"
#include "voices/VoiceBrowserTestTools.h"
#include "voices/VoiceCatalogue.h"
#include "voices/VoiceTree.h"

namespace ravlo::test {
namespace {

TEST(VoiceTreeTest, HoldsTheCategoriesInOrderAndEveryVoiceOnceUnderItsOwnWithItsIndex) {
  QTreeWidget tree;
  ASSERT_TRUE(FillVoiceTree(&tree, InstrumentModel::Extended));
  ASSERT_EQ(tree.topLevelItemCount(), static_cast<int>(kVoiceCategoryCount));
  std::set<int> seen;
  for (int c = 0; c < tree.topLevelItemCount(); ++c) {
    const QTreeWidgetItem* category = tree.topLevelItem(c);
    EXPECT_EQ(category->text(0).toStdString(), kVoiceCategoryNames[static_cast<std::size_t>(c)]);
    EXPECT_FALSE(VoiceOfItem(category).has_value());
    for (int v = 0; v < category->childCount(); ++v) {
      const std::optional<int> index = VoiceOfItem(category->child(v));
      ASSERT_TRUE(index.has_value()) << c << " " << v;
      const VoiceRecord& record = *CatalogueVoice(*index);
      EXPECT_EQ(category->child(v)->text(0).toStdString(), record.Name());
      EXPECT_EQ(static_cast<int>(record.category), c);
      EXPECT_TRUE(seen.insert(*index).second) << *index;
    }
  }
  EXPECT_EQ(seen.size(), kVoiceCount + kExtendedVoiceCount);
  EXPECT_GT(tree.minimumWidth(),
            QFontMetrics(tree.font()).horizontalAdvance("Synth Brass with Sub Oscillator"));
  const QTreeWidgetItem* user = tree.topLevelItem(tree.topLevelItemCount() - 1);
  EXPECT_EQ(user->childCount(), 32);
  EXPECT_EQ(user->child(0)->text(0), "UVox 01");
  EXPECT_EQ(tree.findItems("Special FX Kit", Qt::MatchExactly)[0]->child(0)->text(0), "Arabic Kit");

  // A missing tree and items without a voice are refused.
  EXPECT_FALSE(FillVoiceTree(nullptr, InstrumentModel::Basic) || VoiceOfItem(nullptr).has_value());
  QTreeWidgetItem item;
  EXPECT_FALSE(VoiceOfItem(&item).has_value());  // no data
  for (int data : {-1, static_cast<int>(kVoiceCount)}) {
    item.setData(0, Qt::UserRole, data);
    EXPECT_FALSE(VoiceOfItem(&item).has_value()) << data;
  }
}

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
  for (QPushButton* button : dlg.findChildren<QPushButton*>()) EXPECT_FALSE(button->autoDefault());
  EXPECT_TRUE(dlg.Tree().topLevelItem(0)->isExpanded()) << "open at channel 1's GrandPno";
  dlg.Tree().collapseAll();
  EnterOn("Piano");
  EXPECT_TRUE(dlg.Tree().topLevelItem(0)->isExpanded());
  EnterOn("Piano");
  EXPECT_FALSE(dlg.Tree().topLevelItem(0)->isExpanded());
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

TEST_F(ChannelVoiceDlgTest,
       OkAppliesAVoiceClosesLikeCancelEscapeAndTheCloseBoxAndReopensAtTheVoiceInUse) {
  const std::vector<std::pair<QString, std::function<void()>>> closings{
      {"Drums", [this] { dlg.findChild<QPushButton*>("OK")->click(); }},
      {"GrandPno", [this] { dlg.findChild<QPushButton*>("Cancel")->click(); }},
      {"GrandPno", [this] { QTest::keyClick(&dlg.Tree(), Qt::Key_Escape); }},
      {"GrandPno", [this] { dlg.close(); }},
      {"UVox 32", [this] { dlg.findChild<QPushButton*>("OK")->click(); }}};
  for (const auto& [voice, close] : closings) {
    ASSERT_TRUE(dlg.OpenWindow());  // the tree rebuilt, with nothing selected
    EXPECT_TRUE(dlg.Tree().selectedItems().isEmpty());
    SelectTreeItem(dlg.Tree(), voice);
    close();
    EXPECT_FALSE(dlg.IsOpen()) << voice.toStdString();
  }
  EXPECT_EQ(host.channelVoices,
            (std::vector<int>{FindVoice(32, 63, 0, rig.model, InstrumentModel::Basic).index}));
  EXPECT_EQ(host.closed, (std::vector<EditorSlot>(5, EditorSlot::ChannelVoice)));

  // It opens at the voice of the Controllers window's channel.
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
  EXPECT_EQ(dlg.Tree().currentItem()->text(0), "Concert Grand Piano");
}

class PartVoiceDlgTest : public ::testing::Test {
 protected:
  // Runs Choose() with `act` answering the dialog from inside its modal loop. Should the dialog
  // still be up afterwards, a later timer cancels it so a faulty test fails instead of hanging.
  std::optional<int> ChooseWith(const std::function<void()>& act, std::optional<int> shown = {}) {
    QTimer::singleShot(0, &dlg, [this, act] {
      EXPECT_EQ(QApplication::activeModalWidget(), &dlg);
      act();
    });
    QTimer::singleShot(3000, &dlg, [this] {
      EXPECT_FALSE(dlg.isVisible()) << "left open";
      dlg.reject();
    });
    return dlg.Choose(shown);
  }
  // Chooses with `text` selected (nothing when empty), then clicks `button` or presses `key`.
  std::optional<int> ChooseBy(const QString& text, const char* button,
                              Qt::Key key = Qt::Key_unknown) {
    return ChooseWith([=, this] {
      dlg.Tree().clearSelection();
      if (!text.isEmpty()) SelectTreeItem(dlg.Tree(), text);
      if (button != nullptr) dlg.findChild<QPushButton*>(button)->click();
      if (button == nullptr) QTest::keyClick(&dlg.Tree(), key);
    });
  }

  CPartVoiceDlg dlg{InstrumentModel::Basic, nullptr};
};

TEST_F(PartVoiceDlgTest, ReturnsTheChosenVoicesIndexButNothingForACategoryNoSelectionOrCancel) {
  EXPECT_EQ(ChooseBy("GrandPno", "OK"), 0);
  EXPECT_EQ(ChooseBy("", "OK"), std::nullopt);  // a second run forgets the first choice
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(ChooseBy("Drums", "OK"), std::nullopt);
  EXPECT_EQ(ChooseBy("Gunshot", nullptr, Qt::Key_Return), 522);
  EXPECT_EQ(ChooseBy("Piano", nullptr, Qt::Key_Enter), std::nullopt);
  EXPECT_EQ(ChooseBy("GrandPno", "Cancel"), std::nullopt);
  EXPECT_EQ(ChooseWith([this] {
              EXPECT_TRUE(DoubleClickTreeItem(dlg.Tree(), "Organ")->isExpanded());
              DoubleClickTreeItem(dlg.Tree(), "SFX Kit1");
            }),
            7);
}

TEST_F(PartVoiceDlgTest, AuditionPlaysAVoiceChosenAndTheSearchBoxFindsAsOneTypes) {
  auto* audition = dlg.findChild<QCheckBox*>("Audition");
  ASSERT_NE(audition, nullptr);
  EXPECT_TRUE(audition->isHidden()) << "no sound, no box";
  FakeSoundView sound;
  dlg.SetSound(&sound);
  ChooseWith([&] {
    EXPECT_TRUE(audition->isVisible());
    SelectTreeItem(dlg.Tree(), "GrandPno");
    audition->setChecked(true);
    SelectTreeItem(dlg.Tree(), "Gunshot");
    dlg.reject();
  });
  EXPECT_EQ(sound.auditioned, std::vector<int>{522}) << "only while the box is ticked";
  EXPECT_TRUE(sound.auditionOn) << "kept for the next browser";

  // It opens at the voice in use, and the search box finds as one types.
  const auto find = [this] {
    const QTreeWidgetItem* current = dlg.Tree().currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ((QStringList{current->text(0), current->text(1), current->text(2), current->text(3)}),
              (QStringList{"Gunshot", "0", "0", "128"}));
    EXPECT_TRUE(current->font(0).bold() && current->parent()->isExpanded());
    EXPECT_TRUE(dlg.Tree().selectedItems().isEmpty()) << "OK still chooses nothing";
    QTest::keyClicks(&dlg.Search(), "cuttng");
    QStringList shown;
    for (QTreeWidgetItemIterator it(&dlg.Tree(), QTreeWidgetItemIterator::NotHidden); *it; ++it)
      shown << (*it)->text(0);
    EXPECT_EQ(shown, (QStringList{"Special FX Voice", "CuttngNz"}));
    QTest::keyClick(&dlg.Search(), Qt::Key_Return);
  };
  EXPECT_EQ(ChooseWith(find, 522), 6) << "the one voice found, taken by Enter";
}

}  // namespace
}  // namespace ravlo::test
