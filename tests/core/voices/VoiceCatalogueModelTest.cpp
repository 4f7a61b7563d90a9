#include <gtest/gtest.h>

#include <span>

#include "support/ModelFixture.h"
#include "voices/ExtendedVoiceData.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {
namespace {

// The catalogue's user voice slots read their element counts from the model's Bank.
class VoiceCatalogueModelTest : public test::ModelFixture {};

TEST_F(VoiceCatalogueModelTest, UserVoiceSlotsCountTheElementsOfTheModelsBankVoice) {
  EXPECT_EQ(FindVoice(5, 63, 0, model, model.Instrument()).elements, 0);
  ASSERT_TRUE(model.UserVoices().SetVoiceElementOn(4, 0, true));
  ASSERT_TRUE(model.UserVoices().SetVoiceElementOn(4, 2, true));
  // Only the Bank counts; the VBank never reaches the synthesizer.
  UserVoice full(4);
  for (int e = 0; e < 4; ++e) full.SetElementOn(e, true);
  ASSERT_TRUE(model.UserVoices().CopyVoiceInto(UserBank::VBank, 4, full));
  const VoiceLookup found = FindVoice(5, 63, 0, model, model.Instrument());
  EXPECT_EQ(found.name, "UVox 05");
  EXPECT_EQ(found.elements, 2);
  EXPECT_EQ(FindVoice(4, 63, 0, model, model.Instrument()).elements, 0)
      << "a neighbouring slot is not affected";
  EXPECT_EQ(model.UserVoiceElementCount(32), 0);
  EXPECT_EQ(model.UserVoiceElementCount(-1), 0);

  const std::uint8_t voice[] = {63, 0, 4};
  ASSERT_TRUE(model.Parts().StorePartBytes(test::PartAt(2), part_address::kBankMsb, voice));
  const std::span<const PartRecord> parts = model.Parts().Records();
  EXPECT_EQ(ChannelVoiceName(parts, 2, model, model.Instrument()).name, "UVox 05");
  EXPECT_EQ(ChannelVoiceName(parts, 2, model, model.Instrument()).elements, 2);
  EXPECT_EQ(ChannelBankTypeName(parts, 2), "User");
}

// The part and channel voice choices and names follow the model's instrument.
TEST_F(VoiceCatalogueModelTest, OnlyTheExtendedModelChoosesAndNamesTheLaterVoices) {
  const int stereoPiano = FindVoice(2, 0, 3, model, InstrumentModel::Extended).index;
  EXPECT_FALSE(model.Parts().SelectPartVoice(test::PartAt(0), stereoPiano));
  EXPECT_FALSE(model.Channels().SelectChannelVoice(test::ChannelAt(1), stereoPiano));
  model.SetInstrument(InstrumentModel::Extended);
  ASSERT_TRUE(model.Parts().SelectPartVoice(test::PartAt(0), stereoPiano));
  EXPECT_EQ(model.Parts().PartVoiceName(test::PartAt(0)).name, "Stereo Bright Piano");
  ASSERT_TRUE(model.Channels().SelectChannelVoice(test::ChannelAt(1), stereoPiano));
  EXPECT_EQ(model.Channels().Voice(test::ChannelAt(1)), (ChannelVoice{0, 2, 3}));
  model.SetInstrument(InstrumentModel::Basic);
  EXPECT_EQ(model.Parts().PartVoiceName(test::PartAt(0)).name, "----");
}

}  // namespace
}  // namespace ravlo
