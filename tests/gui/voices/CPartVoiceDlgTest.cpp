#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidgetItemIterator>
#include <functional>

#include "support/FakeSoundView.h"
#include "voices/CPartVoiceDlg.h"
#include "voices/VoiceBrowserTestTools.h"

namespace ravlo::test {
namespace {

class PartVoiceDlgTest : public ::testing::Test {
 protected:
  // Runs Choose() with `act` answering the dialog from inside its modal loop. Should the dialog
  // still be up afterwards, a later timer cancels it so a faulty test fails instead of hanging.
  std::optional<int> ChooseWith(const std::function<void()>& act) {
    QTimer::singleShot(0, &dlg, [this, act] {
      EXPECT_EQ(QApplication::activeModalWidget(), &dlg);
      act();
    });
    QTimer::singleShot(3000, &dlg, [this] {
      EXPECT_FALSE(dlg.isVisible()) << "left open";
      dlg.reject();
    });
    return dlg.Choose();
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
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(ChooseBy("GrandPno", nullptr, Qt::Key_Escape), std::nullopt);
}

TEST_F(PartVoiceDlgTest, WithAuditionOnAVoiceChosenInTheTreeIsPlayed) {
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
}

TEST_F(PartVoiceDlgTest, DoubleClickOpensACategoryAndChoosesAVoiceAtOnce) {
  const std::optional<int> choice = ChooseWith([this] {
    EXPECT_EQ(dlg.windowTitle(), "Part Voice");
    for (QPushButton* button : dlg.findChildren<QPushButton*>())
      EXPECT_FALSE(button->autoDefault());
    EXPECT_TRUE(DoubleClickTreeItem(dlg.Tree(), "Organ")->isExpanded());
    DoubleClickTreeItem(dlg.Tree(), "SFX Kit1");
  });
  EXPECT_EQ(choice, 7);
}

TEST_F(PartVoiceDlgTest, OpensAtTheVoiceInUseAndTheSearchBoxFindsAsOneTypes) {
  QTimer::singleShot(0, &dlg, [this] {
    const QTreeWidgetItem* current = dlg.Tree().currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(0), "Gunshot");
    EXPECT_EQ((QStringList{current->text(1), current->text(2), current->text(3)}),
              (QStringList{"0", "0", "128"}));
    EXPECT_TRUE(current->font(0).bold() && current->parent()->isExpanded());
    EXPECT_TRUE(dlg.Tree().selectedItems().isEmpty()) << "OK still chooses nothing";
    QTest::keyClicks(&dlg.Search(), "cuttng");
    QStringList shown;
    for (QTreeWidgetItemIterator it(&dlg.Tree(), QTreeWidgetItemIterator::NotHidden); *it; ++it)
      shown << (*it)->text(0);
    EXPECT_EQ(shown, (QStringList{"Special FX Voice", "CuttngNz"}));
    QTest::keyClick(&dlg.Search(), Qt::Key_Return);
  });
  QTimer::singleShot(3000, &dlg, [this] { dlg.reject(); });
  EXPECT_EQ(dlg.Choose(522), 6) << "the one voice found, taken by Enter";
}

}  // namespace
}  // namespace ravlo::test
