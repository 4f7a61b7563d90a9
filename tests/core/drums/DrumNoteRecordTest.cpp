#include <gtest/gtest.h>

#include <vector>

#include "drums/DrumKits.h"
#include "drums/DrumNoteRecord.h"

namespace ravlo {
namespace {

TEST(DrumNoteRecord, KitDefaultsLaidOutInRecordOrder) {
  const std::optional<DrumNoteRecord> record = DrumNoteRecord::KitDefaults(2, 29);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Parameter(0x02), 0x4F);
  EXPECT_EQ(record->Parameter(0x09), 0x01);
  EXPECT_EQ(record->Parameter(0x07), 0x7F);
  const DrumNoteRecord::Bytes expected = {0x40, 0x40, 0x7F, 0x00, 0x01, 0x40, 0x40, 0x40, 0x40,
                                          0x40, 0x4F, 0x00, 0x40, 0x7F, 0x7F, 0x01, 0x03, 0x00};
  EXPECT_EQ(record->Raw(), expected);
  EXPECT_EQ(record->KitWord(), 0x0003);
  EXPECT_EQ(record->Parameters(), DrumNoteDefaultParameters(2, 29));
}

TEST(DrumNoteRecord, KitWordComesFromTheStandardTableInEveryKit) {
  EXPECT_EQ(DrumNoteRecord::KitDefaults(kSfxKit1Mask, 36)->KitWord(), 0x07FB);
  EXPECT_EQ(DrumNoteRecord::KitDefaults(32, 36)->KitWord(), 0x07FB);
}

TEST(DrumNoteRecord, ParameterAccessByAddress) {
  DrumNoteRecord record;
  for (int address = 0; address < 16; ++address) {
    EXPECT_TRUE(record.SetParameter(address, static_cast<std::uint8_t>(address + 1)));
  }
  const DrumParameterBytes parameters = record.Parameters();
  for (int address = 0; address < 16; ++address) EXPECT_EQ(parameters[address], address + 1);
  EXPECT_EQ(record.Raw()[2], 0x08);  // address 07 sits third

  DrumNoteRecord copy;
  ASSERT_TRUE(copy.SetParameters(parameters));
  EXPECT_EQ(copy, record);
}

TEST(DrumNoteRecord, RefusesBadInput) {
  DrumNoteRecord record = *DrumNoteRecord::KitDefaults(kStandardKitMask, 36);
  const DrumNoteRecord before = record;
  EXPECT_EQ(record.Parameter(-1), 0xFF);
  EXPECT_EQ(record.Parameter(0x10), 0xFF);
  EXPECT_FALSE(record.SetParameter(0x10, 0));
  EXPECT_FALSE(record.SetParameters(std::vector<std::uint8_t>(15, 0)));
  EXPECT_FALSE(record.ResetToKitDefaults(kStandardKitMask, 12));
  EXPECT_EQ(record, before);
  EXPECT_FALSE(DrumNoteRecord::KitDefaults(kStandardKitMask, 92));

  std::vector<std::uint8_t> shortBuffer(17);
  EXPECT_FALSE(DrumNoteRecord::FromBytes(shortBuffer));
  EXPECT_FALSE(record.CopyTo(shortBuffer));
}

TEST(DrumNoteRecord, BytesRoundTrip) {
  const DrumNoteRecord record = *DrumNoteRecord::KitDefaults(16, 78);
  std::vector<std::uint8_t> buffer(kDrumNoteRecordSize + 1, 0xEE);
  ASSERT_TRUE(record.CopyTo(buffer));
  EXPECT_EQ(buffer.back(), 0xEE);
  EXPECT_EQ(DrumNoteRecord::FromBytes(buffer), record);
}

}  // namespace
}  // namespace ravlo
