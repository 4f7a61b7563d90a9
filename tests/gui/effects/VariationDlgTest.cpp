#include <gtest/gtest.h>

#include <QLayout>
#include <QRadioButton>
#include <QSignalSpy>

#include "effects/CVariationDlg.h"
#include "effects/EffectDlgTestTools.h"
#include "midi/MidiResult.h"

namespace ravlo::test {
namespace {

constexpr int kDelayLcr = 20;
constexpr int kAmpSimulator = 39;
constexpr std::size_t kDumpsSize = 44 + 17;  // 33 and 6 data bytes
// The connection as Connection() shows it.
const QStringList kInsertion = {"Part", "part", "Dry-Wet", "off", "off", "off", "off"};
const QStringList kSystem = {"System", "off", "off", "Return", "Pan", "To Reverb", "To Chorus"};

class VariationDlgTest : public EffectDlgTest<CVariationDlg> {
 protected:
  int Setting(int type, VariationSetting setting) {
    return (*rig.model.Effects().GetVariationSettings(
        static_cast<std::size_t>(type)))[static_cast<std::size_t>(setting)];
  }
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

TEST_F(VariationDlgTest, OpensOnDelayLcrAsAnInsertionWithoutPart) {
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Delay LCR");
  EXPECT_EQ(Find<QComboBox>("TypeList")->count(), 46);
  EXPECT_EQ(Connection(), kInsertion);
  EXPECT_EQ(Text("PartNumber"), "128");
  QStringList params;
  for (int p = 1; p <= 3; ++p) params << Label(Param(p)) + " " + Text(Param(p));
  EXPECT_EQ(params, (QStringList{"LChnDelay 3330", "RChnDelay 1670", "CChnDelay 5000"}));
  for (int p : {8, 9, 11, 12}) EXPECT_EQ(Label(Param(p)) + Shown(Param(p)).left(3), "off") << p;
}

TEST_F(VariationDlgTest, ParametersGoUpTo7150AsTwoBytesAndTheModelKeepsThem) {
  QSignalSpy beeped(Box(Param(1)), &EditSpinPair::Beeped);
  Type(Param(1), "7151");
  EXPECT_EQ(beeped.count(), 1);
  EXPECT_EQ(Text(Param(1)), "3330");
  EXPECT_TRUE(rig.Sent().empty());
  Type(Param(1), "7150");
  EXPECT_EQ(rig.Sent(), EffectChange(0x42, {0x37, 0x6E}));
  rig.ClearSent();
  Type("ModDepth", "10");
  Type("ModDepth", "128");
  EXPECT_EQ(rig.Sent(), EffectChange(0x5C, {0x0A}));  // a setting to its own address
  EXPECT_EQ(host.modified, 2);
  dlg.CloseWindow();
  EXPECT_EQ(Setting(kDelayLcr, VariationSetting::Part), 127);  // shown as 128
  EXPECT_EQ(Stored(EffectKind::Variation, kDelayLcr, 0), 7150);
  EXPECT_EQ(Setting(kDelayLcr, VariationSetting::ModDepth), 10);
}

TEST_F(VariationDlgTest, SystemAndPartSwitchParam10AndTheSendsForEveryType) {
  host.controllersChannel = MidiChannel::FromIndex(4);
  Click("System");
  EXPECT_EQ(rig.Sent(), EffectChange(0x5A, {0x01}));
  // The send level of the Controllers window's channel now counts, and goes.
  EXPECT_EQ(rig.backend.ShortBytes(), (std::vector<std::vector<std::uint8_t>>{{0xB4, 0x5E, 0x00}}));
  EXPECT_EQ(Connection(), kSystem);
  EXPECT_EQ(Setting(0, VariationSetting::Connection), 1);  // one setting for all types
  rig.ClearSent();
  Click("Part");
  EXPECT_EQ(rig.Sent(), Join(EffectChange(0x5A, {0x00}), EffectChange(0x5B, {0x7F})));
  EXPECT_EQ(Connection(), kInsertion);
  EXPECT_EQ(Setting(0, VariationSetting::Connection), 0);
  EXPECT_EQ(host.modified, 2);
  EXPECT_TRUE(rig.backend.ShortBytes().empty()) << "on going to System only";
  EXPECT_EQ(host.steps, (std::vector<std::string>{"Variation Connection", "Variation Connection"}));
}

TEST_F(VariationDlgTest, ThePartSpinWrapsBothWaysAndRefusesPartsOutside1To128) {
  Box("PartNumber")->Step(+1);
  EXPECT_EQ(Text("PartNumber"), "1");
  EXPECT_EQ(rig.Sent(), EffectChange(0x5B, {0x00}));
  EXPECT_EQ(Setting(3, VariationSetting::Part), 0);
  rig.ClearSent();
  Box("PartNumber")->Step(-1);
  EXPECT_EQ(Text("PartNumber"), "128");
  EXPECT_EQ(rig.Sent(), EffectChange(0x5B, {0x7F}));
  rig.ClearSent();
  for (const char* entry : {"129", "0", "5"}) Type("PartNumber", entry);
  EXPECT_EQ(rig.Sent(), EffectChange(0x5B, {0x04}));
  EXPECT_EQ(host.modified, 3);

  rig.backend.sendResult = kMidiError;  // failed sends change neither part nor connection
  Box("PartNumber")->Step(+1);
  Click("System");
  EXPECT_EQ(dlg.ShownPart(), 5);
  EXPECT_EQ(Setting(kDelayLcr, VariationSetting::Part), 4);
  EXPECT_EQ(Connection(), kInsertion);
  EXPECT_EQ(host.modified, 3);
}

TEST_F(VariationDlgTest, AmpSimulatorLabelsParam2WithTheAmpTypeItHolds) {
  ChooseType(kAmpSimulator);
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Amp Simulator");
  EXPECT_EQ(Label(Param(2)), "StackType");
  Box(Param(2))->Step(+1);
  EXPECT_EQ(Label(Param(2)), "ComboType");
  Type(Param(2), "4");  // refused: the label stays with the stored value
  EXPECT_EQ(Label(Param(2)), "ComboType");
  Type(Param(2), "0");
  EXPECT_EQ(Label(Param(2)), "Type_Off");
}

TEST_F(VariationDlgTest, ATypeChangeKeepsTheEditsAndTheConnectionAndDefaultResetsThem) {
  Type(Param(1), "100");
  Type("ModDepth", "10");
  Click("System");
  rig.ClearSent();
  ChooseType(22);
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Echo");
  EXPECT_EQ(Connection(), kSystem);
  const auto sent = rig.Sent();
  ASSERT_EQ(sent.size(), kDumpsSize);
  EXPECT_EQ(sent[9 + 2 + 20 + 4], 0x01);  // the connection in the dump
  EXPECT_EQ(rig.pauser.pauses, std::vector<unsigned>{2});
  ChooseType(kDelayLcr);
  EXPECT_EQ(Text(Param(1)), "100");

  rig.ClearSent();
  Click("Default");  // every type back to an insertion without part
  EXPECT_EQ(Text(Param(1)) + " " + Text("ModDepth") + " " + Text("PartNumber"), "3330 64 128");
  EXPECT_EQ(Connection(), kInsertion);
  EXPECT_EQ(rig.Sent().size(), kDumpsSize);
  EXPECT_EQ(Setting(45, VariationSetting::Part), 127);

  // Amp Simulator (4B 00), as a file brings it: shown, not sent.
  ASSERT_TRUE(rig.model.Effects().StoreEffectParameter(EffectChange(0x40, {0x4B, 0x00})));
  EXPECT_EQ(Label(Param(2)), "StackType");
  rig.model.ResetToDefaults();  // after an XG reset
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Delay LCR");
  EXPECT_EQ(dlg.ShownPart(), 128);
  EXPECT_EQ(rig.Sent().size(), kDumpsSize);
  // The settings stand in the parameters' columns.
  dlg.layout()->activate();
  for (const auto& [setting, param] : {std::pair{"Return", 1}, {"ModDepth", 5}, {"Ac1Depth", 8}}) {
    EXPECT_EQ(Box(setting)->x(), Box(Param(param))->x()) << setting;
  }
}

TEST_F(VariationDlgTest, ATypeTheTablesLackShowsItsRawParametersWholeAndDefaultBringsThemBack) {
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
  rig.ClearSent();
  Find<QPushButton>("Default")->click();
  EXPECT_EQ(Text(Param(2)), "0");
  ASSERT_GE(rig.Pieces().size(), 2u);
  EXPECT_EQ(rig.Pieces()[0], EffectChange(0x40, {0x5E, 0x00}));
  EXPECT_EQ(rig.Pieces()[1], EffectChange(0x42, {0x00, 0x21})) << "what came, as it came";
  // Its return still counts, as on the instrument.
  Click("System");
  Type("Return", "20");
  EXPECT_EQ(Setting(kDelayLcr, VariationSetting::Return), 64) << "Delay LCR keeps its own";
  EXPECT_EQ(dlg.windowTitle(), "Variation -- Unknown (5E 00)");
}

}  // namespace
}  // namespace ravlo::test
