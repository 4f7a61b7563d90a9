#include <gtest/gtest.h>

#include "drums/DrumParameterTable.h"

namespace ravlo {
namespace {

TEST(DrumParameterTable, NamesAndLabelsByAddress) {
  EXPECT_EQ(DrumParameterName(0x00), "Pitch_Coarse");
  EXPECT_EQ(DrumParameterName(0x01), "Pitch_Fine+/-");
  EXPECT_EQ(DrumParameterName(0x0C), "Flt_Resonce");
  EXPECT_EQ(DrumParameterName(0x0F), "EG_Decay2");
  EXPECT_EQ(FindDrumParameter(0x00)->label, "Pitch Crs");
  EXPECT_EQ(FindDrumParameter(0x09)->label, "Rcv N. Off");
  EXPECT_EQ(FindDrumParameter(0x0C)->label, "Flt Res.");
}

TEST(DrumParameterTable, RefusesAddressesOutsideTheBlock) {
  EXPECT_EQ(FindDrumParameter(-1), nullptr);
  EXPECT_EQ(FindDrumParameter(0x10), nullptr);
  EXPECT_EQ(DrumParameterName(0x10), "");
  EXPECT_EQ(DrumRecordPosition(-1), -1);
  EXPECT_EQ(DrumRecordPosition(0x10), -1);
  EXPECT_EQ(DrumRecordAddress(-1), -1);
  EXPECT_EQ(DrumRecordAddress(16), -1);
  EXPECT_FALSE(IsDrumNoteGroupAddress(0x10));
}

TEST(DrumParameterTable, NoteGroupIsTheKitDependentSix) {
  for (int address = 0; address < 16; ++address) {
    const bool noteGroup = (address >= 0x02 && address <= 0x06) || address == 0x09;
    EXPECT_EQ(IsDrumNoteGroupAddress(address), noteGroup) << address;
  }
}

TEST(DrumParameterTable, CommonGroupFixedDefaults) {
  const std::array<std::pair<int, int>, 10> expected = {{{0x00, 0x40},
                                                         {0x01, 0x40},
                                                         {0x07, 0x7F},
                                                         {0x08, 0x00},
                                                         {0x0A, 0x01},
                                                         {0x0B, 0x40},
                                                         {0x0C, 0x40},
                                                         {0x0D, 0x40},
                                                         {0x0E, 0x40},
                                                         {0x0F, 0x40}}};
  for (const auto& [address, value] : expected) {
    EXPECT_EQ(FindDrumParameter(address)->fixedDefault, value) << address;
  }
}

TEST(DrumParameterTable, RecordOrderPutsCommonGroupFirst) {
  EXPECT_EQ(DrumRecordPosition(0x07), 2);
  EXPECT_EQ(DrumRecordPosition(0x0F), 9);
  EXPECT_EQ(DrumRecordPosition(0x02), 10);
  EXPECT_EQ(DrumRecordPosition(0x09), 15);
  for (int address = 0; address < 16; ++address) {
    EXPECT_EQ(DrumRecordAddress(DrumRecordPosition(address)), address);
  }
}

TEST(DrumParameterTable, DisplayTransformAndClamp) {
  const DrumDisplay minus64 = FindDrumParameter(0x00)->display;
  ASSERT_EQ(minus64, DrumDisplay::ByteMinus64);
  EXPECT_EQ(DrumByteFromDisplay(minus64, -64), 0x00);
  EXPECT_EQ(DrumByteFromDisplay(minus64, 63), 0x7F);
  EXPECT_EQ(DrumByteFromDisplay(minus64, -200), 0x00);
  EXPECT_EQ(DrumByteFromDisplay(minus64, 200), 0x7F);
  EXPECT_EQ(DrumDisplayValue(minus64, 0x40), 0);
  EXPECT_EQ(DrumDisplayValue(minus64, 0x00), -64);

  const DrumDisplay raw = FindDrumParameter(0x02)->display;
  ASSERT_EQ(raw, DrumDisplay::Byte);
  EXPECT_EQ(DrumByteFromDisplay(raw, 100), 100);
  EXPECT_EQ(DrumByteFromDisplay(raw, -1), 0);
  EXPECT_EQ(DrumByteFromDisplay(raw, 128), 127);
  EXPECT_EQ(DrumDisplayValue(raw, 0x7F), 127);
}

}  // namespace
}  // namespace ravlo
