#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <vector>

#include "parts/PartParameterTable.h"
#include "shell/EditorDialog.h"
#include "support/MainBarRig.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

class EditSpinPairTest : public ::testing::Test {
 protected:
  EditSpinPairTest() {
    field.SetRange(0, 127);
    field.SetValue(100);
    field.SetSetter([this](int value) {
      sent.push_back(value);
      return accept;
    });
  }

  void Type(const QString& text) {
    field.Edit()->setText(text);
    field.Commit();
  }

  EditSpinPair field;
  std::vector<int> sent;
  bool accept = true;
};

void Wheel(QWidget& widget, int delta) {
  const QPointF at(2, 2);
  QWheelEvent wheel(at, widget.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&widget, &wheel);
}

TEST_F(EditSpinPairTest, WheelNotchesAndKeysStepTheValue) {
  Wheel(field, 2 * QWheelEvent::DefaultDeltasPerStep);
  Wheel(field, -QWheelEvent::DefaultDeltasPerStep / 2);
  Wheel(field, -QWheelEvent::DefaultDeltasPerStep / 2);
  EXPECT_EQ(sent, (std::vector<int>{101, 102, 101}));
  field.setEnabled(false);
  Wheel(field, QWheelEvent::DefaultDeltasPerStep);
  field.Step(+1);
  EXPECT_EQ(sent.size(), 3u) << "a disabled field does not turn";

  // In the box the arrow keys act as spin clicks; the page keys step by ten and stop at the ends.
  field.setEnabled(true);
  sent.clear();
  field.SetValue(100);
  field.Edit()->setFocus();
  QTest::keyClick(field.Edit(), Qt::Key_Up);
  QTest::keyClick(field.Edit(), Qt::Key_Down);
  EXPECT_EQ(sent, (std::vector<int>{101, 100}));
  sent.clear();
  QTest::keyClick(field.Edit(), Qt::Key_PageUp);
  QTest::keyClick(field.Edit(), Qt::Key_PageUp);
  QTest::keyClick(field.Edit(), Qt::Key_PageDown);
  EXPECT_EQ(sent, (std::vector<int>{110, 120, 110}));
  field.SetValue(125);
  QTest::keyClick(field.Edit(), Qt::Key_PageUp);
  EXPECT_EQ(sent.back(), 127);
}

TEST_F(EditSpinPairTest, TheUnitReadsBesideTheNumberAndWrappingAndSignedFields) {
  field.Describe(kPartParameters[0x0E].parameter);  // Pan
  field.SetValue(1);
  EXPECT_EQ(field.Edit()->text(), "1");
  EXPECT_EQ(field.UnitText(), "L63");
  Type("64");
  EXPECT_EQ(field.UnitText(), "C");
  field.setEnabled(false);
  EXPECT_EQ(field.Edit()->text(), "");
  EXPECT_EQ(field.UnitText(), "");
  field.setEnabled(true);
  EXPECT_EQ(field.Edit()->text(), "64");

  // Wrapping fields go round the ends; signed fields read the sign.
  field.SetRange(1, 128);
  field.SetEnds(EditSpinPair::Ends::Wrap);
  field.SetValue(128);
  field.Step(+1);
  EXPECT_EQ(field.Value(), 1);
  field.Step(-1);
  EXPECT_EQ(field.Value(), 128);
  sent.clear();
  field.SetRange(-24, 24);
  field.SetSigned(true);
  field.SetValue(0);
  Type("-24");
  EXPECT_EQ(sent, std::vector<int>{-24});
  Type("-25");
  EXPECT_EQ(field.Value(), -24);
}

// Bad text beeps and restores, the current value sends nothing, a refused one leaves the old.
TEST_F(EditSpinPairTest, TypedValuesAreSentTakenOrRefusedAndABoundFieldFollowsItsHome) {
  QSignalSpy committed(&field, &EditSpinPair::ValueCommitted);
  QSignalSpy beeped(&field, &EditSpinPair::Beeped);
  for (const char* refused : {"200", "abc", "", "-5", "100"}) {
    Type(refused);
    EXPECT_EQ(field.Edit()->text(), "100") << refused;
  }
  EXPECT_EQ(beeped.count(), 4);
  EXPECT_TRUE(sent.empty());
  Type("90");
  EXPECT_EQ(sent, std::vector<int>{90});
  EXPECT_EQ(field.Value(), 90);
  EXPECT_EQ(committed.count(), 1);
  field.SetValue(127);
  field.Step(+1);  // clamped at the top: 127 again
  EXPECT_EQ(sent.size(), 1u);
  accept = false;
  Type("50");
  EXPECT_EQ(field.Value(), 127);
  EXPECT_EQ(field.Edit()->text(), "127");

  // Bound, the field follows its home on Refresh (not over typing) and tells a spin from typing.
  int home = 30;
  std::vector<bool> stepping;
  field.SetGetter([&home] { return home; });
  field.SetSetter([&](int value) {
    stepping.push_back(field.Stepping());
    home = value;
    return true;
  });
  EXPECT_EQ(field.Edit()->text(), "30");
  home = 40;
  field.Refresh();
  EXPECT_EQ(field.Value(), 40);
  EXPECT_EQ(field.Edit()->text(), "40");

  field.Edit()->setText("4");  // being typed
  field.Edit()->setModified(true);
  home = 45;
  field.Refresh();
  EXPECT_EQ(field.Edit()->text(), "4");
  field.Commit();
  field.Step(+1);
  EXPECT_EQ(home, 5);
  EXPECT_EQ(stepping, (std::vector<bool>{false, true}));
  EXPECT_FALSE(field.Stepping());
}

QToolButton* Arrow(const EditSpinPair& field, Qt::ArrowType type) {
  for (QToolButton* arrow : field.findChildren<QToolButton*>()) {
    if (arrow->arrowType() == type) return arrow;
  }
  return nullptr;
}

TEST_F(EditSpinPairTest, TheArrowsStartFromATypedValueAndSpeedUpWhenHeld) {
  field.show();
  field.Edit()->setFocus();
  field.Edit()->setText("50");
  QTest::mouseClick(Arrow(field, Qt::UpArrow), Qt::LeftButton);
  EXPECT_EQ(sent, std::vector<int>{51});
  field.Edit()->setText("70");
  QTest::keyClick(field.Edit(), Qt::Key_Down);
  EXPECT_EQ(sent, (std::vector<int>{51, 69}));
  field.Edit()->setText("200");
  QTest::mouseClick(Arrow(field, Qt::UpArrow), Qt::LeftButton);
  EXPECT_EQ(sent, (std::vector<int>{51, 69, 70})) << "out of range: from the value, 69";

  // Held, an arrow steps by 1, by 10 from 2 s and by 100 from 3 s after it was pressed.
  qint64 now = 0;
  field.SetClock([&now] { return now; });
  field.SetRange(0, 10000);
  field.SetValue(5000);
  field.SetAccelerating(true);
  field.show();
  QToolButton* up = Arrow(field, Qt::UpArrow);
  QTest::mousePress(up, Qt::LeftButton);
  ASSERT_EQ(field.Value(), 5000) << "a press alone does not step";
  now = 2100;
  ASSERT_TRUE(QTest::qWaitFor([&] { return field.Value() != 5000; }, 1000));
  EXPECT_EQ(field.Value(), 5010);
  now = 3100;
  const int before = field.Value();
  ASSERT_TRUE(QTest::qWaitFor([&] { return field.Value() != before; }, 1000));
  EXPECT_EQ(field.Value(), before + 100);
  QTest::mouseRelease(up, Qt::LeftButton);
  const int released = field.Value();
  field.Step(+1);
  EXPECT_EQ(field.Value(), released + 1) << "let go, the clock stops";
}

// Whatever width their column gives them, the arrows sit against the box.
TEST(EditSpinPairLayout, TheArrowsTouchTheBoxInTheControllersAndUserVoiceWindows) {
  test::MainBarRig rig;
  rig.Start();
  const std::pair<EditorSlot, std::vector<const char*>> windows[] = {
      {EditorSlot::Controllers, {"Voice"}}, {EditorSlot::UserVoice, {"Level"}}};
  for (const auto& [slot, names] : windows) {
    ASSERT_TRUE(rig.Bar().OpenEditor(slot));
    EditorDialog& window = *rig.Bar().Editor(slot);
    for (const char* name : names) {
      const auto* field = window.findChild<EditSpinPair*>(name);
      ASSERT_NE(field, nullptr) << name;
      const QRect box = field->Edit()->geometry();
      for (const QToolButton* arrow : field->findChildren<QToolButton*>()) {
        EXPECT_EQ(arrow->geometry().left(), box.right() + 1) << name;
      }
    }
  }
}

}  // namespace
}  // namespace ravlo
