#include <gtest/gtest.h>

#include <vector>

#include "drums/DrumKits.h"
#include "drums/DrumNoteRecord.h"

namespace ravlo {
namespace {

TEST(DrumNoteRecord, KitDefaultsAccessRoundTripsAndBadInput) {
  const std::optional<DrumNoteRecord> defaults = DrumNoteRecord::KitDefaults(2, 29);
  ASSERT_TRUE(defaults);
  const DrumNoteRecord::Bytes expected = {0x40, 0x40, 0x7F, 0x00, 0x01, 0x40, 0x40, 0x40, 0x40,
                                          0x40, 0x4F, 0x00, 0x40, 0x7F, 0x7F, 0x01, 0x03, 0x00};
  EXPECT_EQ(defaults->Raw(), expected);
  EXPECT_EQ(defaults->Parameters(), DrumNoteDefaultParameters(2, 29));
  // The kit word comes from the standard table in every kit.
  EXPECT_EQ(DrumNoteRecord::KitDefaults(kSfxKit1Mask, 36)->KitWord(), 0x07FB);
  EXPECT_EQ(DrumNoteRecord::KitDefaults(32, 36)->KitWord(), 0x07FB);

  DrumNoteRecord record;
  for (int address = 0; address < 16; ++address) {
    EXPECT_TRUE(record.SetParameter(address, static_cast<std::uint8_t>(address + 1)));
  }
  const DrumParameterBytes parameters = record.Parameters();
  for (int address = 0; address < 16; ++address) EXPECT_EQ(parameters[address], address + 1);
  DrumNoteRecord copy;
  ASSERT_TRUE(copy.SetParameters(parameters));
  EXPECT_EQ(copy, record);

  std::vector<std::uint8_t> buffer(kDrumNoteRecordSize + 1, 0xEE);
  ASSERT_TRUE(record.CopyTo(buffer));
  EXPECT_EQ(buffer.back(), 0xEE);
  EXPECT_EQ(DrumNoteRecord::FromBytes(buffer), record);

  // Bad input is refused and changes nothing.
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

}  // namespace
}  // namespace ravlo
