#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "editors/CControllersDlg.h"
#include "shell/ColorScheme.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "voices/VoiceCatalogue.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::ChannelAt;
using test::PartAt;
using Shorts = std::vector<std::vector<std::uint8_t>>;

enum { kVolume, kExpression, kPan, kModulation, kReverb, kChorus, kVariation };

class CControllersDlgTest : public ::testing::Test, public test::ModelRig {
 protected:
  CControllersDlgTest() : dialog(model, host) { dialog.OpenWindow(); }

  static void Type(EditSpinPair& field, const QString& text) {
    field.Edit()->setText(text);
    field.Commit();
  }
  EditSpinPair& Controller(int slot) { return *dialog.ControllerField(slot); }

  test::FakeEditorHost host;
  CControllersDlg dialog;
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

TEST_F(CControllersDlgTest, ChorusOnChannelThreeSendsAControlChangeAndTheModelKeepsIt) {
  Type(dialog.ChannelField(), "3");
  Type(Controller(kChorus), "64");
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB2, 0x5D, 0x40}}));
  EXPECT_EQ(PartByte(2, 0x12), 64);
  EXPECT_EQ(ChannelController(2, kChorus), 64);
  // Expression and modulation are no part of the document.
  Type(Controller(kExpression), "90");
  Type(Controller(kModulation), "30");
  EXPECT_EQ(host.modified, 1);
  EXPECT_EQ(host.modulations, std::vector<int>{30});

  // The piano's modulation: stored, not sent.
  Type(Controller(kVariation), "33");
  backend.ClearSent();
  EXPECT_TRUE(dialog.SetModulation(56));
  EXPECT_FALSE(dialog.SetModulation(128));
  EXPECT_TRUE(backend.ShortBytes().empty());
  EXPECT_EQ(Controller(kModulation).Value(), 56);
  EXPECT_EQ(Controller(kModulation).Edit()->text(), "56");
  EXPECT_EQ(ChannelController(2, kModulation), 56);
  dialog.CloseWindow();
  EXPECT_EQ(ChannelController(2, kVariation), 33);
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::Controllers});
}

TEST_F(CControllersDlgTest, BadInputOrAFailedSendChangesNothingTheVoiceIncluded) {
  for (const char* bad : {"0", "129", "x"}) Type(dialog.VoiceField(), bad);
  EXPECT_EQ(dialog.VoiceField().Edit()->text(), "1");
  Type(dialog.ChannelField(), "17");
  Type(Controller(kVolume), "-1");
  EXPECT_TRUE(backend.ShortBytes().empty());
  EXPECT_EQ(dialog.ShownChannel(), 1);

  backend.sendResult = kMidiError;
  Type(Controller(kVolume), "20");
  EXPECT_EQ(dialog.ControllerValue(kVolume), 100);
  EXPECT_EQ(Controller(kVolume).Edit()->text(), "100");
  EXPECT_EQ(PartByte(0, 0x0B), 100);
  EXPECT_EQ(host.modified, 0);
  // The synthesizer did not get the bank: the window and the parts keep what it plays.
  Type(dialog.BankMsbField(), "64");
  EXPECT_EQ(dialog.ShownVoice().bankMsb, 0);
  EXPECT_EQ(dialog.BankMsbField().Edit()->text(), "0");
  EXPECT_EQ(PartByte(0, 0x01), 0);
  EXPECT_TRUE(host.voicesForChannel.empty());
}

TEST_F(CControllersDlgTest, VoiceFieldsAndCatalogueVoicesSendBankAndProgramAndTellTheMainBar) {
  Type(dialog.VoiceField(), "5");
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB0, 0x00, 0x00}, {0xB0, 0x20, 0x00}, {0xC0, 0x04}}));
  EXPECT_EQ(host.voicesForChannel.at(0).program, 5);
  backend.ClearSent();
  dialog.SelectChannel(2);
  ASSERT_TRUE(dialog.SelectChannelVoice(1));  // GrndPnoK: bank 0 / 1, program 1
  EXPECT_FALSE(dialog.SelectChannelVoice(523));
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB1, 0x00, 0x00}, {0xB1, 0x20, 0x01}, {0xC1, 0x00}}));
  ASSERT_EQ(host.voicesForChannel.size(), 2u);
  EXPECT_EQ(host.voicesForChannel[1].lsb, 1);
  EXPECT_EQ(model.Channels().Voice(ChannelAt(1)), (ChannelVoice{0, 1, 1}));
  EXPECT_EQ(PartByte(1, 0x02), 1) << "the part on the channel plays it";
}

TEST_F(CControllersDlgTest, VoiceAndPanWrapButVolumeStops) {
  Type(dialog.VoiceField(), "128");
  Type(Controller(kPan), "127");
  backend.ClearSent();
  dialog.VoiceField().Step(+1);
  EXPECT_EQ(dialog.VoiceField().Value(), 1);
  Controller(kPan).Step(+1);
  EXPECT_EQ(backend.ShortBytes(),
            (Shorts{{0xB0, 0x00, 0x00}, {0xB0, 0x20, 0x00}, {0xC0, 0x00}, {0xB0, 0x0A, 0x00}}));
  backend.ClearSent();
  Type(Controller(kVolume), "127");
  Controller(kVolume).Step(+1);
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB0, 0x07, 127}}));
}

TEST_F(CControllersDlgTest, ChangingChannelShowsItsRowAndMovesPianoAndPart) {
  Type(Controller(kVolume), "90");
  Type(Controller(kModulation), "12");
  Type(dialog.ChannelField(), "4");
  EXPECT_EQ(ChannelController(0, kVolume), 90);
  ASSERT_EQ(host.controllerChannels.size(), 1u);
  EXPECT_EQ(host.controllerChannels[0].channel, 4);
  EXPECT_EQ(Controller(kVolume).Value(), 100);
  Type(dialog.ChannelField(), "1");
  EXPECT_EQ(Controller(kVolume).Value(), 90);
  EXPECT_EQ(host.controllerChannels.back().modulation, 12);

  // The main bar's SelectChannel: the piano moved itself and needs only the modulation.
  model.Channels().StoreModulation(ChannelAt(5), 44);
  EXPECT_FALSE(dialog.SelectChannel(17));
  EXPECT_TRUE(dialog.SelectChannel(6));
  EXPECT_EQ(host.modulations, (std::vector<int>{12, 44}));
  EXPECT_EQ(host.controllerChannels.size(), 2u);
}

TEST_F(CControllersDlgTest, PartEditsShowAtOnceAndFollowingPartsMovesTheShownChannel) {
  // Raising the volume of the channel's one part changes the field at once.
  ASSERT_TRUE(model.Parts().SetPartParameter(PartAt(0), 0x0B, 110));
  EXPECT_EQ(Controller(kVolume).Edit()->text(), "110");
  ASSERT_TRUE(model.Parts().SetPartParameter(PartAt(2), 0x0B, 20));  // another channel
  EXPECT_EQ(Controller(kVolume).Edit()->text(), "110");

  EXPECT_TRUE(dialog.FollowPartChannel(1));
  EXPECT_TRUE(host.controllerChannels.empty()) << "the channel shown already";
  EXPECT_TRUE(dialog.FollowPartChannel(8));
  EXPECT_FALSE(dialog.FollowPartChannel(17));
  ASSERT_EQ(host.controllerChannels.size(), 1u);
  EXPECT_EQ(host.controllerChannels[0].channel, 8);

  dialog.ShowFirstChannel(false);
  EXPECT_EQ(dialog.ShownChannel(), 1);
  EXPECT_EQ(host.controllerChannels.size(), 2u);
  // After a load on channel 1 the piano and Part window stay where they are.
  dialog.ShowFirstChannel(true);
  EXPECT_EQ(host.controllerChannels.size(), 2u);
}

TEST_F(CControllersDlgTest, TwoPartsOnAChannelKeepItsRowWhateverThePartWindowDoes) {
  // Part 2 joins part 1 on channel 1; an expression and a voice set here stay.
  ASSERT_TRUE(model.Parts().SetReceiveChannel(PartAt(1), ChannelAt(0)));
  Type(Controller(kExpression), "77");
  Type(dialog.VoiceField(), "9");
  Type(Controller(kVolume), "90");
  EXPECT_EQ(PartByte(0, 0x0B), 90);
  EXPECT_EQ(PartByte(1, 0x0B), 90) << "the volume reaches both parts";
  ASSERT_TRUE(model.Parts().SetPartParameter(PartAt(1), 0x0E, 20));  // a pan in the Part window
  EXPECT_EQ(Controller(kExpression).Value(), 77);
  EXPECT_EQ(dialog.VoiceField().Value(), 9);
  EXPECT_EQ(Controller(kVolume).Value(), 90);
  EXPECT_EQ(ChannelController(0, kVolume), 90) << "a later Send carries the edited volume";
}

}  // namespace
}  // namespace ravlo
