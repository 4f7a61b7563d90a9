#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <cstdint>
#include <vector>

#include "editors/CControllersDlg.h"
#include "shell/ColorScheme.h"
#include "support/FakeEditorHost.h"
#include "support/ModelFixture.h"
#include "voices/VoiceCatalogue.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using Shorts = std::vector<std::vector<std::uint8_t>>;

constexpr int kVolume = 0;
constexpr int kExpression = 1;
constexpr int kPan = 2;
constexpr int kModulation = 3;
constexpr int kChorus = 5;
constexpr int kVariation = 6;

class CControllersDlgTest : public ::testing::Test, public test::ModelRig {
 protected:
  CControllersDlgTest() : dialog(model, host) { dialog.OpenWindow(); }

  static void Type(EditSpinPair& field, const QString& text) {
    field.Edit()->setText(text);
    field.Commit();
  }
  EditSpinPair& Controller(int slot) { return *dialog.ControllerField(slot); }
  std::uint8_t PartByte(int part, int address) {
    std::uint8_t value = 0;
    model.Parts().GetPartByte(part, address, value);
    return value;
  }
  void PutOnChannel(int part, int channel) {
    model.Parts().PutPartByte(part, part_address::kReceiveChannel,
                              static_cast<std::uint8_t>(channel));
  }

  test::FakeEditorHost host;
  CControllersDlg dialog;
};

TEST_F(CControllersDlgTest, ShowsChannelOneUnderItsCaption) {
  EXPECT_EQ(dialog.ShownChannel(), 1);
  EXPECT_EQ(dialog.windowTitle(), "Controllers -- Channel 1");
  EXPECT_EQ(Controller(kVolume).Value(), 100);
  EXPECT_EQ(Controller(kExpression).Value(), 127);
  EXPECT_EQ(dialog.VoiceField().Value(), 1);
  const VoiceLookup piano = FindVoice(1, 0, 0, model);
  EXPECT_EQ(dialog.VoiceNameLabel().text(), QString::fromLatin1(piano.name.data()));
  EXPECT_EQ(dialog.ElementsLabel().text(), QString("Elements: %1").arg(piano.elements));
  const std::string_view bankType = BankTypeName(0, 0);
  EXPECT_EQ(dialog.BankTypeLabel().text(),
            QString::fromLatin1(bankType.data(), static_cast<qsizetype>(bankType.size())));
}

TEST_F(CControllersDlgTest, InformationStaticsUseTheEditTextColour) {
  EXPECT_EQ(dialog.BankTypeLabel().palette().color(QPalette::WindowText), ColorScheme::kEditText);
  EXPECT_EQ(dialog.VoiceNameLabel().palette().color(QPalette::WindowText), ColorScheme::kEditText);
  EXPECT_EQ(dialog.ElementsLabel().palette().color(QPalette::WindowText), ColorScheme::kStaticText);
}

TEST_F(CControllersDlgTest, ChorusOnChannelThreeSendsAControlChangeAndReachesThePart) {
  Type(dialog.ChannelField(), "3");
  EXPECT_TRUE(backend.ShortBytes().empty());
  Type(Controller(kChorus), "64");
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB2, 0x5D, 0x40}}));
  EXPECT_EQ(PartByte(2, 0x12), 64);
  EXPECT_EQ(host.modified, 1);
  EXPECT_EQ(dialog.windowTitle(), "Controllers -- Channel 3");
  // The table takes it only when the row is stored.
  EXPECT_EQ(model.Channels().GetControllerSlot(2, kChorus), 0);
  dialog.StoreToModel();
  EXPECT_EQ(model.Channels().GetControllerSlot(2, kChorus), 64);
}

TEST_F(CControllersDlgTest, ExpressionAndModulationDoNotMarkTheDocument) {
  Type(Controller(kExpression), "90");
  Type(Controller(kModulation), "30");
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB0, 0x0B, 90}, {0xB0, 0x01, 30}}));
  EXPECT_EQ(host.modified, 0);
  EXPECT_EQ(host.modulations, std::vector<int>{30});
  EXPECT_EQ(dialog.ShownModulation(), 30);
}

TEST_F(CControllersDlgTest, AFailedControlChangeKeepsTheValue) {
  backend.sendResult = kMidiError;
  Type(Controller(kVolume), "20");
  EXPECT_EQ(dialog.ControllerValue(kVolume), 100);
  EXPECT_EQ(PartByte(0, 0x0B), 100);
  EXPECT_EQ(host.modified, 0);
}

TEST_F(CControllersDlgTest, VoiceFieldsSendBankAndProgramAndTellTheMainBar) {
  Type(dialog.VoiceField(), "5");
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB0, 0x00, 0x00}, {0xB0, 0x20, 0x00}, {0xC0, 0x04}}));
  ASSERT_EQ(host.voicesForChannel.size(), 1u);
  EXPECT_EQ(host.voicesForChannel[0].channel, 1);
  EXPECT_EQ(host.voicesForChannel[0].program, 5);
  ChannelVoice stored;
  model.Channels().GetChannelVoice(0, stored);
  EXPECT_EQ(stored, (ChannelVoice{0, 5, 0}));

  backend.ClearSent();
  Type(dialog.BankLsbField(), "1");
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB0, 0x00, 0x00}, {0xB0, 0x20, 0x01}, {0xC0, 0x04}}));
  EXPECT_EQ(host.voicesForChannel.back().lsb, 1);
}

TEST_F(CControllersDlgTest, AFailedVoiceSendIsTakenAllTheSame) {
  backend.sendResult = kMidiError;
  Type(dialog.BankMsbField(), "64");
  EXPECT_EQ(dialog.ShownVoice().bankMsb, 64);
  EXPECT_EQ(host.voicesForChannel.size(), 1u);
}

TEST_F(CControllersDlgTest, VoiceWrapsButChannelVolumeAndExpressionStop) {
  Type(dialog.VoiceField(), "128");
  backend.ClearSent();
  dialog.VoiceField().Step(+1);
  EXPECT_EQ(dialog.VoiceField().Value(), 1);
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB0, 0x00, 0x00}, {0xB0, 0x20, 0x00}, {0xC0, 0x00}}));

  Type(Controller(kPan), "127");
  backend.ClearSent();
  Controller(kPan).Step(+1);
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB0, 0x0A, 0x00}}));

  backend.ClearSent();
  Type(Controller(kVolume), "127");
  Controller(kVolume).Step(+1);
  Type(Controller(kExpression), "0");
  Controller(kExpression).Step(-1);
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB0, 0x07, 127}, {0xB0, 0x0B, 0}}));
  Type(dialog.ChannelField(), "16");
  dialog.ChannelField().Step(+1);
  EXPECT_EQ(dialog.ShownChannel(), 16);
}

TEST_F(CControllersDlgTest, BadInputBeepsAndSendsNothing) {
  QSignalSpy beeped(&dialog.VoiceField(), &EditSpinPair::Beeped);
  for (const char* bad : {"0", "129", "x"}) Type(dialog.VoiceField(), bad);
  EXPECT_EQ(beeped.count(), 3);
  EXPECT_EQ(dialog.VoiceField().Edit()->text(), "1");
  Type(dialog.ChannelField(), "17");
  Type(Controller(kVolume), "-1");
  EXPECT_TRUE(backend.ShortBytes().empty());
  EXPECT_TRUE(host.voicesForChannel.empty());
  EXPECT_EQ(dialog.ShownChannel(), 1);
}

TEST_F(CControllersDlgTest, ChangingChannelStoresTheOldRowAndMovesPianoAndPart) {
  Type(Controller(kVolume), "90");
  Type(Controller(kModulation), "12");
  Type(dialog.ChannelField(), "4");
  EXPECT_EQ(model.Channels().GetControllerSlot(0, kVolume), 90);
  EXPECT_EQ(model.Channels().GetControllerSlot(0, kModulation), 12);
  ASSERT_EQ(host.controllerChannels.size(), 1u);
  EXPECT_EQ(host.controllerChannels[0].channel, 4);
  EXPECT_EQ(host.controllerChannels[0].modulation, 0);
  EXPECT_EQ(Controller(kVolume).Value(), 100);
  // Back again: the stored values return.
  Type(dialog.ChannelField(), "1");
  EXPECT_EQ(Controller(kVolume).Value(), 90);
  EXPECT_EQ(host.controllerChannels.back().modulation, 12);
}

TEST_F(CControllersDlgTest, TwoPartsOnAChannelShowMultipleAndTakeNoStoredRow) {
  PutOnChannel(5, 4);
  ASSERT_TRUE(dialog.SelectChannel(5));
  EXPECT_EQ(dialog.VoiceNameLabel().text(), "Multiple");
  EXPECT_EQ(dialog.BankTypeLabel().text(), "----");
  EXPECT_EQ(dialog.ElementsLabel().text(), "-");
  ASSERT_TRUE(dialog.OnPartControllerChanged(4, kVolume, 50));
  dialog.StoreToModel();
  EXPECT_EQ(model.Channels().GetControllerSlot(4, kVolume), 50);
  EXPECT_EQ(PartByte(4, 0x0B), 100);
  EXPECT_EQ(PartByte(5, 0x0B), 100);
}

TEST_F(CControllersDlgTest, AChannelNoPartReceivesOnShowsDashes) {
  PutOnChannel(6, 0);  // channel 7 loses its only part
  dialog.SelectChannel(7);
  EXPECT_EQ(dialog.VoiceNameLabel().text(), "----");
  EXPECT_EQ(dialog.ElementsLabel().text(), "-");
}

TEST_F(CControllersDlgTest, APartEditOnTheShownChannelShowsAtOnce) {
  dialog.SelectChannel(4);
  EXPECT_TRUE(dialog.OnPartControllerChanged(3, kVolume, 110));
  EXPECT_EQ(Controller(kVolume).Value(), 110);
  EXPECT_FALSE(dialog.OnPartControllerChanged(2, kVolume, 20));     // another channel
  EXPECT_FALSE(dialog.OnPartControllerChanged(3, kExpression, 5));  // no part mirrors it
  EXPECT_FALSE(dialog.OnPartControllerChanged(3, 11, 5));
  EXPECT_FALSE(dialog.OnPartControllerChanged(3, kVolume, 128));
  EXPECT_EQ(Controller(kVolume).Value(), 110);
  EXPECT_EQ(Controller(kExpression).Value(), 127);
}

TEST_F(CControllersDlgTest, SelectChannelGivesThePianoTheNewModulation) {
  model.Channels().SetControllerSlot(5, kModulation, 44);
  EXPECT_FALSE(dialog.SelectChannel(0));
  EXPECT_FALSE(dialog.SelectChannel(17));
  EXPECT_TRUE(dialog.SelectChannel(6));
  EXPECT_EQ(dialog.ShownModulation(), 44);
  EXPECT_EQ(host.modulations, std::vector<int>{44});
  EXPECT_TRUE(host.controllerChannels.empty());
  EXPECT_EQ(dialog.windowTitle(), "Controllers -- Channel 6");
  // Closed, the window still follows, but the piano is left alone.
  dialog.CloseWindow();
  EXPECT_TRUE(dialog.SelectChannel(2));
  EXPECT_EQ(host.modulations.size(), 1u);
  EXPECT_EQ(dialog.ShownChannel(), 2);
}

TEST_F(CControllersDlgTest, FollowingThePartRebuildsTheShownChannelFromItsParts) {
  Type(Controller(kVolume), "90");  // the part takes it at once
  model.Parts().PutPartByte(0, 0x0B, 70);
  EXPECT_TRUE(dialog.FollowPartChannel(1));
  EXPECT_EQ(Controller(kVolume).Value(), 70);
  EXPECT_TRUE(host.controllerChannels.empty());

  EXPECT_TRUE(dialog.FollowPartChannel(8));
  EXPECT_EQ(dialog.ShownChannel(), 8);
  ASSERT_EQ(host.controllerChannels.size(), 1u);
  EXPECT_EQ(host.controllerChannels[0].channel, 8);
  EXPECT_FALSE(dialog.FollowPartChannel(17));
}

TEST_F(CControllersDlgTest, RefreshReturnsToChannelOne) {
  dialog.SelectChannel(3);
  dialog.RefreshFromModel(false);
  EXPECT_EQ(dialog.ShownChannel(), 1);
  ASSERT_EQ(host.controllerChannels.size(), 1u);
  EXPECT_EQ(host.controllerChannels[0].channel, 1);
  // After a load on channel 1 the piano and Part window stay where they are,
  // and the tables come from the parts.
  model.Parts().PutPartByte(0, 0x0B, 33);
  dialog.RefreshFromModel(true);
  EXPECT_EQ(host.controllerChannels.size(), 1u);
  EXPECT_EQ(Controller(kVolume).Value(), 33);
  dialog.SelectChannel(2);
  dialog.RefreshFromModel(true);
  EXPECT_EQ(host.controllerChannels.size(), 2u);
}

TEST_F(CControllersDlgTest, AChosenCatalogueVoiceIsStoredSentAndHandedOn) {
  dialog.SelectChannel(2);
  ASSERT_TRUE(dialog.SelectChannelVoice(1));  // GrndPnoK: bank 0 / 1, program 1
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB1, 0x00, 0x00}, {0xB1, 0x20, 0x01}, {0xC1, 0x00}}));
  EXPECT_EQ(dialog.BankLsbField().Value(), 1);
  ChannelVoice stored;
  model.Channels().GetChannelVoice(1, stored);
  EXPECT_EQ(stored, (ChannelVoice{0, 1, 1}));
  ASSERT_EQ(host.voicesForChannel.size(), 1u);
  EXPECT_EQ(host.voicesForChannel[0].channel, 2);
  EXPECT_FALSE(dialog.SelectChannelVoice(-1));
  EXPECT_FALSE(dialog.SelectChannelVoice(523));
  EXPECT_EQ(host.voicesForChannel.size(), 1u);
}

TEST_F(CControllersDlgTest, VariationAndModulationFromTheMainBar) {
  dialog.SelectChannel(3);
  Type(Controller(kVariation), "33");
  backend.ClearSent();
  EXPECT_TRUE(dialog.SendVariation());
  EXPECT_EQ(backend.ShortBytes(), (Shorts{{0xB2, 0x5E, 33}}));

  backend.ClearSent();
  EXPECT_TRUE(dialog.SetModulation(56));
  EXPECT_FALSE(dialog.SetModulation(128));
  EXPECT_TRUE(backend.ShortBytes().empty());
  EXPECT_EQ(Controller(kModulation).Value(), 56);
  EXPECT_EQ(model.Channels().GetControllerSlot(2, kModulation), 56);
}

TEST_F(CControllersDlgTest, ClosingStoresTheShownChannel) {
  Type(Controller(kPan), "20");
  dialog.CloseWindow();
  EXPECT_EQ(model.Channels().GetControllerSlot(0, kPan), 20);
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::Controllers});
  dialog.OpenWindow();
  EXPECT_EQ(Controller(kPan).Value(), 20);
}

}  // namespace
}  // namespace ravlo
