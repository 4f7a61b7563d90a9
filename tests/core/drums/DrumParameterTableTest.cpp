#include <gtest/gtest.h>

#include "drums/DrumParameterTable.h"

namespace ravlo {
namespace {

TEST(DrumParameterTable, NamesGroupsRecordOrderDisplayAndBadAddresses) {
  EXPECT_EQ(DrumParameterName(0x01), "Pitch_Fine+/-");
  EXPECT_EQ(DrumParameterName(0x0C), "Flt_Resonce");
  EXPECT_EQ(FindDrumParameter(0x00)->label, "Pitch Crs");
  EXPECT_EQ(FindDrumParameter(0x09)->label, "Rcv N. Off");
  // The note group is the kit-dependent six and sits after the common group in a record.
  for (int address = 0; address < 16; ++address) {
    const bool noteGroup = (address >= 0x02 && address <= 0x06) || address == 0x09;
    EXPECT_EQ(IsDrumNoteGroupAddress(address), noteGroup) << address;
    EXPECT_EQ(DrumRecordPosition(address) >= 10, noteGroup) << address;
    EXPECT_EQ(DrumRecordAddress(DrumRecordPosition(address)), address);
  }
  for (int address : {-1, 0x10}) {
    EXPECT_EQ(FindDrumParameter(address), nullptr);
    EXPECT_EQ(DrumParameterName(address), "");
    EXPECT_EQ(DrumRecordPosition(address), -1);
    EXPECT_EQ(DrumRecordAddress(address), -1);
    EXPECT_FALSE(IsDrumNoteGroupAddress(address));
  }
  // Every shown range maps into the data bytes; the signed ones are centred on 64.
  for (const ParameterDescriptor& parameter : kDrumParameters) {
    SCOPED_TRACE(parameter.reviewName);
    EXPECT_GE(parameter.Stored(parameter.minimum), 0);
    EXPECT_LE(parameter.Stored(parameter.maximum), 127);
    EXPECT_EQ(parameter.shownAs == ShownAs::Centred, parameter.minimum < 0);
    EXPECT_EQ(parameter.defaultFrom == DefaultFrom::KitTables,
              IsDrumNoteGroupAddress(parameter.address));
    EXPECT_FALSE(parameter.name.empty());
  }
  const ParameterDescriptor& coarse = *FindDrumParameter(0x00);  // Pitch Crs: -64 .. 63
  EXPECT_EQ(coarse.Shown(0x40), 0);
  EXPECT_EQ(coarse.Shown(0x00), -64);
  EXPECT_EQ(coarse.Stored(63), 0x7F);
  EXPECT_EQ(FindDrumParameter(0x02)->Shown(100), 100);
}

}  // namespace
}  // namespace ravlo
