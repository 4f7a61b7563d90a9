#include <QLabel>
#include <optional>

#include "editors/PartEditorFixture.h"
#include "midi/MidiResult.h"
#include "support/FakeSoundView.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {
namespace {

using test::PartChange;

class PartDlgTest : public test::PartEditorFixture {
 protected:
  EditSpinPair* Field(const char* name) { return Child<EditSpinPair>(window, name); }
  QPushButton* Button(const char* name) { return Child<QPushButton>(window, name); }
  void Choose(std::optional<int> voice) {
    window.SetVoiceChooser([voice] { return voice; });
    Press("Voice");
  }
};

TEST_F(PartDlgTest, PartNumberSendsNothingButReservedSendsAndOnlyATypedValueMarks) {
  Type(Field("PartNumber"), "10");
  Field("PartNumber")->Step(+1);
  Field("PartNumber")->Step(-1);
  Type(Field("PartNumber"), "17");  // beyond the part count: refused
  EXPECT_TRUE(rig.Pieces().empty());
  EXPECT_EQ(window.windowTitle(), "Part -- StndKit1");
  EXPECT_EQ(host.partChannels, (std::vector<int>{10, 11, 10}));

  window.SelectPart(4);
  Type(Field("Reserved"), "5");
  Field("Reserved")->Step(+1);
  Type(Field("Reserved"), "33");  // one more than the element total
  EXPECT_EQ(rig.Pieces(), (Sent{PartChange(4, 0x00, 0x05), PartChange(4, 0x00, 0x06)}));
  EXPECT_EQ(rig.PartByte(4, 0x00), 6);
  EXPECT_EQ(host.modified, 1);
}

TEST_F(PartDlgTest, ChannelAndOffSendAndOnSendsTheRememberedChannel) {
  window.SelectPart(2);
  rig.backend.sendResult = kMidiError;  // failed sends leave the part as it was
  Type(Field("Channel"), "6");
  Button("Off")->click();
  EXPECT_FALSE(window.IsOff());
  EXPECT_EQ(rig.PartByte(2, 0x04), 2);
  rig.backend.sendResult = kMidiOk;
  rig.ClearSent();

  Type(Field("Channel"), "5");
  Button("Off")->click();
  EXPECT_EQ(Button("Off")->text(), "Off");
  EXPECT_FALSE(Field("Channel")->isEnabled());
  // Away and back: the off part still shows the channel it had.
  window.SelectPart(0);
  EXPECT_TRUE(Field("Channel")->isEnabled());
  window.SelectPart(2);
  EXPECT_TRUE(window.IsOff());
  EXPECT_EQ(Field("Channel")->Value(), 5);
  Button("Off")->click();
  EXPECT_EQ(rig.Pieces(), (Sent{PartChange(2, 0x04, 0x04), PartChange(2, 0x04, 0x7F),
                                PartChange(2, 0x04, 0x04)}));
  EXPECT_EQ(rig.PartByte(2, 0x04), 4);
  EXPECT_EQ(Button("Off")->text(), "On");
  EXPECT_EQ(host.modified, 3);
  EXPECT_EQ(host.partChannels, (std::vector<int>{5, 5, 5}));

  // Switched off elsewhere: the part's own number is the remembered channel.
  rig.PutPartByte(6, 0x04, 0x7F);
  window.SelectPart(6);
  EXPECT_TRUE(window.IsOff());
  EXPECT_EQ(Field("Channel")->Value(), 7);
}

TEST_F(PartDlgTest, TuneNeedsANormalPartAndAChosenKitMakesADrumPart) {
  window.SelectPart(9);
  for (const char* name : {"Tune", "PAT", "Pitch"}) EXPECT_FALSE(Button(name)->isEnabled()) << name;
  window.SelectPart(0);
  EXPECT_TRUE(Button("PAT")->isEnabled());

  Choose(std::nullopt);
  Choose(523);
  EXPECT_TRUE(rig.Pieces().empty());
  Choose(FindVoice(1, 127, 0, rig.model, InstrumentModel::Basic).index);
  EXPECT_TRUE(window.IsDrum());
  EXPECT_FALSE(Button("Tune")->isEnabled());
  EXPECT_EQ(window.windowTitle(), "Part -- StndKit1");
  EXPECT_EQ(rig.Pieces()[0], PartChange(0, 0x01, 0x7F));
  EXPECT_EQ(host.partChannels, std::vector<int>{1});
  Choose(FindVoice(1, 0, 0, rig.model, InstrumentModel::Basic).index);
  EXPECT_TRUE(Button("Tune")->isEnabled());
  EXPECT_EQ(host.modified, 2);
}

TEST_F(PartDlgTest, WhileTheSoundPlaysTheWindowNamesThePresetHeard) {
  auto* heard = Child<QLabel>(window, "HeardPreset");
  EXPECT_TRUE(heard->isHidden());
  test::FakeSoundView sound;
  window.SetSound(&sound);
  window.SelectPart(2);
  EXPECT_EQ(heard->text(), "Heard: part 3");
  EXPECT_FALSE(heard->isHidden());
}

TEST_F(PartDlgTest, TheMainBarOperations) {
  EXPECT_TRUE(window.SelectPart(5));
  EXPECT_FALSE(window.SelectPart(16));
  EXPECT_FALSE(window.SelectPart(-1));
  EXPECT_EQ(Field("PartNumber")->Value(), 6);
  EXPECT_TRUE(window.SelectPartByChannel(9));
  EXPECT_EQ(window.ShownPart(), 9);
  rig.PutPartByte(2, 0x04, 5);  // no part on channel 3 now
  EXPECT_FALSE(window.SelectPartByChannel(2));
  EXPECT_TRUE(window.SelectPartByChannel(5));
  EXPECT_EQ(window.ShownPart(), 2);  // the lowest part on channel 6
  EXPECT_TRUE(window.SelectPartByChannel(5));
  window.SelectPart(5);
  EXPECT_TRUE(window.SelectPartByChannel(5));
  EXPECT_EQ(window.ShownPart(), 5) << "the part shown receives on it already: it stays";

  window.ShowFirstPart();
  EXPECT_EQ(window.ShownPart(), 0);
  EXPECT_TRUE(host.partChannels.empty());
  EXPECT_TRUE(rig.Pieces().empty());

  // A kit chosen on the channel elsewhere shows at once.
  rig.model.Parts().ApplyChannelVoice(test::ChannelAt(0), 0, 127, 0);
  EXPECT_TRUE(window.IsDrum());
  EXPECT_FALSE(Button("PAT")->isEnabled());
  EXPECT_EQ(window.windowTitle(), "Part -- StndKit1");
}

}  // namespace
}  // namespace ravlo
