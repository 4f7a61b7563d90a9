#include <gtest/gtest.h>

#include <QSignalSpy>

#include "effects/CChorusDlg.h"
#include "effects/CReverbDlg.h"
#include "effects/EffectDlgTestTools.h"
#include "midi/MidiResult.h"

namespace ravlo::test {
namespace {

constexpr std::size_t kDumpsSize = 25 + 17;  // 14 and 6 data bytes, each with 11 around them

class ReverbDlgTest : public EffectDlgTest<CReverbDlg> {
 protected:
  int Time(int type) { return Stored(EffectKind::Reverb, type, 2); }
  QStringList RoomSize() {
    QStringList shown;
    for (const char* name : {"Width", "Height", "Depth", "WallVary"}) shown << Shown(name);
    return shown;
  }
};
using ChorusDlgTest = EffectDlgTest<CChorusDlg>;

TEST_F(ReverbDlgTest, OpensOnHall1AndNoneDisablesEverythingWhileWhiteRoomUsesTheRoomSize) {
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Hall 1");
  EXPECT_EQ(Find<QComboBox>("TypeList")->count(), 12);
  EXPECT_EQ(Text("Time"), "18");
  EXPECT_EQ(Label("DryWet"), "Dry-Wet");
  // A parameter the type leaves out shows no value, not its 255.
  EXPECT_EQ(RoomSize(), QStringList(4, "off "));

  ChooseType(0);
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- None");
  EXPECT_EQ(dlg.findChildren<EditSpinPair*>().size(), 16);
  for (EditSpinPair* box : dlg.findChildren<EditSpinPair*>()) {
    EXPECT_EQ(Shown(box->objectName()), "off ") << box->objectName().toStdString();
  }
  EXPECT_FALSE(Find<QPushButton>("Default")->isEnabled());
  rig.ClearSent();
  Box("Time")->Step(+1);  // a disabled spin does not react
  EXPECT_TRUE(rig.Sent().empty());

  ChooseType(9);
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- White Room");
  EXPECT_EQ(RoomSize(), (QStringList{"30", "50", "70", "7"}));
}

TEST_F(ReverbDlgTest, AnEditGoesOutAtOnceAndTheTypeKeepsItAcrossTypeChanges) {
  Type("Time", "30");
  EXPECT_EQ(rig.Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x02, 0x1E, 0xF7}));
  rig.ClearSent();
  ChooseType(3);  // "Room 1": two bulk dumps, a pause between them
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Room 1");
  EXPECT_EQ(Text("Time"), "5");
  const auto sent = rig.Sent();
  ASSERT_EQ(sent.size(), kDumpsSize);
  EXPECT_EQ(std::vector<uint8_t>(sent.begin(), sent.begin() + 12),
            Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x0E, 0x02, 0x01, 0x00, 0x02, 0x00, 0x05}));
  EXPECT_EQ(sent[25 + 8], 0x10);  // the second dump's address low
  EXPECT_EQ(rig.pauser.pauses, std::vector<unsigned>{2});
  EXPECT_EQ(host.modified, 2);
  EXPECT_EQ(Time(1), 30);

  rig.ClearSent();
  ChooseType(1);  // "Hall 1" again
  EXPECT_EQ(Text("Time"), "30");
  ASSERT_EQ(rig.Sent().size(), kDumpsSize);
  EXPECT_EQ(rig.Sent()[11], 0x1E);  // Param 1, the Time
  rig.ClearSent();
  Find<QPushButton>("Default")->click();  // the type's own values, sent
  EXPECT_EQ(Text("Time"), "18");
  ASSERT_EQ(rig.Sent().size(), kDumpsSize);
  EXPECT_EQ(rig.Sent()[11], 18);
}

TEST_F(ReverbDlgTest, BadUnchangedOrFailedEntriesChangeNothing) {
  QSignalSpy beeped(Box("Time"), &EditSpinPair::Beeped);
  for (const char* entry : {"70", "", "18"}) {
    Type("Time", entry);
    EXPECT_EQ(Text("Time"), "18") << entry;
  }
  EXPECT_EQ(beeped.count(), 2);
  EXPECT_TRUE(rig.Sent().empty());
  rig.backend.sendResult = kMidiError;
  Type("Time", "30");
  EXPECT_EQ(Box("Time")->Value(), 18);
  EXPECT_EQ(Text("Time"), "18") << "what the synthesizer has";
  // A type change that fails leaves the list on the type that plays.
  ChooseType(3);
  EXPECT_EQ(Find<QComboBox>("TypeList")->currentIndex(), 1);
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Hall 1");
  EXPECT_EQ(host.modified, 0);
}

TEST_F(ReverbDlgTest, ClosingKeepsEditsAndWhatAFileBringsShowsAtOnceWithoutSending) {
  ChooseType(3);
  Type("Time", "40");
  dlg.CloseWindow();
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::Reverb});
  EXPECT_EQ(Time(3), 40);
  dlg.OpenWindow();
  EXPECT_EQ(Text("Time"), "40");

  rig.ClearSent();
  // "Tunnel", as a file brings it.
  ASSERT_TRUE(rig.model.Effects().StoreEffectParameter(
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x11, 0x00, 0xF7})));
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Tunnel");
  EXPECT_EQ(Text("Time"), "48");
  EXPECT_EQ(RoomSize().first(), "33");
  rig.model.ResetToDefaults();
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Hall 1");
  EXPECT_TRUE(rig.Sent().empty());

  // A type the tables lack shows its parameters by number, raw.
  ASSERT_TRUE(rig.model.Effects().StoreEffectParameter(
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x7E, 0x01, 0xF7})));
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Unknown (7E 01)");
  EXPECT_EQ(Find<QComboBox>("TypeList")->currentText(), "Unknown (7E 01)");
  EXPECT_EQ(Label("Time") + " " + Shown("Time"), "Parameter 1 0");
  EXPECT_EQ(Label("Pan"), "Pan");
  EXPECT_TRUE(Find<QPushButton>("Default")->isEnabled());
  ChooseType(1);  // a known type replaces it
  EXPECT_EQ(dlg.windowTitle(), "Reverb -- Hall 1");
  EXPECT_EQ(Find<QComboBox>("TypeList")->count(), 12);
}

TEST_F(ChorusDlgTest, SendsToItsOwnAddressesAndUsesLfoPhaseForFlangersStereoForChoruses) {
  EXPECT_EQ(dlg.windowTitle(), "Chorus -- Chorus 1");
  EXPECT_EQ(Label("LFOFreq"), "LFO Freq");
  Type("Chor2Rev", "10");
  EXPECT_EQ(rig.Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x2E, 0x0A, 0xF7}));
  rig.ClearSent();
  ChooseType(9);
  EXPECT_EQ(dlg.windowTitle(), "Chorus -- Flanger 1");
  ASSERT_EQ(rig.Sent().size(), 26u + 17);  // 15 data bytes, up to the send to Reverb
  EXPECT_EQ(rig.Sent()[8], 0x20);          // the Chorus block
  EXPECT_EQ(Shown("LFOPhase"), "4");
  EXPECT_EQ(Shown("Stereo"), "off ");
  ChooseType(4);  // "Chorus 4"
  EXPECT_EQ(Shown("LFOPhase"), "off ");
  EXPECT_EQ(Shown("Stereo"), "1");
}

}  // namespace
}  // namespace ravlo::test
