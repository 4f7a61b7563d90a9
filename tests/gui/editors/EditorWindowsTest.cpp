#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editors/CControllersDlg.h"
#include "editors/CDrumSetsDlg.h"
#include "editors/CSystemControlDlg.h"
#include "shell/ColorScheme.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "voices/VoiceCatalogue.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::ChannelAt;
using test::NoteAt;
using test::PartAt;
using test::SystemChange;

// One editor window, open over the fake port.
template <typename Dialog>
class EditorWindowTest : public ::testing::Test, public test::ModelRig {
 protected:
  EditorWindowTest() { dialog.OpenWindow(); }

  static void Type(EditSpinPair& field, const QString& text) {
    field.Edit()->setText(text);
    field.Commit();
  }

  test::FakeEditorHost host;
  Dialog dialog{model, host};
};

using Shorts = std::vector<std::vector<std::uint8_t>>;

enum { kRowVolume, kRowExpression, kRowPan, kRowModulation, kRowReverb, kRowChorus, kRowVariation };

class CControllersDlgTest : public EditorWindowTest<CControllersDlg> {
 protected:
  EditSpinPair& Controller(int slot) { return *dialog.ControllerField(slot); }
};

TEST_F(CControllersDlgTest, StaticsShowTheChannelsVoiceOrMultipleOrDashes) {
  EXPECT_EQ(dialog.windowTitle(), "Controllers -- Channel 1");
  const VoiceLookup piano = FindVoice(1, 0, 0, model, InstrumentModel::Basic);
  EXPECT_EQ(dialog.VoiceNameLabel().text(), QString::fromLatin1(piano.name.data()));
  EXPECT_EQ(dialog.ElementsLabel().text(), QString("Elements: %1").arg(piano.elements));
  EXPECT_EQ(dialog.BankTypeLabel().text(), QString::fromLatin1(BankTypeName(0, 0).data()));
  EXPECT_EQ(dialog.VoiceNameLabel().palette().color(QPalette::WindowText), ColorScheme::kEditText);
  EXPECT_EQ(dialog.ElementsLabel().palette().color(QPalette::WindowText), ColorScheme::kStaticText);

  PutPartByte(5, part_address::kReceiveChannel, 4);  // channel 6 has none now
  ASSERT_TRUE(dialog.SelectChannel(5));
  EXPECT_EQ(dialog.VoiceNameLabel().text(), "Multiple");
  EXPECT_EQ(dialog.BankTypeLabel().text(), "----");
  EXPECT_EQ(dialog.ElementsLabel().text(), "-");
  ASSERT_TRUE(dialog.SelectChannel(6));
  EXPECT_EQ(dialog.VoiceNameLabel().text(), "----");
}

TEST_F(CControllersDlgTest, AControllerSendsAControlChangeAndOnlyDocumentOnesMark) {
  Type(dialog.ChannelField(), "3");
  Type(Controller(kRowChorus), "64");
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB2, 0x5D, 0x40}}));
  EXPECT_EQ(ChannelController(2, kRowChorus), 64);
  // Expression and modulation are no part of the document.
  Type(Controller(kRowExpression), "90");
  Type(Controller(kRowModulation), "30");
  EXPECT_EQ(host.modified, 1);
  EXPECT_EQ(host.modulations, std::vector<int>{30});

  // The piano's modulation: stored, not sent.
  backend.ClearSent();
  EXPECT_TRUE(dialog.SetModulation(56));
  EXPECT_FALSE(dialog.SetModulation(128));
  EXPECT_TRUE(backend.ShortBytes().empty());
  EXPECT_EQ(Controller(kRowModulation).Edit()->text(), "56");
  EXPECT_EQ(ChannelController(2, kRowModulation), 56);
  dialog.CloseWindow();
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::Controllers});
}

TEST_F(CControllersDlgTest, AFailedSendChangesNothingTheVoiceIncluded) {
  backend.sendResult = kMidiError;
  Type(Controller(kRowVolume), "20");
  EXPECT_EQ(Controller(kRowVolume).Edit()->text(), "100");
  // The synthesizer did not get the bank: the window and the parts keep what it plays.
  Type(dialog.BankMsbField(), "64");
  EXPECT_EQ(dialog.ShownVoice().bankMsb, 0);
  EXPECT_EQ(dialog.BankMsbField().Edit()->text(), "0");
  EXPECT_EQ(PartByte(0, 0x01), 0);
  EXPECT_TRUE(host.voicesForChannel.empty());
  EXPECT_EQ(host.modified, 0);
}

TEST_F(CControllersDlgTest, VoiceFieldsAndCatalogueVoicesSendBankAndProgramAndTellTheMainBar) {
  Type(dialog.VoiceField(), "5");
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB0, 0x00, 0x00}, {0xB0, 0x20, 0x00}, {0xC0, 0x04}}));
  EXPECT_EQ(host.voicesForChannel.at(0).program, 5);
  dialog.SelectChannel(2);
  ASSERT_TRUE(dialog.SelectChannelVoice(1));  // GrndPnoK: bank 0 / 1, program 1
  EXPECT_FALSE(dialog.SelectChannelVoice(523));
  ASSERT_EQ(host.voicesForChannel.size(), 2u);
  EXPECT_EQ(host.voicesForChannel[1].lsb, 1);
  EXPECT_EQ(dialog.BankLsbField().Edit()->text(), "1");
}

TEST_F(CControllersDlgTest, VoiceAndPanWrapButVolumeStops) {
  Type(dialog.VoiceField(), "128");
  Type(Controller(kRowPan), "127");
  Type(Controller(kRowVolume), "127");
  backend.ClearSent();
  dialog.VoiceField().Step(+1);
  Controller(kRowPan).Step(+1);
  Controller(kRowVolume).Step(+1);
  EXPECT_EQ(backend.ShortBytes(),
            (Shorts{{0xB0, 0x00, 0x00}, {0xB0, 0x20, 0x00}, {0xC0, 0x00}, {0xB0, 0x0A, 0x00}}));
}

TEST_F(CControllersDlgTest, ChannelChangesMoveThePianoAndPartAndPartEditsShowAtOnce) {
  Type(Controller(kRowModulation), "12");
  Type(dialog.ChannelField(), "4");
  ASSERT_EQ(host.controllerChannels.size(), 1u);
  EXPECT_EQ(host.controllerChannels[0].channel, 4);
  Type(dialog.ChannelField(), "1");
  EXPECT_EQ(host.controllerChannels.back().modulation, 12);

  // The main bar's SelectChannel: the piano moved itself and needs only the modulation.
  model.Channels().StoreModulation(ChannelAt(5), 44);
  EXPECT_FALSE(dialog.SelectChannel(17));
  EXPECT_TRUE(dialog.SelectChannel(6));
  EXPECT_EQ(host.modulations, (std::vector<int>{12, 44}));
  EXPECT_EQ(host.controllerChannels.size(), 2u);

  EXPECT_TRUE(dialog.FollowPartChannel(6));
  EXPECT_EQ(host.controllerChannels.size(), 2u) << "the channel shown already";
  EXPECT_TRUE(dialog.FollowPartChannel(1));
  EXPECT_FALSE(dialog.FollowPartChannel(17));
  EXPECT_EQ(host.controllerChannels.size(), 3u);
  // Raising the volume of the channel's one part changes the field at once.
  ASSERT_TRUE(model.Parts().SetPartParameter(PartAt(0), 0x0B, 110));
  EXPECT_EQ(Controller(kRowVolume).Edit()->text(), "110");

  // After a load on channel 1 the piano and Part window stay where they are.
  dialog.ShowFirstChannel(true);
  EXPECT_EQ(host.controllerChannels.size(), 3u);
  dialog.SelectChannel(2);
  dialog.ShowFirstChannel(false);
  EXPECT_EQ(dialog.ShownChannel(), 1);
  EXPECT_EQ(host.controllerChannels.size(), 4u);
}

constexpr int kPitchCoarse = 0x00;
constexpr int kLevel = 0x02;

class CDrumSetsDlgTest : public EditorWindowTest<CDrumSetsDlg> {
 protected:
  EditSpinPair& Parameter(int address) { return *dialog.ParameterField(address); }
};

TEST_F(CDrumSetsDlgTest, SetAndNoteShowANoteUnderItsKitSendingNothingAndTheModelShowsAtOnce) {
  EXPECT_EQ(dialog.windowTitle(), "Drum -- StndKit1");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "Surdo Mute");
  EXPECT_EQ(Parameter(kLevel).Value(), 0x66);
  EXPECT_EQ(dialog.ParameterField(16), nullptr);
  ClearSent();
  Type(dialog.NoteField(), "36");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "BassDrum H");
  EXPECT_EQ(Parameter(kLevel).Value(), 0x7F);
  Type(dialog.NoteField(), "85");  // not in the standard kit
  EXPECT_EQ(dialog.NoteNameLabel().text(), "----");
  Type(dialog.SetField(), "3");  // two setups on the first level
  Type(dialog.NoteField(), "92");
  EXPECT_EQ(dialog.SetField().Edit()->text(), "1");
  EXPECT_EQ(dialog.NoteField().Edit()->text(), "85");
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.modified, 0);

  // Kit changes and values that come from elsewhere show at once.
  Type(dialog.NoteField(), "36");
  model.Drums().SetKitVoice(0, {127, 25, 0});
  EXPECT_EQ(dialog.windowTitle(), "Drum -- Analog");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "BD Analog H");
  PutDrumByte(0, NoteAt(36), kPitchCoarse, 0x30);
  EXPECT_EQ(Parameter(kPitchCoarse).Edit()->text(), "-16");
}

TEST_F(CDrumSetsDlgTest, AnEditGoesToTheShownSetAndNoteAndDefaultSendsTheKitsNoteBack) {
  Type(dialog.SetField(), "2");
  Type(dialog.NoteField(), "36");
  ClearSent();
  Type(Parameter(kPitchCoarse), "-64");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x24, 0x00, 0x00, 0xF7}));
  ClearSent();
  // The note goes back to the kit's defaults, on the synthesizer too: what
  // the window shows is what plays.
  QPushButton* button = dialog.findChild<QPushButton*>("Default");
  EXPECT_EQ(button->text(), "&Default");
  button->click();
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x24, 0x00, 0x40, 0xF7}));
  EXPECT_EQ(Parameter(kPitchCoarse).Edit()->text(), "0");
  EXPECT_EQ(host.modified, 2);

  backend.sendResult = kMidiError;
  Type(Parameter(kLevel), "20");
  EXPECT_EQ(Parameter(kLevel).Edit()->text(), "127") << "what the synthesizer has";
  EXPECT_EQ(host.modified, 2);
}

TEST_F(CDrumSetsDlgTest, TheExtendedInstrumentsSetupsThreeAndFour) {
  model.SetInstrument(InstrumentModel::Extended);
  ASSERT_TRUE(model.Drums().SetKitVoice(3, {127, 25, 0}));  // a notice shows the note again
  Type(dialog.SetField(), "4");
  Type(dialog.NoteField(), "36");
  ClearSent();
  Type(Parameter(kLevel), "100");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x33, 36, kLevel, 100, 0xF7}));
}

using CSystemControlDlgTest = EditorWindowTest<CSystemControlDlg>;

// The fields take their ranges and wire forms from the parameters.
TEST_F(CSystemControlDlgTest, FieldsSendAtOnceWithinTheirRangesAndShowWhatTheModelHas) {
  Type(dialog.TransposeField(), "25");
  Type(dialog.TuneField(), "-1025");
  EXPECT_TRUE(Sent().empty());
  Type(dialog.TuneField(), "1023");
  EXPECT_EQ(Sent(), SystemChange(0x00, {0x00, 0x07, 0x0F, 0x0F}));
  EXPECT_EQ(host.modified, 1);
  ASSERT_TRUE(model.System().SetMasterVolume(70));
  EXPECT_EQ(dialog.VolumeField().Edit()->text(), "70");

  backend.sendResult = kMidiError;
  Type(dialog.VolumeField(), "90");
  EXPECT_EQ(dialog.VolumeField().Edit()->text(), "70") << "what the synthesizer has";
  EXPECT_EQ(host.modified, 1);
}

TEST_F(CSystemControlDlgTest, ATypedValueIsTakenWhenItsWindowIsLeft) {
  // Typed, then another window activated: the box's focus goes with its window.
  EditSpinPair& volume = dialog.VolumeField();
  volume.Edit()->setText("90");
  volume.Edit()->setModified(true);
  QFocusEvent leave(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(volume.Edit(), &leave);
  EXPECT_EQ(Sent(), SystemChange(0x04, {0x5A}));
  // A popup of the box itself (its context menu) takes nothing.
  ClearSent();
  volume.Edit()->setText("91");
  QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(volume.Edit(), &popup);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(CSystemControlDlgTest, EscapeTakesWhatIsTypedAndReopeningShowsTheModel) {
  // Still being typed when Escape comes: committed on the way out.
  dialog.TransposeField().Edit()->setFocus();
  dialog.TransposeField().Edit()->setText("1");
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::SystemControl});
  EXPECT_EQ(Sent(), SystemChange(0x06, {0x41}));
  const std::uint8_t block[] = {0x00, 0x04, 0x06, 0x04, 80, 0x00, 0x3B};
  model.System().StoreBytes(0, block);
  dialog.OpenWindow();
  EXPECT_EQ(dialog.TuneField().Edit()->text(), "100");
}

TEST_F(CSystemControlDlgTest, ResetButtonsSendAtOnceWithoutAsking) {
  const std::pair<const char*, std::vector<std::uint8_t>> resets[] = {
      {"All", SystemChange(0x7F, {0x00})},
      {"Drum1", SystemChange(0x7D, {0x00})},
      {"Drum2", SystemChange(0x7D, {0x01})}};
  for (const auto& [name, sent] : resets) {
    ClearSent();
    dialog.findChild<QPushButton*>(name)->click();
    EXPECT_EQ(Sent(), sent) << name;
  }
  EXPECT_EQ(events.allParameterResets, 1);
  EXPECT_EQ(events.drumSetupResets, (std::vector<int>{0, 1}));
}

}  // namespace
}  // namespace ravlo
