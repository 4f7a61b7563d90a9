#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "messages/XgMessages.h"
#include "parts/PartModel.h"
#include "parts/PartMuting.h"
#include "parts/PartParameterTable.h"
#include "parts/PartTemplates.h"
#include "sendpass/SendChoices.h"
#include "sendpass/SendPass.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::ChannelAt;
using test::PartAt;
using test::PartChange;

// The multi part defaults as the XG format's parameter table lists them
// (08 pp 00 .. 6E; the receive channel shown for part 1), byte for byte.
constexpr PartTemplate kNormalPartBytes = {
    0x02, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x40, 0x08, 0x00, 0x64, 0x40, 0x40, 0x40, 0x00,
    0x7F, 0x7F, 0x00, 0x28, 0x00, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40,
    0x0A, 0x00, 0x00, 0x42, 0x40, 0x40, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40,
    0x00, 0x00, 0x00, 0x40, 0x40, 0x40, 0x00, 0x00, 0x00, 0x10, 0x40, 0x40, 0x40, 0x00, 0x00, 0x00,
    0x11, 0x40, 0x40, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 0x40, 0x40, 0x40, 0x01, 0x7F,
};
constexpr PartTemplate kDrumPartBytes = {
    0x00, 0x7F, 0x00, 0x00, 0x09, 0xFF, 0x02, 0x02, 0x40, 0x08, 0x00, 0x64, 0x40, 0x40, 0x40, 0x00,
    0x7F, 0x7F, 0x00, 0x28, 0x00, 0x40, 0xFF, 0xFF, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40,
    0x0A, 0x00, 0x00, 0x42, 0x40, 0x40, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0x01, 0x01, 0x01, 0x01, 0xFF, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0xFF, 0x01, 0xFF,
    0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x40, 0x40, 0x40,
    0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0x40, 0x40, 0x40, 0x00, 0x00, 0x00,
    0x11, 0x40, 0x40, 0x40, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x7F,
};

TEST(PartTemplates, AreThePublishedDefaultsAndDifferOnlyInModeBytesAndReserveBankChannel) {
  EXPECT_EQ(kNormalPartTemplate, kNormalPartBytes);
  EXPECT_EQ(kDrumPartTemplate, kDrumPartBytes);
  int modeDependentCount = 0;
  for (int address = 0; address < 0x6F; ++address) {
    const bool modeDependent = IsModeDependentPartAddress(address);
    modeDependentCount += modeDependent;
    if (kNormalPartTemplate[address] != kDrumPartTemplate[address]) {
      EXPECT_TRUE(modeDependent || address == 0x00 || address == 0x01 || address == 0x04)
          << address;
    }
    // A drum part lacks nothing outside the mode-dependent bytes and the unused gap.
    if (kDrumPartTemplate[address] == 0xFF) {
      EXPECT_TRUE(modeDependent || (address >= 0x29 && address <= 0x2F)) << address;
    }
  }
  EXPECT_EQ(modeDependentCount, 32);
  EXPECT_FALSE(IsModeDependentPartAddress(-1));
  EXPECT_FALSE(IsModeDependentPartAddress(0x105));
}

TEST(PartParameterTable, NamesAndDefaultsByAddress) {
  ASSERT_EQ(kPartParameters.size(), 111u);
  for (int address : {0x6F, -1, 112}) EXPECT_EQ(PartParameterName(address), "") << address;
  EXPECT_EQ(FindPartParameter(-1), nullptr);
  EXPECT_EQ(FindPartParameter(0x6F), nullptr);

  // Names are empty exactly in the gap, else unique; the defaults are the templates (part 0's
  // channel); a drum part has none of the parameters whose editors are disabled for it.
  std::set<std::string_view> seen;
  for (int address = 0; address < 0x6F; ++address) {
    SCOPED_TRACE(address);
    const bool unused = address >= 0x29 && address <= 0x2F;
    const std::string_view name = PartParameterName(address);
    EXPECT_EQ(name.empty(), unused);
    EXPECT_TRUE(unused || seen.insert(name).second) << name;
    const PartParameter* info = FindPartParameter(address);
    ASSERT_NE(info, nullptr);
    const ParameterDescriptor& parameter = info->parameter;
    EXPECT_EQ(info->editor == PartEditor::None, unused);
    EXPECT_EQ(parameter.defaultFrom == DefaultFrom::PartNumber, address == 0x04);
    if (info->editor == PartEditor::ScaleTuning ||
        info->editor == PartEditor::ControlPolyAftertouch ||
        info->editor == PartEditor::PitchEnvelope) {
      EXPECT_EQ(parameter.drumDefault, 0xFF);
    }
    if (unused || parameter.label.empty()) continue;
    // A parameter with a field: its shown range maps into the data bytes, and
    // the defaults a part has lie in it.
    const int last = parameter.form == WireForm::NibblePair ? 0xFF : 0x7F;
    EXPECT_GE(parameter.Stored(parameter.minimum), 0);
    EXPECT_LE(parameter.Stored(parameter.maximum), last);
    EXPECT_FALSE(parameter.name.empty());
    for (int byte : {parameter.defaultValue, parameter.drumDefault}) {
      if (byte == 0xFF || parameter.form == WireForm::NibblePair || address == 0x04) continue;
      EXPECT_TRUE(parameter.InRange(parameter.Shown(byte))) << byte;
    }
    if (!parameter.choices.empty()) {
      EXPECT_EQ(parameter.choices.size(), static_cast<std::size_t>(parameter.maximum + 1));
    }
  }
}

using Message = std::vector<std::uint8_t>;
using Messages = std::vector<Message>;
using Values = std::vector<int>;

constexpr int kGrandPiano = 0;    // 0 / 1 / 0
constexpr int kStandardKit1 = 8;  // 127 / 1 / 0
constexpr int kRoomKit = 56;      // 127 / 9 / 0

class PartModelTest : public test::ModelFixture {
 protected:
  PartModel& Parts() { return model.Parts(); }
  const PartRecord& Record(int part) { return *Parts().Record(PartAt(part)); }
  static Message DrumSetupReset(int setup) { return test::SystemChange(0x7D, {setup}); }
  // The record bytes at some addresses of a part.
  Values At(int part, std::initializer_list<int> addresses) {
    Values values;
    for (int address : addresses) values.push_back(Record(part)[address]);
    return values;
  }
  ChannelVoice Voice(int channel) { return model.Channels().Voice(ChannelAt(channel)); }
};

TEST_F(PartModelTest, SettersSendTheirMessagesAndStoreWhatWent) {
  changes.notices.clear();
  EXPECT_TRUE(Parts().SetPartParameter(PartAt(4), 0x0B, 0x50));
  EXPECT_TRUE(Parts().SetPartParameterPair(PartAt(2), 0x09, 0x0F, 0x0F));
  EXPECT_EQ(Pieces(), (Messages{PartChange(4, 0x0B, 0x50), PartChange(2, 0x09, {0x0F, 0x0F})}));
  EXPECT_EQ(Record(4)[0x0B], 0x50);
  EXPECT_EQ(At(2, {0x09, 0x0A}), (Values{0x0F, 0x0F}));
  const auto told = changes.Of(ModelBlock::Part);
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0].address, (XgAddress{0x08, 4, 0x0B}));
  EXPECT_EQ(std::pair(told[0].oldValue, told[0].newValue), std::pair(0x64, 0x50));
  EXPECT_EQ(std::pair(told[1].oldValue, told[1].newValue), std::pair(0x80, 0xFF))
      << "the detune pair is one parameter";

  // Part Control's run 08..10 sends detune as one pair.
  ClearSent();
  const std::array<std::uint8_t, 9> run{0x40, 0x07, 0x03, 0x64, 0x40, 0x40, 0x40, 0x00, 0x7F};
  EXPECT_TRUE(Parts().SetPartParameters(PartAt(1), 0x08, run));
  ASSERT_EQ(Pieces().size(), 8u);
  EXPECT_EQ(Pieces()[1], PartChange(1, 0x09, {0x07, 0x03}));
  EXPECT_EQ(Pieces()[2], PartChange(1, 0x0B, 0x64));

  // A drum part's Receive run skips the bytes it lacks.
  ClearSent();
  std::array<std::uint8_t, 17> receive{};
  ASSERT_TRUE(Parts().GetPartBytes(PartAt(9), 0x30, receive));
  EXPECT_TRUE(Parts().SetPartParameters(PartAt(9), 0x30, receive));
  EXPECT_EQ(Pieces().size(), 14u);

  // A run that fails halfway keeps what went before the failure.
  backend.sendResult = kMidiError;
  backend.sendsBeforeResult = 1;
  EXPECT_FALSE(Parts().SetPartParameters(PartAt(3), 0x11, std::array<std::uint8_t, 2>{1, 2}));
  EXPECT_EQ(At(3, {0x11, 0x12}), (Values{1, 0}));
}

TEST_F(PartModelTest, ShownValuesGoThroughTheParameterTable) {
  ASSERT_TRUE(Parts().SetPartValue(PartAt(1), 0x09, -128));  // detune
  ASSERT_TRUE(Parts().SetPartValue(PartAt(1), 0x08, -24));   // note shift
  ASSERT_TRUE(Parts().SetPartValue(PartAt(1), 0x04, 16));    // channel 16
  EXPECT_EQ(Pieces(), (Messages{PartChange(1, 0x09, {0x00, 0x00}), PartChange(1, 0x08, 0x28),
                                PartChange(1, 0x04, 0x0F)}));
  EXPECT_EQ(Parts().PartValue(PartAt(1), 0x09), -128);
  EXPECT_EQ(Parts().PartValue(PartAt(1), 0x08), -24);
  EXPECT_EQ(Parts().PartValue(PartAt(1), 0x04), 16);
  ClearSent();
  EXPECT_FALSE(Parts().SetPartValue(PartAt(1), 0x08, 25)) << "out of its range";
  EXPECT_FALSE(Parts().SetPartValue(PartAt(9), 0x16, 0)) << "a drum part lacks vibrato depth";
  EXPECT_FALSE(Parts().PartValue(PartAt(9), 0x16).has_value());
  EXPECT_FALSE(Parts().SetPartValue(PartAt(1), 0x2A, 0));
  EXPECT_FALSE(Parts().SetPartValue(PartAt(16), 0x0B, 0));
  EXPECT_TRUE(Sent().empty());
}

TEST_F(PartModelTest, APartSwitchedOffGoesBackToItsChannel) {
  ASSERT_TRUE(Parts().SetReceiveChannel(PartAt(2), ChannelAt(6)));
  ASSERT_TRUE(Parts().SwitchPartOff(PartAt(2)));
  EXPECT_TRUE(Parts().IsOff(PartAt(2)));
  EXPECT_EQ(Parts().ShownChannel(PartAt(2)), ChannelAt(6));
  ASSERT_TRUE(Parts().SwitchPartOff(PartAt(2)));  // already off: nothing more
  ASSERT_TRUE(Parts().SwitchPartOn(PartAt(2)));
  EXPECT_EQ(Pieces(),
            (Messages{PartChange(2, 0x04, 6), PartChange(2, 0x04, 0x7F), PartChange(2, 0x04, 6)}));
  EXPECT_FALSE(Parts().IsOff(PartAt(2)));

  // A part a file switched off goes back to its own number's channel.
  PutPartByte(5, 0x04, 0x7F);
  EXPECT_EQ(Parts().ShownChannel(PartAt(5)), ChannelAt(5));
  backend.sendResult = kMidiError;
  EXPECT_FALSE(Parts().SwitchPartOn(PartAt(5)));
  EXPECT_TRUE(Parts().IsOff(PartAt(5)));
  EXPECT_FALSE(Parts().SetReceiveChannel(PartAt(5), ChannelAt(16)));
}

TEST_F(PartModelTest, BadInputIsRefusedWithoutSending) {
  EXPECT_FALSE(Parts().SetPartParameter(PartAt(0), 0x16, 0xFF));
  EXPECT_FALSE(Parts().SetPartParameter(PartAt(16), 0x0B, 1));
  EXPECT_FALSE(Parts().SetPartParameter(PartAt(0), 0x6F, 1));
  EXPECT_FALSE(Parts().SetPartParameter(PartAt(0), 0x2A, 1)) << "no parameter lives in the gap";
  EXPECT_FALSE(Parts().SetPartParameterPair(PartAt(0), 0x09, 0xFF, 0));
  EXPECT_FALSE(Parts().SetPartParameterPair(PartAt(0), 0x6E, 1, 1));
  std::array<std::uint8_t, 3> run{1, 2, 3};
  EXPECT_FALSE(Parts().SetPartParameters(PartAt(0), 0x6D, run));
  EXPECT_FALSE(Parts().SetPartParameters(PartAt(16), 0x10, run));
  EXPECT_FALSE(Parts().SetPartParameters(PartAt(0), -1, run));
  EXPECT_FALSE(Parts().SetPartParameters(PartAt(0), 0x09, std::array<std::uint8_t, 1>{0x08}))
      << "a detune run ending at 09";
  EXPECT_TRUE(Parts().SetPartParameters(PartAt(0), 0x10, {})) << "an empty run succeeds";
  EXPECT_FALSE(Parts().SelectPartVoice(PartAt(0), 523));
  EXPECT_FALSE(Parts().SelectPartVoice(PartAt(0), -1));
  EXPECT_FALSE(Parts().SelectPartVoice(PartAt(16), kGrandPiano));
  EXPECT_FALSE(Parts().GetPartBytes(PartAt(9), 0x6D, run));
  EXPECT_FALSE(Parts().StorePartBytes(PartAt(9), 0x6D, run));
  EXPECT_FALSE(Parts().IsDrumPart(PartAt(16)));
  EXPECT_EQ(Parts().PartVoiceName(PartAt(-1)).name, "----");
  EXPECT_TRUE(Sent().empty());

  // A failing port stores nothing: no part value, no mirror, no voice.
  backend.sendResult = kMidiError;
  changes.notices.clear();
  EXPECT_FALSE(Parts().SetPartParameters(PartAt(4), 0x0B, std::array<std::uint8_t, 2>{0x10, 0x20}));
  EXPECT_EQ(ChannelController(4, 0), 100);
  const PartRecord before = Record(0);
  EXPECT_FALSE(Parts().SelectPartVoice(PartAt(0), kStandardKit1));
  EXPECT_EQ(Record(0), before);
  EXPECT_TRUE(events.drumSetupResets.empty());
  EXPECT_TRUE(changes.notices.empty());
}

TEST_F(PartModelTest, MirroredAddressesReachTheControllerRowOfALonePartOnly) {
  const std::array<std::uint8_t, 1> volume{0x50};
  changes.notices.clear();
  EXPECT_TRUE(Parts().SetPartParameters(PartAt(4), 0x0B, volume));
  EXPECT_EQ(ChannelController(4, 0), 0x50);
  ASSERT_EQ(changes.Of(ModelBlock::Channel).size(), 1u);
  EXPECT_EQ(changes.Of(ModelBlock::Channel)[0].index, 4);
  // The FX sends: chorus to slot 5, reverb to slot 4, variation to slot 6; dry/wet has no slot.
  EXPECT_TRUE(Parts().SetPartParameters(PartAt(4), 0x11, std::array<std::uint8_t, 4>{1, 2, 3, 4}));
  EXPECT_EQ((Values{ChannelController(4, 5), ChannelController(4, 4), ChannelController(4, 6)}),
            (Values{2, 3, 4}));
  EXPECT_EQ(changes.Of(ModelBlock::Channel).size(), 4u);

  // A shared or switched-off channel has no single part to mirror.
  PutPartByte(5, 0x04, 4);
  PutPartByte(6, 0x04, 0x7F);
  changes.notices.clear();
  EXPECT_TRUE(Parts().SetPartParameters(PartAt(4), 0x0B, std::array<std::uint8_t, 1>{0x30}));
  EXPECT_TRUE(Parts().SetPartParameters(PartAt(6), 0x0B, volume));
  EXPECT_TRUE(changes.Of(ModelBlock::Channel).empty());
  EXPECT_EQ(ChannelController(4, 0), 0x50);

  // The lowest part on a channel is found.
  EXPECT_EQ(Parts().FindPartByChannel(ChannelAt(4)), PartAt(4));
  EXPECT_FALSE(Parts().SolePartOnChannel(ChannelAt(4)).has_value());
  PutPartByte(4, 0x04, 0x7F);
  EXPECT_EQ(Parts().FindPartByChannel(ChannelAt(4)), PartAt(5));
  EXPECT_EQ(Parts().SolePartOnChannel(ChannelAt(4)), PartAt(5));
  EXPECT_FALSE(Parts().FindPartByChannel(ChannelAt(16)).has_value());
  EXPECT_FALSE(Parts().FindPartByChannel(ChannelAt(0x7F)).has_value());
}

TEST_F(PartModelTest, DrumKitsTakeASetupAndNormalVoicesLeaveIt) {
  // A normal part takes the setup no part uses, reset to the chosen kit.
  ASSERT_TRUE(model.Drums().SetKitVoice(1, {127, 8, 0}));
  EXPECT_TRUE(Parts().SelectPartVoice(PartAt(0), kStandardKit1));
  EXPECT_EQ(Pieces(), (Messages{PartChange(0, 1, 127), PartChange(0, 2, 0), PartChange(0, 3, 0),
                                DrumSetupReset(1)}));
  EXPECT_EQ(At(0, {0x07, 0x05}), (Values{3, 0xFF})) << "the drum defaults came in";
  EXPECT_EQ(model.Drums().Setup(1)->kitVoice, (DrumKitVoice{127, 0, 0}));
  EXPECT_EQ(Voice(0), (ChannelVoice{127, 1, 0}));

  // A drum part keeps its setup, and the parts sharing it follow.
  ClearSent();
  PutPartByte(3, 0x07, 2);
  EXPECT_TRUE(Parts().SelectPartVoice(PartAt(9), kRoomKit));
  EXPECT_EQ(Pieces().back(), DrumSetupReset(0));
  EXPECT_EQ(At(9, {0x01, 0x03, 0x07}), (Values{127, 8, 2}));
  EXPECT_EQ(At(3, {0x01, 0x03, 0x07}), (Values{127, 8, 2}));
  EXPECT_EQ(model.Drums().Setup(0)->kitVoice, (DrumKitVoice{127, 8, 0}));
  EXPECT_EQ(events.drumSetupResets, (Values{1, 0}));

  // A normal voice for a drum part restores the normal mode bytes.
  ClearSent();
  PutPartByte(9, 0x0B, 0x30);
  EXPECT_TRUE(Parts().SelectPartVoice(PartAt(9), kGrandPiano));
  PartRecord expected = kDrumPartTemplate;
  for (std::uint8_t a : kModeDependentPartAddresses) expected[a] = kNormalPartTemplate[a];
  expected[0x0B] = 0x30;
  expected[0x01] = 0;
  EXPECT_EQ(Record(9), expected);
  EXPECT_EQ(Pieces().size(), 3u) << "no drum setup reset";
  EXPECT_EQ(Voice(9), (ChannelVoice{0, 1, 0}));
}

TEST_F(PartModelTest, EachDrumPartTakesASetupOfItsOwnWhereTheInstrumentHasOne) {
  // Kits for parts 11 and 12 beside part 10: the first level folds them into setup 2.
  for (const InstrumentModel instrument : {InstrumentModel::Basic, InstrumentModel::Extended}) {
    SCOPED_TRACE(static_cast<int>(instrument));
    model.ResetToDefaults();
    model.SetInstrument(instrument);
    ClearSent();
    Parts().ApplyChannelVoice(ChannelAt(10), 24, 127, 0);
    Parts().ApplyChannelVoice(ChannelAt(11), 25, 127, 3);  // MSB 127 is a kit whatever the LSB
    const bool extended = instrument == InstrumentModel::Extended;
    EXPECT_EQ(At(11, {0x02, 0x03, 0x07}), (Values{0, 25, extended ? 4 : 3}));
    EXPECT_EQ(At(10, {0x03, 0x07}), (Values{extended ? 24 : 25, 3}));
    EXPECT_EQ(Pieces().back(), DrumSetupReset(extended ? 2 : 1));
    EXPECT_EQ(model.Drums().Setup(1)->kitVoice,
              (DrumKitVoice{127, static_cast<std::uint8_t>(extended ? 24 : 25), 0}));
  }
  EXPECT_TRUE(Parts().ModeChoiceAllowed(PartAt(11), 0x07, 5)) << "among the four setups";
  EXPECT_FALSE(Parts().ModeChoiceAllowed(PartAt(11), 0x07, 1));
  // Part mode 1 is a drum part on the drum template; it may go back to normal.
  model.SetInstrument(InstrumentModel::Basic);
  PutPartByte(2, 0x07, 1);
  EXPECT_TRUE(Parts().IsDrumPart(PartAt(2)) && !Parts().HasParameter(PartAt(2), 0x05));
  EXPECT_TRUE(Parts().ModeChoiceAllowed(PartAt(2), 0x07, 0));
  EXPECT_FALSE(Parts().ModeChoiceAllowed(PartAt(2), 0x07, 4)) << "no setup 3 on the first level";
}

TEST_F(PartModelTest, TheExtendedInstrumentsPartEq) {
  EXPECT_FALSE(Parts().SetPartValue(PartAt(4), 0x72, 0x44)) << "the first level has none";
  model.SetInstrument(InstrumentModel::Extended);
  ASSERT_TRUE(Parts().SetPartValue(PartAt(4), 0x72, 0x44));
  ASSERT_TRUE(Parts().SetPartValue(PartAt(9), 0x77, 0x30)) << "a drum part has it too";
  EXPECT_FALSE(Parts().SetPartValue(PartAt(4), 0x76, 0x29)) << "past 2.0 kHz";
  EXPECT_FALSE(Parts().SetPartParameter(PartAt(4), 0x74, 0x01)) << "no parameter there";
  // A non-default pass sends what differs, a bulk pass the EQ after the halves.
  ClearSent();
  ASSERT_TRUE(Parts().SendParts(true, 0));
  EXPECT_EQ(Sent(), test::Join(PartChange(4, 0x72, 0x44), PartChange(9, 0x77, 0x30)));
  ClearSent();
  ASSERT_TRUE(Parts().SendParts(false, 0));
  EXPECT_EQ(Pieces().size(), 16u * (2 + 4));
  EXPECT_EQ(Pieces()[5], PartChange(0, 0x77, 0x36));
}

TEST_F(PartModelTest, ChannelVoicesReachTheParts) {
  PutPartByte(7, 0x04, 2);
  Parts().ApplyChannelVoice(ChannelAt(2), 8, 127, 0);
  EXPECT_EQ(Pieces(), Messages{DrumSetupReset(1)});
  EXPECT_EQ(At(2, {0x03, 0x07}), (Values{8, 3}));
  EXPECT_EQ(At(7, {0x03, 0x07}), (Values{8, 3}));
  EXPECT_EQ(model.Drums().Setup(1)->kitVoice, (DrumKitVoice{127, 8, 0}));
  ClearSent();
  Parts().ApplyChannelVoice(ChannelAt(2), 4, 0, 1);
  EXPECT_EQ(At(7, {0x02, 0x03, 0x07}), (Values{1, 4, 0}));
  PutPartByte(15, 0x04, 0x7F);
  Parts().ApplyChannelVoice(ChannelAt(15), 0, 127, 0);  // no part on the channel
  Parts().ApplyChannelVoice(ChannelAt(16), 0, 127, 0);
  Parts().ApplyChannelVoice(ChannelAt(1), 128, 0, 0);
  EXPECT_EQ(Record(1)[0x03], 0);
  EXPECT_TRUE(Sent().empty()) << "normal voices send nothing";
}

TEST_F(PartModelTest, AModeChangeBringsItsVoiceAndTheSynthesizerHearsIt) {
  using Mode = PartModel::ModeBytes;
  // Into Drum 1: the voice of the lowest part in that mode (part 10).
  ASSERT_TRUE(Parts().SetPartMode(PartAt(0), Mode{1, 1, 2}));
  EXPECT_EQ(Pieces(), (Messages{PartChange(0, 0x05, 1), PartChange(0, 0x06, 1),
                                PartChange(0, 0x07, 2), PartChange(0, 0x01, 127)}));
  EXPECT_EQ(At(0, {0x01, 0x02, 0x03, 0x07}), (Values{127, 0, 0, 2}));
  EXPECT_EQ(Parts().PartVoiceName(PartAt(0)).name, Parts().PartVoiceName(PartAt(9)).name);

  // Into Drum 2, which no part plays: the kit its setup holds.
  ClearSent();
  ASSERT_TRUE(model.Drums().SetKitVoice(1, {126, 1, 0}));
  ASSERT_TRUE(Parts().SetPartMode(PartAt(1), Mode{1, 1, 3}));
  EXPECT_EQ(Pieces(),
            (Messages{PartChange(1, 0x05, 1), PartChange(1, 0x06, 1), PartChange(1, 0x07, 3),
                      PartChange(1, 0x01, 126), PartChange(1, 0x03, 1)}));

  // No voice belongs to a normal mode no part plays, and an unchanged mode brings none.
  PutPartByte(4, 0x03, 5);
  PutPartByte(4, 0x07, 2);
  ClearSent();
  ASSERT_TRUE(Parts().SetPartMode(PartAt(4), Mode{1, 1, 1}));
  EXPECT_EQ(Record(4)[0x03], 5);
  EXPECT_EQ(Pieces().size(), 3u);

  // A drum part's missing mono/poly byte stays unsent; the voice that failed to
  // go stays unshown.
  ClearSent();
  backend.sendResult = kMidiError;
  backend.sendsBeforeResult = 2;
  EXPECT_FALSE(Parts().SetPartMode(PartAt(9), Mode{kNoParameter, 1, 3}));
  EXPECT_EQ(Pieces(), (Messages{PartChange(9, 0x06, 1), PartChange(9, 0x07, 3)}));
  EXPECT_EQ(At(9, {0x01, 0x03, 0x07}), (Values{127, 0, 3}));
  EXPECT_FALSE(Parts().SetPartMode(PartAt(16), Mode{1, 1, 0}));
}

TEST_F(PartModelTest, MuteAndSoloSendOnlyTheNoteSwitchesThatChange) {
  namespace muting = part_muting;
  const auto allBut = [](int kept) {
    std::vector<int> parts;
    for (int part = 0; part < 16; ++part) {
      if (part != kept) parts.push_back(part);
    }
    return parts;
  };
  const auto switches = [](const std::vector<int>& parts, int value) {
    Messages messages;
    for (int part : parts) messages.push_back(PartChange(part, 0x35, value));
    return messages;
  };
  Messages soloThree = switches(allBut(2), 0);
  soloThree.insert(soloThree.begin() + 2, PartChange(2, 0x35, 1));
  struct Step {
    const char* name;
    std::function<bool()> act;
    Messages sent;
    std::vector<int> muted;
  };
  const auto mute = [&](int part) {
    return [&, part] { return muting::SetMuted(Parts(), PartAt(part), true); };
  };
  const auto solo = [&](int part, bool on) {
    return [&, part, on] { return muting::SetSoloed(Parts(), PartAt(part), on); };
  };
  const Step steps[] = {
      {"mute part 3", mute(2), switches({2}, 0), {2}},
      {"mute it again", mute(2), {}, {2}},
      {"solo part 3 plays it again", solo(2, true), soloThree, allBut(2)},
      {"solo another part swaps the two",
       solo(9, true),
       {PartChange(2, 0x35, 0), PartChange(9, 0x35, 1)},
       allBut(9)},
      {"solo off plays every part", solo(9, false), switches(allBut(9), 1), {}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    ClearSent();
    EXPECT_TRUE(step.act());
    EXPECT_EQ(Pieces(), step.sent);
    std::vector<int> muted;
    for (int part = 0; part < 16; ++part) {
      if (muting::IsMuted(Parts(), PartAt(part))) muted.push_back(part);
    }
    EXPECT_EQ(muted, step.muted);
    EXPECT_EQ(muting::AnyMuted(Parts()), !step.muted.empty());
    EXPECT_EQ(muting::IsSoloed(Parts(), PartAt(9)), step.muted == allBut(9));
  }

  EXPECT_FALSE(muting::SetMuted(Parts(), PartAt(16), true)) << "a part past the table";
  // A save without the mutes records every part playing and leaves them muted.
  ASSERT_TRUE(muting::SetMuted(Parts(), PartAt(4), true));
  test::RecordingProgress progress;
  const auto record = [&] { return RecordSendPass(model, SendChoices{}, progress); };
  const auto muted = record();
  std::optional<std::vector<std::uint8_t>> unmuted;
  muting::WithMutesLifted(Parts(), [&] { unmuted = record(); });
  ASSERT_TRUE(muted && unmuted);
  const Message change = PartChange(4, 0x35, 0);
  EXPECT_NE(std::search(muted->begin(), muted->end(), change.begin(), change.end()), muted->end());
  EXPECT_EQ(std::search(unmuted->begin(), unmuted->end(), change.begin(), change.end()),
            unmuted->end());
  EXPECT_TRUE(muting::IsMuted(Parts(), PartAt(4)));
}

TEST_F(PartModelTest, BulkPassSendsBothHalvesOfEveryPart) {
  EXPECT_TRUE(Parts().SendParts(true, 20)) << "an untouched model";
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(pauser.pauses.empty());

  EXPECT_TRUE(Parts().SendParts(false, 7));
  EXPECT_EQ(Sent().size(), 16u * (52 + 74));
  EXPECT_EQ(pauser.pauses, std::vector<unsigned>(16, 7));
  ASSERT_EQ(Pieces().size(), 32u);
  Message first = Bytes({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x29, 0x08, 0x00, 0x00});
  first.insert(first.end(), kNormalPartTemplate.begin(), kNormalPartTemplate.begin() + 0x29);
  first.push_back(BulkChecksum(std::span(first).subspan(4)));
  first.push_back(0xF7);
  EXPECT_EQ(Pieces()[0], first);
  const Message& drumSecond = Pieces()[19];
  EXPECT_EQ(Message(drumSecond.begin() + 4, drumSecond.begin() + 9),
            Bytes({0x00, 0x3F, 0x08, 0x09, 0x30}));
  EXPECT_EQ(drumSecond[9 + 0x34 - 0x30], 0x00) << "Poly AT goes as 0";
  EXPECT_EQ(Pieces()[18][9 + 0x05], 0x00) << "Mono/Poly goes as 0";
}

TEST_F(PartModelTest, NonDefaultPassSendsReservesFirstThenWhatDiffers) {
  PutPartByte(3, 0x00, 5);
  PutPartByte(1, 0x00, 7);
  PutPartByte(9, 0x00, 2);  // the drum part's default is 0
  PutPartByte(0, 0x00, 0);
  PutPartByte(4, 0x00, 32);  // the whole element total, last
  PutPartByte(2, 0x04, 5);
  PutPartByte(9, 0x04, 3);   // the drum part off channel 10
  PutPartByte(4, 0x04, 9);   // a normal part on channel 10
  PutPartByte(6, 0x03, 24);  // program alone still sends the trio
  PutPartByte(8, 0x0A, 1);
  EXPECT_TRUE(Parts().SendParts(true, 5));
  EXPECT_EQ(Pieces(), (Messages{PartChange(0, 0, 0), PartChange(9, 0, 2), PartChange(3, 0, 5),
                                PartChange(1, 0, 7), PartChange(4, 0, 32), PartChange(2, 0x04, 5),
                                PartChange(4, 0x04, 9), PartChange(4, 0x07, 0),
                                PartChange(6, 0x01, 0), PartChange(6, 0x02, 0),
                                PartChange(6, 0x03, 24), PartChange(8, 0x09, {0x08, 0x01}),
                                PartChange(9, 0x04, 3), PartChange(9, 0x07, 2)}));
  EXPECT_EQ(pauser.pauses.size(), 13u) << "no delay after the detune pair";

  // A differing parameter the part lacks ends the part loop.
  ClearSent();
  PutPartByte(0, 0x16, 0xFF);
  PutPartByte(1, 0x0B, 0x10);
  EXPECT_FALSE(Parts().SendParts(true, 0));
  EXPECT_EQ(Pieces().size(), 5u) << "only the element reserves";
}

}  // namespace
}  // namespace ravlo
