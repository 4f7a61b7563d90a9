// The help page as the program shows it: Help > Help Contents in the main bar
// and F1 over a control of the Devices dialog.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <set>

#include "shell/DevicesDialog.h"
#include "shell/HelpWindow.h"
#include "support/MainBarRig.h"
#include "support/QtPrinters.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

class HelpWindowTest : public ::testing::Test, public test::MainBarRig {
 protected:
  QTextBrowser& Browser() { return *Bar().Help().findChild<QTextBrowser*>(); }
};

TEST_F(HelpWindowTest, HelpContentsShowsThePage) {
  Start();
  Bar().HelpContentsCommand();
  EXPECT_TRUE(Bar().Help().isVisible());
  EXPECT_EQ(Browser().documentTitle(), "Ravlo Help");
  EXPECT_TRUE(
      Browser().toPlainText().contains("Ravlo edits the whole state of an XG tone generator"));
  // The links stand out from the black page as plainly as its text does.
  const QPalette& palette = Browser().palette();
  const auto lightness = [&](QPalette::ColorRole role) { return palette.color(role).lightness(); };
  EXPECT_GE(lightness(QPalette::Link) - lightness(QPalette::Base), 150);
  EXPECT_GE(lightness(QPalette::LinkVisited) - lightness(QPalette::Base), 150);
  // Each heading once, and the editors and the piano have theirs.
  std::set<QString> headings;
  for (QTextBlock block = Browser().document()->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 0) continue;
    EXPECT_TRUE(headings.insert(block.text()).second) << block.text().toStdString();
  }
  for (const char* section : {"The Part window", "The Drum Sets window", "The User Voice window",
                              "The piano: playing from the computer keyboard"}) {
    EXPECT_EQ(headings.count(section), 1u) << section;
  }
}

TEST_F(HelpWindowTest, F1OnAControlOfTheDevicesDialogShowsItsTopic) {
  Start();
  DevicesDialog dialog({{0, "Synth"}}, {{0, "Synth Out"}}, {0, 0, true}, prompts, Bar().Help(),
                       &Bar());
  QTest::keyClick(dialog.findChild<EditSpinPair*>("UnitId")->Edit(), Qt::Key_F1);
  EXPECT_TRUE(Bar().Help().isVisible());
  EXPECT_EQ(Bar().Help().CurrentAnchor(), "topic-78250114");
  EXPECT_TRUE(Browser().toPlainText().contains("Unit ID"));
  QTest::keyClick(dialog.findChild<QListWidget*>("InputPorts"), Qt::Key_F1);
  EXPECT_EQ(Bar().Help().CurrentAnchor(), "topic-65667202");
  EXPECT_TRUE(Browser().toPlainText().contains("Channel controllers cannot be read"));
}

}  // namespace
}  // namespace ravlo
