#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <vector>

#include "effects/CVariationDlg.h"
#include "effects/EffectTypeTables.h"
#include "midi/MidiResult.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::Bytes;

constexpr int kDelayLcr = 20;
constexpr int kAmpSimulator = 39;
constexpr std::size_t kBlockDumpsSize = 44 + 17;  // 33 and 6 data bytes
const std::vector<const char*> kSends = {"Return", "Pan", "ToReverb", "ToChorus"};

std::vector<uint8_t> Change(uint8_t low, uint8_t value) {
  return Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, low, value, 0xF7});
}

class VariationDlgTest : public ::testing::Test {
 protected:
  VariationDlgTest() {
    dlg.OpenWindow();
    rig.ClearSent();
  }

  EditSpinPair* Box(const QString& name) {
    auto* box = dlg.findChild<EditSpinPair*>(name);
    EXPECT_NE(box, nullptr) << name.toStdString();
    return box;
  }
  EditSpinPair* Param(int p) { return Box(QStringLiteral("Param%1").arg(p)); }
  QString Label(const QString& name) {
    auto* label = dlg.findChild<QLabel*>(name + "Label");
    EXPECT_NE(label, nullptr) << name.toStdString();
    return label ? label->text() : QString();
  }
  QString ParamLabel(int p) { return Label(QStringLiteral("Param%1").arg(p)); }
  void Type(EditSpinPair* box, const QString& text) {
    box->Edit()->setText(text);
    box->Commit();
  }
  QComboBox* TypeList() { return dlg.findChild<QComboBox*>("TypeList"); }
  QRadioButton* System() { return dlg.findChild<QRadioButton*>("System"); }
  QRadioButton* Part() { return dlg.findChild<QRadioButton*>("Part"); }
  EditSpinPair* PartBox() { return Box("PartNumber"); }
  VariationSettings Settings(int type) {
    return *rig.model.Effects().GetVariationSettings(static_cast<std::size_t>(type));
  }

  test::ModelRig rig;
  test::FakeEditorHost host;
  CVariationDlg dlg{rig.model, host};
};

TEST_F(VariationDlgTest, OpensOnDelayLcrAsAnInsertionWithoutPart) {
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Delay LCR");
  ASSERT_EQ(TypeList()->count(), 46);
  EXPECT_EQ(TypeList()->currentIndex(), kDelayLcr);
  EXPECT_EQ(dlg.CurrentType(), kDelayLcr);
  EXPECT_TRUE(Part()->isChecked());
  EXPECT_FALSE(System()->isChecked());
  EXPECT_TRUE(PartBox()->isEnabled());
  EXPECT_EQ(PartBox()->Edit()->text(), "128");

  EXPECT_EQ(ParamLabel(1), "LChnDelay");
  EXPECT_EQ(ParamLabel(2), "RChnDelay");
  EXPECT_EQ(ParamLabel(3), "CChnDelay");
  EXPECT_EQ(Param(1)->Edit()->text(), "3330");
  EXPECT_EQ(Param(2)->Edit()->text(), "1670");
  EXPECT_EQ(Param(3)->Edit()->text(), "5000");
  EXPECT_EQ(ParamLabel(10), "Dry-Wet");
  EXPECT_TRUE(Param(10)->isEnabled());
  for (int p : {8, 9, 11, 12}) {
    EXPECT_FALSE(Param(p)->isEnabled()) << p;
    EXPECT_EQ(ParamLabel(p), "") << p;
  }
  for (const char* name : kSends) {
    EXPECT_FALSE(Box(name)->isEnabled()) << name;
    EXPECT_EQ(Label(name), "") << name;
  }
  EXPECT_TRUE(Box("ModDepth")->isEnabled());
  EXPECT_EQ(Label("BendDepth"), "Bend Dpth");
}

TEST_F(VariationDlgTest, ParametersGoUpTo7150AsTwoBytes) {
  QSignalSpy beeped(Param(1), &EditSpinPair::Beeped);
  Type(Param(1), "7151");
  EXPECT_EQ(beeped.count(), 1);
  EXPECT_EQ(Param(1)->Edit()->text(), "3330");
  EXPECT_TRUE(rig.Sent().empty());

  Type(Param(1), "7150");
  EXPECT_EQ(rig.Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x42, 0x37, 0x6E, 0xF7}));
  EXPECT_EQ(host.modified, 1);
  dlg.SaveDisplayToRow();
  EXPECT_EQ((*rig.model.Effects().GetEffectRow(EffectKind::Variation, kDelayLcr))[0], 7150);
}

TEST_F(VariationDlgTest, SettingsSendToTheirOwnAddresses) {
  Type(Box("ModDepth"), "10");
  EXPECT_EQ(rig.Sent(), Change(0x5C, 0x0A));
  rig.ClearSent();
  Type(Box("ModDepth"), "128");
  EXPECT_TRUE(rig.Sent().empty());
  dlg.SaveDisplayToRow();
  EXPECT_EQ(Settings(kDelayLcr)[static_cast<std::size_t>(VariationSetting::ModDepth)], 10);
}

TEST_F(VariationDlgTest, SystemAndPartSwitchParam10AndTheSends) {
  System()->click();
  EXPECT_EQ(rig.Sent(), Change(0x5A, 0x01));
  EXPECT_TRUE(dlg.SystemConnection());
  EXPECT_FALSE(PartBox()->isEnabled());
  EXPECT_FALSE(Param(10)->isEnabled());
  EXPECT_EQ(ParamLabel(10), "");
  const std::vector<QString> labels = {"Return", "Pan", "To Reverb", "To Chorus"};
  for (std::size_t i = 0; i < kSends.size(); ++i) {
    EXPECT_TRUE(Box(kSends[i])->isEnabled()) << kSends[i];
    EXPECT_EQ(Label(kSends[i]), labels[i]);
  }
  EXPECT_EQ(host.modified, 1);
  EXPECT_EQ(host.variationControllerSends, 1);
  // The connection is one setting for every type.
  EXPECT_EQ(Settings(0)[static_cast<std::size_t>(VariationSetting::Connection)], 1);

  rig.ClearSent();
  Part()->click();
  std::vector<uint8_t> expected = Change(0x5A, 0x00);
  const auto part = Change(0x5B, 0x7F);
  expected.insert(expected.end(), part.begin(), part.end());
  EXPECT_EQ(rig.Sent(), expected);
  EXPECT_FALSE(dlg.SystemConnection());
  EXPECT_TRUE(PartBox()->isEnabled());
  EXPECT_TRUE(Param(10)->isEnabled());
  EXPECT_EQ(ParamLabel(10), "Dry-Wet");
  for (const char* name : kSends) {
    EXPECT_FALSE(Box(name)->isEnabled()) << name;
    EXPECT_EQ(Label(name), "") << name;
  }
  EXPECT_EQ(host.modified, 2);
  EXPECT_EQ(host.variationControllerSends, 1);
  EXPECT_EQ(Settings(0)[static_cast<std::size_t>(VariationSetting::Connection)], 0);
}

TEST_F(VariationDlgTest, AFailedConnectionChangeChangesNothing) {
  rig.backend.sendResult = kMidiError;
  System()->click();
  EXPECT_FALSE(dlg.SystemConnection());
  EXPECT_TRUE(Part()->isChecked());
  EXPECT_TRUE(PartBox()->isEnabled());
  EXPECT_EQ(host.modified, 0);
  EXPECT_EQ(host.variationControllerSends, 0);
  EXPECT_EQ(Settings(kDelayLcr)[static_cast<std::size_t>(VariationSetting::Connection)], 0);
}

TEST_F(VariationDlgTest, ThePartSpinWrapsBothWays) {
  PartBox()->Step(+1);
  EXPECT_EQ(PartBox()->Edit()->text(), "1");
  EXPECT_EQ(dlg.ShownPart(), 1);
  EXPECT_EQ(rig.Sent(), Change(0x5B, 0x00));
  EXPECT_EQ(Settings(3)[static_cast<std::size_t>(VariationSetting::Part)], 0);
  EXPECT_EQ(host.modified, 1);

  rig.ClearSent();
  PartBox()->Step(-1);
  EXPECT_EQ(PartBox()->Edit()->text(), "128");
  EXPECT_EQ(rig.Sent(), Change(0x5B, 0x7F));

  rig.ClearSent();
  Type(PartBox(), "129");
  Type(PartBox(), "0");
  EXPECT_TRUE(rig.Sent().empty());
  Type(PartBox(), "5");
  EXPECT_EQ(rig.Sent(), Change(0x5B, 0x04));
  EXPECT_EQ(Settings(kDelayLcr)[static_cast<std::size_t>(VariationSetting::Part)], 4);
}

TEST_F(VariationDlgTest, AFailedPartSendKeepsTheShownPart) {
  rig.backend.sendResult = kMidiError;
  PartBox()->Step(+1);
  EXPECT_EQ(dlg.ShownPart(), 128);
  EXPECT_EQ(Settings(kDelayLcr)[static_cast<std::size_t>(VariationSetting::Part)], 127);
  EXPECT_EQ(host.modified, 0);
}

TEST_F(VariationDlgTest, AmpSimulatorLabelsParam2WithItsAmpType) {
  TypeList()->setCurrentIndex(kAmpSimulator);
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Amp Simulator");
  EXPECT_EQ(ParamLabel(2), "StackType");
  Param(2)->Step(+1);
  EXPECT_EQ(ParamLabel(2), "ComboType");
  Param(2)->Step(+1);
  EXPECT_EQ(ParamLabel(2), "TubeType");
  Type(Param(2), "4");  // refused: the label stays with the stored value
  EXPECT_EQ(ParamLabel(2), "TubeType");
  Type(Param(2), "0");
  EXPECT_EQ(ParamLabel(2), "Type_Off");
}

TEST_F(VariationDlgTest, TypesWithoutParametersDisableAllButTheListAndPart) {
  for (int type : {0, 45}) {
    TypeList()->setCurrentIndex(type);
    for (int p = 1; p <= 16; ++p) EXPECT_FALSE(Param(p)->isEnabled()) << type << " " << p;
    for (const char* name : {"Return", "Pan", "ToReverb", "ToChorus", "ModDepth", "Ac2Depth"}) {
      EXPECT_FALSE(Box(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(System()->isEnabled());
    EXPECT_FALSE(Part()->isEnabled());
    EXPECT_FALSE(dlg.findChild<QPushButton*>("Default")->isEnabled());
    EXPECT_TRUE(PartBox()->isEnabled());
    EXPECT_TRUE(TypeList()->isEnabled());
  }
}

TEST_F(VariationDlgTest, ATypeChangeKeepsTheEditsAndTheConnection) {
  Type(Param(1), "100");
  System()->click();
  rig.ClearSent();
  TypeList()->setCurrentIndex(22);  // "Echo"
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Echo");
  EXPECT_TRUE(System()->isChecked());
  EXPECT_FALSE(PartBox()->isEnabled());
  const auto sent = rig.Sent();
  ASSERT_EQ(sent.size(), kBlockDumpsSize);
  EXPECT_EQ(sent[8], 0x40);
  EXPECT_EQ(sent[9 + 2 + 20 + 4], 0x01);  // the connection in the dump
  EXPECT_EQ(rig.pauser.pauses, std::vector<unsigned>{2});

  TypeList()->setCurrentIndex(kDelayLcr);
  EXPECT_EQ(Param(1)->Edit()->text(), "100");
  EXPECT_EQ(host.modified, 4);
}

TEST_F(VariationDlgTest, DefaultMakesEveryTypeAnInsertionWithoutPart) {
  Type(Param(1), "100");
  Type(Box("ModDepth"), "10");
  System()->click();
  rig.ClearSent();
  dlg.findChild<QPushButton*>("Default")->click();
  EXPECT_EQ(Param(1)->Edit()->text(), "3330");
  EXPECT_EQ(Box("ModDepth")->Edit()->text(), "64");
  EXPECT_TRUE(Part()->isChecked());
  EXPECT_EQ(PartBox()->Edit()->text(), "128");
  EXPECT_EQ(rig.Sent().size(), kBlockDumpsSize);
  for (int type : {0, 20, 45}) {
    EXPECT_EQ(Settings(type)[static_cast<std::size_t>(VariationSetting::Connection)], 0);
    EXPECT_EQ(Settings(type)[static_cast<std::size_t>(VariationSetting::Part)], 127);
  }
  EXPECT_EQ(host.modified, 4);
}

TEST_F(VariationDlgTest, ClosingWritesBackAndResetReturnsToDelayLcr) {
  Type(Box("ModDepth"), "10");
  rig.ClearSent();
  dlg.CloseForCloseAll();
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::Variation});
  EXPECT_EQ(Settings(kDelayLcr)[static_cast<std::size_t>(VariationSetting::ModDepth)], 10);

  EXPECT_FALSE(dlg.SetType(46));
  ASSERT_TRUE(dlg.SetType(kAmpSimulator));
  EXPECT_EQ(dlg.CurrentType(), kAmpSimulator);
  dlg.OpenWindow();
  EXPECT_EQ(TypeList()->currentIndex(), kAmpSimulator);
  EXPECT_EQ(ParamLabel(2), "StackType");

  dlg.Reset();
  EXPECT_EQ(dlg.CurrentType(), kDelayLcr);
  EXPECT_EQ(TypeList()->currentIndex(), kDelayLcr);
  EXPECT_EQ(ParamLabel(1), "LChnDelay");
  EXPECT_FALSE(dlg.SystemConnection());
  EXPECT_EQ(dlg.ShownPart(), 128);
  EXPECT_TRUE(rig.Sent().empty());
}

}  // namespace
}  // namespace ravlo
