// The Extended model's windows: each shows its block and sends what is
// typed; the main bar offers them only with that model.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "editors/CDisplayTextDlg.h"
#include "effects/CInsertionDlg.h"
#include "effects/CMultiEqDlg.h"
#include "effects/CReverbDlg.h"
#include "support/FakeEditorHost.h"
#include "support/MainBarRig.h"
#include "support/ModelFixture.h"
#include "widgets/CurveView.h"
#include "widgets/EditSpinPair.h"

namespace ravlo::test {
namespace {

struct ExtendedWindowsTest : ::testing::Test {
  ExtendedWindowsTest() { rig.model.SetInstrument(InstrumentModel::Extended); }
  template <typename Widget>
  Widget* Find(QWidget& window, const QString& name) {
    auto* widget = window.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  void Type(QWidget& window, const QString& name, const QString& text) {
    auto* box = Find<EditSpinPair>(window, name);
    box->Edit()->setText(text);
    box->Commit();
  }

  ModelRig rig;
  FakeEditorHost host;
};

TEST_F(ExtendedWindowsTest, TheInsertionWindowFollowsTheTypeAndSendsEachField) {
  CInsertionDlg dlg(rig.model, host);
  dlg.OpenWindow();
  EXPECT_EQ(dlg.windowTitle(), "Insertion -- 1: None");
  EXPECT_FALSE(Find<EditSpinPair>(dlg, "Param1")->isEnabled());
  Find<QComboBox>(dlg, "InsertionList")->setCurrentIndex(1);
  Find<QComboBox>(dlg, "TypeList")->setCurrentIndex(37);  // Distortion
  EXPECT_EQ(dlg.windowTitle(), "Insertion -- 2: Distortion");
  EXPECT_EQ(Find<QLabel>(dlg, "Param1Label")->text(), "Drive");
  rig.ClearSent();
  Type(dlg, "Param1", "100");
  Type(dlg, "Part", "3");
  EXPECT_EQ(rig.Sent(), Join(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x03, 0x01, 0x02, 0x64, 0xF7}),
                             Bytes({0xF0, 0x43, 0x10, 0x4C, 0x03, 0x01, 0x0C, 0x02, 0xF7})));
  EXPECT_EQ(host.steps, (std::vector<std::string>{"Insertion 2 Type", "Insertion 2 Drive",
                                                  "Insertion 2 Part"}));
  // A type that came from a file and no list holds shows as it came.
  ASSERT_TRUE(rig.model.Insertions().Store(1, 0, Bytes({0x7E, 0x01})));
  EXPECT_EQ(Find<QComboBox>(dlg, "TypeList")->currentText(), "Unknown (7E 01)");
  EXPECT_EQ(Find<QLabel>(dlg, "Param1Label")->text(), "Param 1");
}

TEST_F(ExtendedWindowsTest, TheMultiEqDisplayAndReverbWindowsSendWhatIsTyped) {
  CMultiEqDlg eq(rig.model, host);
  eq.OpenWindow();
  EXPECT_EQ(Find<EditSpinPair>(eq, "Freq3")->UnitText(), "1.0 kHz");
  rig.ClearSent();
  Type(eq, "Gain3", "70");
  EXPECT_EQ(rig.Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x40, 0x09, 0x46, 0xF7}));
  EXPECT_EQ(Find<EditSpinPair>(eq, "Gain3")->UnitText(), "+6 dB");
  const Curve& response = eq.Response().Points();
  ASSERT_FALSE(response.empty());
  EXPECT_GT(
      std::max_element(response.begin(), response.end(), [](auto& a, auto& b) { return a.y < b.y; })
          ->y,
      5.5)
      << "the curve follows the gain";

  CDisplayTextDlg display(rig.model, host);
  display.OpenWindow();
  rig.ClearSent();
  display.TextField().setText("Song 1");
  emit display.TextField().editingFinished();
  ASSERT_EQ(rig.Sent().size(), 40u);
  EXPECT_EQ(rig.model.DisplayText().Text(), "Song 1");
  ASSERT_TRUE(rig.model.DisplayText().StoreLetters(0, Bytes({'X'})));
  EXPECT_EQ(display.TextField().text(), "Xong 1");

  // The Reverb window offers the later types.
  CReverbDlg reverb(rig.model, host);
  reverb.OpenWindow();
  auto* types = Find<QComboBox>(reverb, "TypeList");
  EXPECT_EQ(types->count(), 12 + 7);
  rig.ClearSent();
  types->setCurrentIndex(types->findText("Hall L"));
  EXPECT_EQ(rig.Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x01, 0x07, 0xF7}));
  EXPECT_EQ(reverb.windowTitle(), "Reverb -- Hall L");
}

TEST(ExtendedWindows, TheMainBarOffersThemOnlyWithTheExtendedModel) {
  MainBarRig rig;
  rig.Start();
  EXPECT_FALSE(rig.Bar().Button(EditorSlot::Insertion)->isVisibleTo(&rig.Bar()));
  EXPECT_FALSE(rig.Bar().OpenEditor(EditorSlot::MultiEq));
  DevicesDialog::Choice choice{-2, 0, true, -2, InstrumentModel::Extended};
  rig.devicesChoice = choice;
  rig.Bar().DevicesCommand();
  EXPECT_TRUE(rig.Bar().Model().IsExtended());
  EXPECT_TRUE(rig.Bar().Button(EditorSlot::Insertion)->isVisibleTo(&rig.Bar()));
  EXPECT_TRUE(rig.Bar().OpenEditor(EditorSlot::MultiEq));
  choice.instrument = InstrumentModel::Basic;
  rig.devicesChoice = choice;
  rig.Bar().DevicesCommand();
  EXPECT_FALSE(rig.Bar().Editor(EditorSlot::MultiEq)->IsOpen()) << "its window went with it";
  rig.Bar().close();
  EXPECT_EQ(rig.settings.strings["InstrumentModel"], "basic");
}

}  // namespace
}  // namespace ravlo::test
