#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "editors/CDisplayTextDlg.h"
#include "effects/CChorusDlg.h"
#include "effects/CInsertionDlg.h"
#include "effects/CMultiEqDlg.h"
#include "effects/CReverbDlg.h"
#include "effects/CVariationDlg.h"
#include "midi/MidiResult.h"
#include "support/FakeEditorHost.h"
#include "support/MainBarRig.h"
#include "support/ModelFixture.h"
#include "widgets/CurveView.h"
#include "widgets/EditSpinPair.h"

namespace ravlo::test {
namespace {

template <typename Widget>
Widget* FindIn(const QWidget& window, const QString& name) {
  auto* widget = window.findChild<Widget*>(name);
  EXPECT_NE(widget, nullptr) << name.toStdString();
  return widget;
}
void TypeIn(const QWidget& window, const QString& name, const QString& text) {
  auto* box = FindIn<EditSpinPair>(window, name);
  box->Edit()->setText(text);
  box->Commit();
}

// Drives one effect window over the fake port: opened, with nothing sent yet.
template <typename Dialog>
class EffectDlgTest : public ::testing::Test {
 protected:
  EffectDlgTest() {
    dlg.OpenWindow();
    rig.ClearSent();
  }

  template <typename Widget>
  Widget* Find(const QString& name) {
    return FindIn<Widget>(dlg, name);
  }
  EditSpinPair* Box(const QString& name) { return Find<EditSpinPair>(name); }
  QString Text(const QString& name) { return Box(name)->Edit()->text(); }
  // A field's text, after "off " while the field is disabled.
  QString Shown(const QString& name) { return (Box(name)->isEnabled() ? "" : "off ") + Text(name); }
  QString Label(const QString& name) { return Find<QLabel>(name + "Label")->text(); }
  void Type(const QString& name, const QString& text) { TypeIn(dlg, name, text); }
  void ChooseType(int index) { Find<QComboBox>("TypeList")->setCurrentIndex(index); }

  ModelRig rig;
  FakeEditorHost host;
  Dialog dlg{rig.model, host};
};

class ReverbDlgTest : public EffectDlgTest<CReverbDlg> {
 protected:
  QStringList RoomSize() {
    QStringList shown;
    for (const char* name : {"Width", "Height", "Depth", "WallVary"}) shown << Shown(name);
    return shown;
  }
};
using ChorusDlgTest = EffectDlgTest<CChorusDlg>;

TEST_F(ReverbDlgTest, TheTypeDecidesTheTitleAndWhichFieldsShow) {
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Hall 1");
  EXPECT_EQ(Find<QComboBox>("TypeList")->count(), 12);
  // A parameter the type leaves out shows no value, not its 255.
  EXPECT_EQ(RoomSize(), QStringList(4, "off "));

  ChooseType(0);
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- None");
  for (EditSpinPair* box : dlg.findChildren<EditSpinPair*>()) {
    EXPECT_EQ(Shown(box->objectName()), "off ") << box->objectName().toStdString();
  }
  EXPECT_FALSE(Find<QPushButton>("Default")->isEnabled());
  ChooseType(9);
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- White Room");
  EXPECT_EQ(RoomSize(), (QStringList{"30", "50", "70", "7"}));
}

TEST_F(ReverbDlgTest, EditsTypeChangesAndDefaultGoOutAndShowWhatTheModelHas) {
  Type("Time", "30");
  EXPECT_EQ(rig.Sent(), EffectChange(0x02, {0x1E}));
  ChooseType(3);
  EXPECT_EQ(Text("Time"), "5");
  EXPECT_EQ(host.modified, 2);
  ChooseType(1);
  EXPECT_EQ(Text("Time"), "30");
  Find<QPushButton>("Default")->click();
  EXPECT_EQ(Text("Time"), "18");

  // What failed to go out is not shown, and the list stays on the type that plays.
  const int marked = host.modified;
  rig.backend.sendResult = kMidiError;
  Type("Time", "30");
  EXPECT_EQ(Text("Time"), "18");
  ChooseType(3);
  EXPECT_EQ(Find<QComboBox>("TypeList")->currentIndex(), 1);
  EXPECT_EQ(host.modified, marked);

  // Closing keeps the edits; what a file brings shows at once, without sending.
  rig.backend.sendResult = kMidiOk;
  ChooseType(3);
  Type("Time", "40");
  dlg.CloseWindow();
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::Reverb});
  dlg.OpenWindow();
  EXPECT_EQ(Text("Time"), "40");

  rig.ClearSent();
  // "Tunnel", as a file brings it.
  ASSERT_TRUE(rig.model.Effects().StoreEffectParameter(EffectChange(0x00, {0x11, 0x00})));
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Tunnel");
  EXPECT_EQ(RoomSize().first(), "33");
  EXPECT_TRUE(rig.Sent().empty());

  // A type the tables lack shows its parameters by number, raw.
  ASSERT_TRUE(rig.model.Effects().StoreEffectParameter(EffectChange(0x00, {0x7E, 0x01})));
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Unknown (7E 01)");
  EXPECT_EQ(Label("Time") + " " + Shown("Time"), "Parameter 1 0");
  EXPECT_TRUE(Find<QPushButton>("Default")->isEnabled());
  ChooseType(1);  // a known type replaces it
  EXPECT_EQ(Find<QComboBox>("TypeList")->count(), 12);
}

TEST_F(ChorusDlgTest, SendsToItsOwnAddresses) {
  EXPECT_EQ(dlg.windowTitle(), "Chorus -- Chorus 1");
  Type("Chor2Rev", "10");
  EXPECT_EQ(rig.Sent(), EffectChange(0x2E, {0x0A}));
}

constexpr int kAmpSimulator = 39;
// The connection as Connection() shows it.
const QStringList kInsertion = {"Part", "part", "Dry-Wet", "off", "off", "off", "off"};
const QStringList kSystem = {"System", "off", "off", "Return", "Pan", "To Reverb", "To Chorus"};

class VariationDlgTest : public EffectDlgTest<CVariationDlg> {
 protected:
  void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
  static QString Param(int p) { return QStringLiteral("Param%1").arg(p); }
  // The checked connection, then the part box and the label of Param 10 and of each send, or
  // "off" for a disabled one (whose label must be empty).
  QStringList Connection() {
    QStringList shown{dlg.SystemConnection() ? "System" : "Part"};
    EXPECT_EQ(Find<QRadioButton>("System")->isChecked(), dlg.SystemConnection());
    shown << (Box("PartNumber")->isEnabled() ? "part" : "off");
    for (const QString& name : {Param(10), QStringLiteral("Return"), QStringLiteral("Pan"),
                                QStringLiteral("ToReverb"), QStringLiteral("ToChorus")}) {
      shown << (Box(name)->isEnabled() ? "" : "off") + Label(name);
    }
    return shown;
  }
};

TEST_F(VariationDlgTest, OpensOnDelayLcrAsAnInsertionWithoutPartAndSendsWhatIsTyped) {
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Delay LCR");
  EXPECT_EQ(Find<QComboBox>("TypeList")->count(), 46);
  EXPECT_EQ(Connection(), kInsertion);
  EXPECT_EQ(Text("PartNumber"), "128");
  EXPECT_EQ(Label(Param(1)) + " " + Text(Param(1)), "LChnDelay 3330");
  for (int p : {8, 9, 11, 12}) EXPECT_EQ(Label(Param(p)) + Shown(Param(p)).left(3), "off") << p;
  Type(Param(1), "7150");
  Type("ModDepth", "10");  // a setting, to its own address
  EXPECT_EQ(rig.Sent(), Join(EffectChange(0x42, {0x37, 0x6E}), EffectChange(0x5C, {0x0A})));
  EXPECT_EQ(host.modified, 2);
}

TEST_F(VariationDlgTest, SystemAndPartSwitchParam10TheSendsAndThePartAndTypesKeepTheConnection) {
  host.controllersChannel = MidiChannel::FromIndex(4);
  Click("System");
  EXPECT_EQ(rig.Sent(), EffectChange(0x5A, {0x01}));
  // The send level of the Controllers window's channel now counts, and goes.
  EXPECT_EQ(rig.backend.ShortBytes(), (std::vector<std::vector<std::uint8_t>>{{0xB4, 0x5E, 0x00}}));
  EXPECT_EQ(Connection(), kSystem);
  Click("Part");
  EXPECT_EQ(Connection(), kInsertion);
  EXPECT_EQ(host.steps.size(), 2u);
  rig.ClearSent();
  Box("PartNumber")->Step(+1);
  EXPECT_EQ(Text("PartNumber"), "1");
  EXPECT_EQ(rig.Sent(), EffectChange(0x5B, {0x00}));

  rig.backend.sendResult = kMidiError;  // failed sends change neither part nor connection
  Box("PartNumber")->Step(+1);
  Click("System");
  EXPECT_EQ(dlg.ShownPart(), 1);
  EXPECT_EQ(Connection(), kInsertion);

  // Type changes keep the connection; the Amp Simulator labels its amp type.
  rig.backend.sendResult = kMidiOk;
  Click("System");
  ChooseType(kAmpSimulator);
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Amp Simulator");
  EXPECT_EQ(Connection(), kSystem);
  EXPECT_EQ(Label(Param(2)), "StackType");
  Box(Param(2))->Step(+1);
  EXPECT_EQ(Label(Param(2)), "ComboType");
  Click("Default");  // every type back to an insertion without part
  EXPECT_EQ(Connection(), kInsertion);
  EXPECT_EQ(Label(Param(2)), "StackType");
  // The settings stand in the parameters' columns.
  dlg.layout()->activate();
  for (const auto& [setting, param] : {std::pair{"Return", 1}, {"ModDepth", 5}, {"Ac1Depth", 8}}) {
    EXPECT_EQ(Box(setting)->x(), Box(Param(param))->x()) << setting;
  }

  // A type the tables lack shows its raw parameters whole.
  rig.ClearSent();
  // A real song's type 5E 00 with a value for Param 1.
  ASSERT_TRUE(rig.model.Effects().StoreEffectParameter(EffectChange(0x40, {0x5E, 0x00})));
  ASSERT_TRUE(rig.model.Effects().StoreEffectParameter(EffectChange(0x42, {0x00, 0x21})));
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Unknown (5E 00)");
  auto* types = Find<QComboBox>("TypeList");
  EXPECT_EQ(types->currentText(), "Unknown (5E 00)");
  EXPECT_GT(types->sizeHint().width(), types->fontMetrics().horizontalAdvance("Unknown (5E 00)"))
      << "the type text whole";
  QStringList shown;
  for (int p : {1, 2, 11}) shown << Label(Param(p)) + " " + Shown(Param(p));
  EXPECT_EQ(shown, (QStringList{"Parameter 1 33", "Parameter 2 0", "Parameter 11 0"}));
  EXPECT_EQ(Box(Param(1))->UnitText(), "") << "a raw value has no unit";
  Type(Param(2), "1667");
  EXPECT_EQ(rig.Sent(), EffectChange(0x44, {0x0D, 0x03}));
  // Its return still counts, as on the instrument.
  Click("System");
  Type("Return", "20");
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Unknown (5E 00)");
  EXPECT_EQ((*rig.model.Effects().GetVariationSettings(
                20))[static_cast<std::size_t>(VariationSetting::Return)],
            64)
      << "Delay LCR keeps its own";
}

// The Extended model's windows: each shows its block and sends what is
// typed; the main bar offers them only with that model.
struct ExtendedWindowsTest : ::testing::Test {
  ExtendedWindowsTest() { rig.model.SetInstrument(InstrumentModel::Extended); }

  ModelRig rig;
  FakeEditorHost host;
};

TEST_F(ExtendedWindowsTest, EachWindowShowsItsBlockAndSendsWhatIsTyped) {
  CInsertionDlg dlg(rig.model, host);
  dlg.OpenWindow();
  EXPECT_EQ(dlg.windowTitle(), "Insertion -- 1: None");
  EXPECT_FALSE(FindIn<EditSpinPair>(dlg, "Param1")->isEnabled());
  FindIn<QComboBox>(dlg, "InsertionList")->setCurrentIndex(1);
  FindIn<QComboBox>(dlg, "TypeList")->setCurrentIndex(37);  // Distortion
  EXPECT_EQ(dlg.windowTitle(), "Insertion -- 2: Distortion");
  EXPECT_EQ(FindIn<QLabel>(dlg, "Param1Label")->text(), "Drive");
  rig.ClearSent();
  TypeIn(dlg, "Param1", "100");
  EXPECT_EQ(rig.Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x03, 0x01, 0x02, 0x64, 0xF7}));
  EXPECT_EQ(host.steps, (std::vector<std::string>{"Insertion 2 Type", "Insertion 2 Drive"}));
  // A type that came from a file and no list holds shows as it came.
  ASSERT_TRUE(rig.model.Insertions().Store(1, 0, Bytes({0x7E, 0x01})));
  EXPECT_EQ(FindIn<QLabel>(dlg, "Param1Label")->text(), "Param 1");

  CMultiEqDlg eq(rig.model, host);
  eq.OpenWindow();
  const Curve flat = eq.Response().Points();
  rig.ClearSent();
  TypeIn(eq, "Gain3", "70");
  EXPECT_EQ(rig.Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x40, 0x09, 0x46, 0xF7}));
  EXPECT_NE(eq.Response().Points(), flat) << "the curve follows the gain";

  CDisplayTextDlg display(rig.model, host);
  display.OpenWindow();
  display.TextField().setText("Song 1");
  emit display.TextField().editingFinished();
  EXPECT_EQ(rig.model.DisplayText().Text(), "Song 1");
  ASSERT_TRUE(rig.model.DisplayText().StoreLetters(0, Bytes({'X'})));
  EXPECT_EQ(display.TextField().text(), "Xong 1");

  // The Reverb window offers the later types.
  CReverbDlg reverb(rig.model, host);
  reverb.OpenWindow();
  EXPECT_EQ(FindIn<QComboBox>(reverb, "TypeList")->count(), 12 + 7);
}

TEST(ExtendedWindows, TheMainBarOffersThemOnlyWithTheExtendedModel) {
  MainBarRig rig;
  rig.Start();
  EXPECT_FALSE(rig.Bar().Button(EditorSlot::Insertion)->isVisibleTo(&rig.Bar()));
  EXPECT_FALSE(rig.Bar().OpenEditor(EditorSlot::MultiEq));
  DevicesDialog::Choice choice{-2, 0, true, -2, InstrumentModel::Extended};
  rig.devicesChoice = choice;
  rig.Bar().DevicesCommand();
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
