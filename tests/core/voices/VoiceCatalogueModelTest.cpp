#include <gtest/gtest.h>

#include <span>

#include "support/ModelFixture.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {
namespace {

// The catalogue's user voice slots read their element counts from the model's Bank.
class VoiceCatalogueModelTest : public test::ModelFixture {};

TEST_F(VoiceCatalogueModelTest, UserVoiceSlotsCountTheElementsOfTheModelsBankVoice) {
  EXPECT_EQ(FindVoice(5, 63, 0, model).elements, 0);
  UserVoice* voice = model.UserVoices().GetUserVoice(4, UserBank::Bank);
  voice->SetElementOn(0, true);
  voice->SetElementOn(2, true);
  // Only the Bank counts; the VBank never reaches the synthesizer.
  for (int e = 0; e < 4; ++e)
    model.UserVoices().GetUserVoice(4, UserBank::VBank)->SetElementOn(e, true);
  const VoiceLookup found = FindVoice(5, 63, 0, model);
  EXPECT_EQ(found.name, "UVox 05");
  EXPECT_EQ(found.elements, 2);
  EXPECT_EQ(FindVoice(4, 63, 0, model).elements, 0) << "a neighbouring slot is not affected";

  PartRecord& record = *model.Parts().Record(2);
  record[part_address::kBankMsb] = 63;
  record[part_address::kBankLsb] = 0;
  record[part_address::kProgram] = 4;
  const std::span<const PartRecord> parts(model.Parts().Record(0),
                                          static_cast<std::size_t>(model.Parts().Count()));
  EXPECT_EQ(ChannelVoiceName(parts, 2, model).name, "UVox 05");
  EXPECT_EQ(ChannelVoiceName(parts, 2, model).elements, 2);
  EXPECT_EQ(ChannelBankTypeName(parts, 2), "User");
}

}  // namespace
}  // namespace ravlo
