#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "voices/CPartVoiceDlg.h"
#include "voices/VoiceBrowserTestTools.h"

namespace ravlo {
namespace {

using test::DoubleClickTreeItem;
using test::FindTreeItem;
using test::SelectTreeItem;

class PartVoiceDlgTest : public ::testing::Test {
 protected:
  // Runs Choose() with `act` answering the dialog from inside its modal loop. Should the dialog
  // still be up afterwards, a later timer cancels it so a faulty test fails instead of hanging.
  std::optional<int> ChooseWith(std::function<void(CPartVoiceDlg&)> act) {
    QPointer<CPartVoiceDlg> guarded(&dlg);
    QTimer::singleShot(0, &dlg, [this, act] {
      sawModal = QApplication::activeModalWidget() == &dlg;
      act(dlg);
    });
    QTimer::singleShot(3000, &dlg, [this, guarded] {
      if (guarded && guarded->isVisible()) {
        leftOpen = true;
        guarded->reject();
      }
    });
    return dlg.Choose();
  }

  QTreeWidgetItem* Item(const QString& text) { return FindTreeItem(dlg.Tree(), text); }
  static QPushButton* Button(CPartVoiceDlg& d, const char* name) {
    return d.findChild<QPushButton*>(name);
  }

  CPartVoiceDlg dlg{nullptr};
  bool sawModal = false;
  bool leftOpen = false;
};

TEST_F(PartVoiceDlgTest, IsAModalPartVoiceDialogWithTheFullTree) {
  const std::optional<int> choice = ChooseWith([](CPartVoiceDlg& d) {
    EXPECT_EQ(d.windowTitle(), "Part Voice");
    EXPECT_EQ(d.Tree().topLevelItemCount(), 20);
    EXPECT_EQ(d.Tree().topLevelItem(0)->text(0), "Piano");
    EXPECT_EQ(d.Tree().topLevelItem(19)->text(0), "User");
    for (QPushButton* button : d.findChildren<QPushButton*>()) EXPECT_FALSE(button->autoDefault());
    Button(d, "Cancel")->click();
  });
  EXPECT_TRUE(sawModal);
  EXPECT_FALSE(choice.has_value());
  EXPECT_FALSE(leftOpen);
}

TEST_F(PartVoiceDlgTest, OkWithNothingSelectedEndsWithOkButNoChoice) {
  const std::optional<int> choice = ChooseWith([](CPartVoiceDlg& d) {
    d.Tree().clearSelection();
    Button(d, "OK")->click();
  });
  EXPECT_FALSE(choice.has_value());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(dlg.Chosen());
  EXPECT_EQ(dlg.ChosenIndex(), -1);
  EXPECT_FALSE(leftOpen);
}

TEST_F(PartVoiceDlgTest, OkOnACategoryEndsWithOkButNoChoice) {
  const std::optional<int> choice = ChooseWith([this](CPartVoiceDlg& d) {
    SelectTreeItem(d.Tree(), Item("Drums"));
    Button(d, "OK")->click();
  });
  EXPECT_FALSE(choice.has_value());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(dlg.Chosen());
}

TEST_F(PartVoiceDlgTest, OkOnAVoiceReturnsItsIndex) {
  const std::optional<int> choice = ChooseWith([this](CPartVoiceDlg& d) {
    SelectTreeItem(d.Tree(), Item("GrandPno"));
    Button(d, "OK")->click();
  });
  EXPECT_EQ(choice, 0);
  EXPECT_TRUE(dlg.Chosen());
  EXPECT_EQ(dlg.ChosenIndex(), 0);
}

TEST_F(PartVoiceDlgTest, EnterActsAsOk) {
  const std::optional<int> choice = ChooseWith([this](CPartVoiceDlg& d) {
    SelectTreeItem(d.Tree(), Item("Gunshot"));
    QTest::keyClick(&d.Tree(), Qt::Key_Return);
  });
  EXPECT_EQ(choice, 522);

  const std::optional<int> onCategory = ChooseWith([this](CPartVoiceDlg& d) {
    SelectTreeItem(d.Tree(), Item("Piano"));
    QTest::keyClick(&d.Tree(), Qt::Key_Enter);
  });
  EXPECT_FALSE(onCategory.has_value());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(leftOpen);
}

TEST_F(PartVoiceDlgTest, CancelAndEscapeReturnNothingWhateverIsSelected) {
  const std::optional<int> cancelled = ChooseWith([this](CPartVoiceDlg& d) {
    SelectTreeItem(d.Tree(), Item("GrandPno"));
    Button(d, "Cancel")->click();
  });
  EXPECT_FALSE(cancelled.has_value());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);

  const std::optional<int> escaped = ChooseWith([this](CPartVoiceDlg& d) {
    SelectTreeItem(d.Tree(), Item("GrandPno"));
    QTest::keyClick(&d.Tree(), Qt::Key_Escape);
  });
  EXPECT_FALSE(escaped.has_value());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_FALSE(leftOpen);
}

TEST_F(PartVoiceDlgTest, DoubleClickOnAVoiceChoosesItAtOnce) {
  const std::optional<int> choice =
      ChooseWith([this](CPartVoiceDlg& d) { DoubleClickTreeItem(d.Tree(), Item("SFX Kit1")); });
  EXPECT_EQ(choice, 7);
  EXPECT_FALSE(leftOpen);
}

TEST_F(PartVoiceDlgTest, DoubleClickOnACategoryOnlyOpensIt) {
  bool stillOpen = false;
  bool expanded = false;
  const std::optional<int> choice = ChooseWith([&](CPartVoiceDlg& d) {
    QTreeWidgetItem* organ = Item("Organ");
    DoubleClickTreeItem(d.Tree(), organ);
    stillOpen = d.isVisible();
    expanded = organ->isExpanded();
    Button(d, "Cancel")->click();
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(expanded);
  EXPECT_FALSE(choice.has_value());
}

TEST_F(PartVoiceDlgTest, ASecondRunForgetsTheFirstChoice) {
  ASSERT_EQ(ChooseWith([this](CPartVoiceDlg& d) {
              SelectTreeItem(d.Tree(), Item("GrandPno"));
              Button(d, "OK")->click();
            }),
            0);
  const std::optional<int> second = ChooseWith([](CPartVoiceDlg& d) {
    EXPECT_EQ(d.Tree().topLevelItemCount(), 20);
    Button(d, "OK")->click();
  });
  EXPECT_FALSE(second.has_value());
  EXPECT_FALSE(dlg.Chosen());
}

}  // namespace
}  // namespace ravlo
