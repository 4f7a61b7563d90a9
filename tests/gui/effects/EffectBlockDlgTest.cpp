#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <vector>

#include "effects/CChorusDlg.h"
#include "effects/CReverbDlg.h"
#include "effects/EffectTypeTables.h"
#include "midi/MidiResult.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::Bytes;

constexpr std::size_t kHeadDumpSize = 25;  // 9 header, 14 data, checksum, F7
constexpr std::size_t kTailDumpSize = 17;  // 6 data
constexpr std::size_t kFirstDataByte = 9;

// Drives one effect block window over the fake port.
template <typename Dialog>
class BlockDlgTest : public ::testing::Test {
 protected:
  BlockDlgTest() {
    dlg.OpenWindow();
    rig.ClearSent();
  }

  EditSpinPair* Box(const char* name) {
    auto* box = dlg.template findChild<EditSpinPair*>(name);
    EXPECT_NE(box, nullptr) << name;
    return box;
  }
  QString Text(const char* name) { return Box(name)->Edit()->text(); }
  QString Label(const char* name) {
    auto* label = dlg.template findChild<QLabel*>(QString(name) + "Label");
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text() : QString();
  }
  void Type(const char* name, const QString& text) {
    Box(name)->Edit()->setText(text);
    Box(name)->Commit();
  }
  QComboBox* TypeList() { return dlg.template findChild<QComboBox*>("TypeList"); }
  QPushButton* Default() { return dlg.template findChild<QPushButton*>("Default"); }
  std::vector<uint8_t> Sent() const { return rig.Sent(); }

  test::ModelRig rig;
  test::FakeEditorHost host;
  Dialog dlg{rig.model, host};
};

using ReverbDlgTest = BlockDlgTest<CReverbDlg>;
using ChorusDlgTest = BlockDlgTest<CChorusDlg>;

const std::vector<const char*> kReverbNames = {
    "Time",     "Diffusion", "Delay",  "HCutoff", "LCutoff",  "Width",   "Height",  "Depth",
    "WallVary", "DryWet",    "Return", "Pan",     "RevDelay", "Density", "Balance", "Feedback"};
const std::vector<const char*> kRoomSizeNames = {"Width", "Height", "Depth", "WallVary"};

TEST_F(ReverbDlgTest, OpensOnHall1WithTheRoomSizeFieldsUnused) {
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Hall 1");
  EXPECT_EQ(dlg.CurrentType(), 1);
  ASSERT_EQ(TypeList()->count(), 12);
  EXPECT_EQ(TypeList()->currentIndex(), 1);
  EXPECT_EQ(TypeList()->itemText(9), "White Room");
  EXPECT_EQ(Text("Time"), "18");
  EXPECT_EQ(Label("HCutoff"), "H Cutoff");
  EXPECT_EQ(Label("DryWet"), "Dry-Wet");
  EXPECT_EQ(Box("Time")->Maximum(), 69);
  for (const char* name : kRoomSizeNames) {
    EXPECT_FALSE(Box(name)->isEnabled()) << name;
    EXPECT_EQ(Text(name), "255") << name;
  }
  EXPECT_TRUE(Box("Feedback")->isEnabled());
  EXPECT_TRUE(Default()->isEnabled());
}

TEST_F(ReverbDlgTest, AnEditSendsOneChangeAndTheTypeKeepsItAcrossTypeChanges) {
  Type("Time", "30");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x02, 0x1E, 0xF7}));
  EXPECT_EQ(host.modified, 1);

  rig.ClearSent();
  TypeList()->setCurrentIndex(3);  // "Room 1"
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Room 1");
  EXPECT_EQ(Text("Time"), "5");
  auto sent = Sent();
  ASSERT_EQ(sent.size(), kHeadDumpSize + kTailDumpSize);
  EXPECT_EQ(std::vector<uint8_t>(sent.begin(), sent.begin() + 11),
            Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x0E, 0x02, 0x01, 0x00, 0x02, 0x00}));
  EXPECT_EQ(sent[kHeadDumpSize + 8], 0x10);  // the second dump's address low
  EXPECT_EQ(rig.pauser.pauses, std::vector<unsigned>{2});
  EXPECT_EQ(host.modified, 2);
  EXPECT_EQ((*rig.model.Effects().GetEffectRow(EffectKind::Reverb, 1))[2], 30);

  rig.ClearSent();
  TypeList()->setCurrentIndex(1);  // "Hall 1" again
  EXPECT_EQ(Text("Time"), "30");
  sent = Sent();
  ASSERT_EQ(sent.size(), kHeadDumpSize + kTailDumpSize);
  EXPECT_EQ(sent[kFirstDataByte], 0x01);
  EXPECT_EQ(sent[kFirstDataByte + 2], 0x1E);  // Param 1
  EXPECT_EQ(rig.model.Effects().Type(EffectKind::Reverb), 1);
}

TEST_F(ReverbDlgTest, NoneDisablesEverythingAndShows255) {
  TypeList()->setCurrentIndex(0);
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- None");
  for (const char* name : kReverbNames) {
    EXPECT_FALSE(Box(name)->isEnabled()) << name;
    EXPECT_EQ(Text(name), "255") << name;
  }
  EXPECT_FALSE(Default()->isEnabled());
  rig.ClearSent();
  Box("Time")->Step(+1);  // a disabled spin does not react
  EXPECT_TRUE(Sent().empty());
}

TEST_F(ReverbDlgTest, WhiteRoomEnablesTheRoomSizeFields) {
  TypeList()->setCurrentIndex(9);
  const std::vector<QString> expected = {"30", "50", "70", "7"};
  for (std::size_t i = 0; i < kRoomSizeNames.size(); ++i) {
    EXPECT_TRUE(Box(kRoomSizeNames[i])->isEnabled()) << kRoomSizeNames[i];
    EXPECT_EQ(Text(kRoomSizeNames[i]), expected[i]);
  }
}

TEST_F(ReverbDlgTest, BadOrUnchangedEntriesSendNothing) {
  QSignalSpy beeped(Box("Time"), &EditSpinPair::Beeped);
  Type("Time", "70");
  EXPECT_EQ(Text("Time"), "18");
  Type("Time", "");
  EXPECT_EQ(Text("Time"), "18");
  EXPECT_EQ(beeped.count(), 2);
  Type("Time", "18");
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.modified, 0);

  Type("Pan", "127");
  rig.ClearSent();
  Box("Pan")->Step(+1);
  EXPECT_EQ(Text("Pan"), "127");
  EXPECT_TRUE(Sent().empty());
}

TEST_F(ReverbDlgTest, AFailedSendKeepsTheShownValueAndMarksNothing) {
  rig.backend.sendResult = kMidiError;
  Type("Time", "30");
  EXPECT_EQ(Box("Time")->Value(), 18);
  EXPECT_EQ(host.modified, 0);
  dlg.SaveDisplayToRow();
  EXPECT_EQ((*rig.model.Effects().GetEffectRow(EffectKind::Reverb, 1))[2], 18);

  // A type change is shown and marked whatever the send said.
  TypeList()->setCurrentIndex(3);
  EXPECT_EQ(dlg.CurrentType(), 3);
  EXPECT_EQ(host.modified, 1);
}

TEST_F(ReverbDlgTest, DefaultRestoresTheTypeAndSendsTheBlock) {
  Type("Time", "30");
  rig.ClearSent();
  Default()->click();
  EXPECT_EQ(Text("Time"), "18");
  EXPECT_EQ(Sent().size(), kHeadDumpSize + kTailDumpSize);
  EXPECT_EQ(Sent()[kFirstDataByte + 2], 18);
  EXPECT_EQ(host.modified, 2);
}

TEST_F(ReverbDlgTest, ClosingKeepsTheEditsForReopening) {
  TypeList()->setCurrentIndex(3);
  Type("Time", "30");
  dlg.CloseWindow();
  EXPECT_FALSE(dlg.IsOpen());
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::Reverb});
  EXPECT_EQ((*rig.model.Effects().GetEffectRow(EffectKind::Reverb, 3))[2], 30);

  dlg.OpenWindow();
  EXPECT_EQ(TypeList()->currentIndex(), 3);
  EXPECT_EQ(Text("Time"), "30");

  // Close All writes back too.
  Type("Time", "40");
  dlg.CloseForCloseAll();
  EXPECT_EQ((*rig.model.Effects().GetEffectRow(EffectKind::Reverb, 3))[2], 40);
  dlg.OpenWindow();
  EXPECT_EQ(Text("Time"), "40");
}

TEST_F(ReverbDlgTest, SetTypeAndResetShowTheRowWithoutSending) {
  EXPECT_FALSE(dlg.SetType(12));
  EXPECT_FALSE(dlg.SetType(-1));
  EXPECT_EQ(dlg.CurrentType(), 1);

  ASSERT_TRUE(dlg.SetType(10));  // "Tunnel", as a file brought it
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Tunnel");
  EXPECT_EQ(TypeList()->currentIndex(), 10);
  EXPECT_TRUE(Box("Width")->isEnabled());
  EXPECT_EQ(Text("Time"), "48");

  dlg.Reset();
  EXPECT_EQ(dlg.CurrentType(), 1);
  EXPECT_EQ(Text("Time"), "18");
  EXPECT_FALSE(Box("Width")->isEnabled());
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.modified, 0);
}

TEST_F(ReverbDlgTest, SavingWritesUnusedIntoSlotsWithoutAField) {
  auto row = *rig.model.Effects().GetEffectRow(EffectKind::Reverb, 1);
  row.Values()[static_cast<std::size_t>(ReverbSlot::Param14)] = 5;
  ASSERT_TRUE(rig.model.Effects().PutEffectRow(EffectKind::Reverb, 1, row));
  dlg.SaveDisplayToRow();
  row = *rig.model.Effects().GetEffectRow(EffectKind::Reverb, 1);
  EXPECT_EQ(row[static_cast<std::size_t>(ReverbSlot::Param14)], kEffectParamUnused);
  EXPECT_EQ(row[static_cast<std::size_t>(ReverbSlot::Param1)], 18);
}

TEST_F(ChorusDlgTest, OpensOnChorus1AndSendsToItsOwnAddresses) {
  EXPECT_EQ(dlg.windowTitle(), "Chorus -- Chorus 1");
  EXPECT_EQ(dlg.CurrentType(), 1);
  ASSERT_EQ(TypeList()->count(), 12);
  EXPECT_EQ(Label("Chor2Rev"), "Chor2Rev");
  EXPECT_EQ(Label("LFOFreq"), "LFO Freq");
  Type("Chor2Rev", "10");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x2E, 0x0A, 0xF7}));
  rig.ClearSent();
  TypeList()->setCurrentIndex(2);
  ASSERT_EQ(Sent().size(), 26u + kTailDumpSize);  // 15 data bytes up to the send to Reverb
  EXPECT_EQ(Sent()[8], 0x20);                     // the Chorus block
}

TEST_F(ChorusDlgTest, FlangersUseLfoPhaseAndChorusesStereo) {
  TypeList()->setCurrentIndex(9);  // "Flanger 1"
  EXPECT_EQ(dlg.windowTitle(), "Chorus -- Flanger 1");
  EXPECT_TRUE(Box("LFOPhase")->isEnabled());
  EXPECT_EQ(Text("LFOPhase"), "4");
  EXPECT_FALSE(Box("Stereo")->isEnabled());
  EXPECT_EQ(Text("Stereo"), "255");

  TypeList()->setCurrentIndex(4);  // "Chorus 4"
  EXPECT_FALSE(Box("LFOPhase")->isEnabled());
  EXPECT_EQ(Text("LFOPhase"), "255");
  EXPECT_TRUE(Box("Stereo")->isEnabled());
  EXPECT_EQ(Text("Stereo"), "1");

  TypeList()->setCurrentIndex(0);
  EXPECT_FALSE(Box("LFOFreq")->isEnabled());
  EXPECT_FALSE(Default()->isEnabled());
}

}  // namespace
}  // namespace ravlo
