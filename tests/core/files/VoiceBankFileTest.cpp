#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <vector>

#include "files/VoiceBankFile.h"
#include "support/Bytes.h"
#include "support/ScratchDirectory.h"
#include "support/TypedIndices.h"

namespace ravlo::test {
namespace {

namespace fs = std::filesystem;
using Image = std::vector<std::uint8_t>;

constexpr std::size_t kSwitches = 0x0880 + 11;  // voice v's element switches: + 61 * v
constexpr std::size_t kOwnerTable = 0x7E80;

// A bank in which no record has an owner; element record k holds k & 0x7F.
Image EmptyBank() {
  Image image(kVoiceBankFileSize, 0);
  std::copy_n("YQ3VIC     V1.00", 16, image.begin());
  for (std::size_t k = 0; k < kVoiceBankElementRecordCount; ++k) {
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(0x2700 + 80 * k), 80, k & 0x7F);
    image[kOwnerTable + k] = 0xFF;
  }
  return image;
}

// The record byte filling each slot, -1 for the default element.
std::vector<int> Slots(const UserVoice& voice) {
  std::vector<int> records;
  for (int slot = 0; slot < 4; ++slot) {
    const UserVoiceElement& e = *voice.Element(slot);
    records.push_back(e == DefaultUserVoiceElement() ? -1 : e.front() == e.back() ? e[0] : -2);
  }
  return records;
}

TEST(VoiceBankFile, ReadConvertedAndWrittenWithAFailedOutputStoppingNoOther) {
  ScratchDirectory dir{"ravlo-voicebank-conversion"};
  Image image = EmptyBank();
  EXPECT_TRUE(IsVoiceBankFile(image));
  EXPECT_FALSE(IsVoiceBankFile(std::span(image).first(kVoiceBankFileSize - 1)));
  image[10] = 'X';
  EXPECT_FALSE(IsVoiceBankFile(image));
  image[kSwitches + 61 * 5] = 0b0101;
  image[kOwnerTable + 7] = image[kOwnerTable + 9] = 5;
  image[kSwitches + 61 * 6] = 0b1000;  // more records than switched-on slots
  image[kOwnerTable + 3] = image[kOwnerTable + 4] = 6;
  image[kSwitches + 61 * 127] = 0b0001;
  image[kOwnerTable + 279] = 127;
  const std::vector<UserVoice> voices = ReadVoiceBankVoices(image);
  ASSERT_EQ(voices.size(), 128u);
  EXPECT_EQ(Slots(voices[5]), (std::vector{7, -1, 9, -1}));
  EXPECT_EQ(Slots(voices[6]), (std::vector{-1, -1, -1, 3}));
  EXPECT_EQ(Slots(voices[127]), (std::vector{279 & 0x7F, -1, -1, -1}));
  EXPECT_EQ(voices[127].VoiceNumber(), 127);
  EXPECT_TRUE(ReadVoiceBankVoices({}).empty());

  // The images hold thirty-two dumps each, addressed by position.
  image = EmptyBank();
  image[0x0880 + 61 * 70] = 'Q';  // file 2, voice number 6
  const auto images = BuildVoiceBankImages(image, UnitAt(3));
  ASSERT_TRUE(images);
  for (const Image& out : *images) {
    ASSERT_EQ(out.size(), 12544u);
    for (int j = 0; j < 32; ++j) {
      const auto dump = out.begin() + 392 * j;
      EXPECT_EQ(Image(dump, dump + 9), Bytes({0xF0, 0x43, 0x03, 0x4B, 0x02, 0x7D, 0x11, j, 0x00}));
      EXPECT_EQ(std::accumulate(dump + 4, dump + 391, 0u) % 128, 0u);
      EXPECT_EQ(dump[391], 0xF7);
    }
  }
  EXPECT_EQ((*images)[2][392 * 6 + 9], 'Q');
  EXPECT_FALSE(BuildVoiceBankImages(Image(kVoiceBankFileSize - 1), UnitAt(0)));
  // Any content of the right size converts: owners of 128 and above own nothing.
  EXPECT_TRUE(BuildVoiceBankImages(Image(kVoiceBankFileSize, 0xC5), UnitAt(0)));

  // Outputs replace the extension; a failed one does not stop the others.
  EXPECT_EQ(VoiceBankOutputPath("/d/v1.0/my.bank.q3v", 1), "/d/v1.0/my.bank1.syx");
  EXPECT_EQ(VoiceBankOutputPath("/d/v1.0/bank", 2), "/d/v1.0/bank2.syx");
  EXPECT_EQ(VoiceBankOutputPath("b.q3v", 4) + VoiceBankOutputPath("b.q3v", -1), "");

  fs::create_directories(dir.Path() / "bank1.syx" / "inside");  // cannot be replaced by a file
  const std::string bank = dir.File("bank.q3v");
  EXPECT_FALSE(ConvertVoiceBank(Image(100), bank, UnitAt(0)).built);
  EXPECT_FALSE(fs::exists(dir.Path() / "bank0.syx"));
  const VoiceBankConversion conversion = ConvertVoiceBank(EmptyBank(), bank, UnitAt(0));
  EXPECT_EQ(conversion.errors.size(), 1u);
  EXPECT_EQ(conversion.written, (std::array<bool, 4>{true, false, true, true}));
  EXPECT_EQ(fs::file_size(dir.Path() / "bank3.syx"), 12544u);
}

}  // namespace
}  // namespace ravlo::test
