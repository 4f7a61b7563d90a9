#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "files/FileIo.h"
#include "files/VoiceBankFile.h"

namespace ravlo {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kCommonArea = 0x0880;
constexpr std::size_t kElementArea = 0x2700;
constexpr std::size_t kOwnerTable = 0x7E80;
constexpr std::uint8_t kNobody = 0xFF;

// A bank in which no record has an owner; each element record k is filled
// with the byte k & 0x7F so it can be recognised in a dump.
std::vector<std::uint8_t> EmptyBank() {
  std::vector<std::uint8_t> image(kVoiceBankFileSize, 0);
  std::memcpy(image.data(), "YQ3VIC     V1.00", 16);
  for (int k = 0; k < kVoiceBankElementRecordCount; ++k) {
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(kElementArea + 80 * k), 80,
                static_cast<std::uint8_t>(k & 0x7F));
    image[kOwnerTable + static_cast<std::size_t>(k)] = kNobody;
  }
  return image;
}

std::uint8_t& CommonByte(std::vector<std::uint8_t>& image, int voice, std::size_t byte) {
  return image[kCommonArea + 61 * static_cast<std::size_t>(voice) + byte];
}

void Own(std::vector<std::uint8_t>& image, int record, int voice) {
  image[kOwnerTable + static_cast<std::size_t>(record)] = static_cast<std::uint8_t>(voice);
}

bool HoldsRecord(const UserVoice& voice, int slot, int record) {
  const UserVoiceElement* element = voice.Element(slot);
  return element != nullptr && std::all_of(element->begin(), element->end(),
                                           [&](auto b) { return b == (record & 0x7F); });
}

bool IsDefault(const UserVoice& voice, int slot) {
  return *voice.Element(slot) == DefaultUserVoiceElement();
}

TEST(VoiceBankFile, RecognisedOnlyBySizeAndSignature) {
  std::vector<std::uint8_t> image = EmptyBank();
  EXPECT_TRUE(IsVoiceBankFile(image));
  EXPECT_FALSE(IsVoiceBankFile(std::span(image).first(kVoiceBankFileSize - 1)));
  image.push_back(0);
  EXPECT_FALSE(IsVoiceBankFile(image));
  image.pop_back();
  std::memcpy(image.data(), "YQ3VIC    V1.00 ", 16);  // four blanks
  EXPECT_FALSE(IsVoiceBankFile(image));
  EXPECT_FALSE(IsVoiceBankFile({}));
}

TEST(VoiceBankFile, OwnedRecordsFillSwitchedOnSlotsInOrder) {
  std::vector<std::uint8_t> image = EmptyBank();
  CommonByte(image, 5, 11) = 0b0101;
  Own(image, 7, 5);
  Own(image, 9, 5);
  // Voice 6 owns more records than it has switched-on slots.
  CommonByte(image, 6, 11) = 0b1000;
  Own(image, 3, 6);
  Own(image, 4, 6);
  // Voice 7 owns a record but has every slot off.
  Own(image, 10, 7);
  // A record owned by voice 127, the last in the table.
  CommonByte(image, 127, 11) = 0b0001;
  Own(image, 279, 127);

  const std::vector<UserVoice> voices = ReadVoiceBankVoices(image);
  ASSERT_EQ(voices.size(), 128u);
  EXPECT_TRUE(HoldsRecord(voices[5], 0, 7));
  EXPECT_TRUE(IsDefault(voices[5], 1));
  EXPECT_TRUE(HoldsRecord(voices[5], 2, 9));
  EXPECT_TRUE(IsDefault(voices[5], 3));

  EXPECT_TRUE(HoldsRecord(voices[6], 3, 3));
  for (int slot = 0; slot < 3; ++slot) EXPECT_TRUE(IsDefault(voices[6], slot));
  for (int slot = 0; slot < 4; ++slot) EXPECT_TRUE(IsDefault(voices[7], slot));
  EXPECT_TRUE(HoldsRecord(voices[127], 0, 279));
  for (int v = 0; v < 128; ++v) EXPECT_EQ(voices[static_cast<std::size_t>(v)].VoiceNumber(), v);
}

TEST(VoiceBankFile, ImagesHoldThirtyTwoDumpsEachAddressedByPosition) {
  std::vector<std::uint8_t> image = EmptyBank();
  CommonByte(image, 70, 0) = 'Q';  // file 2, voice number 6
  const auto images = BuildVoiceBankImages(image, 3);
  ASSERT_TRUE(images);
  for (int f = 0; f < 4; ++f) {
    const auto& out = (*images)[static_cast<std::size_t>(f)];
    ASSERT_EQ(out.size(), 12544u);
    for (int j = 0; j < 32; ++j) {
      const auto dump = out.begin() + 392 * j;
      EXPECT_TRUE(std::equal(dump, dump + 9,
                             std::begin({0xF0, 0x43, 0x03, 0x4B, 0x02, 0x7D, 0x11, j, 0x00})));
      EXPECT_EQ(std::accumulate(dump + 4, dump + 391, 0u) % 128, 0u);
      EXPECT_EQ(dump[391], 0xF7);
    }
  }
  EXPECT_EQ((*images)[2][392 * 6 + 9], 'Q');
}

TEST(VoiceBankFile, ImagesNeedTheBankSize) {
  EXPECT_FALSE(BuildVoiceBankImages(std::vector<std::uint8_t>(kVoiceBankFileSize - 1), 0));
  EXPECT_TRUE(ReadVoiceBankVoices({}).empty());
  // Any content of the right size converts: owners of 128 and above own nothing.
  const std::vector<std::uint8_t> noise(kVoiceBankFileSize, 0xC5);
  EXPECT_TRUE(BuildVoiceBankImages(noise, 0));
}

TEST(VoiceBankFile, OutputNamesReplaceTheExtension) {
  EXPECT_EQ(VoiceBankOutputPath("/data/bank.q3v", 0), "/data/bank0.syx");
  EXPECT_EQ(VoiceBankOutputPath("/data/bank.q3v", 3), "/data/bank3.syx");
  EXPECT_EQ(VoiceBankOutputPath("/data/my.bank.q3v", 1), "/data/my.bank1.syx");
  EXPECT_EQ(VoiceBankOutputPath("/data/v1.0/bank", 2), "/data/v1.0/bank2.syx");
  EXPECT_EQ(VoiceBankOutputPath("bank", 0), "bank0.syx");
  EXPECT_EQ(VoiceBankOutputPath("/data/bank.q3v", 4), "");
  EXPECT_EQ(VoiceBankOutputPath("/data/bank.q3v", -1), "");
}

class VoiceBankConversionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("ravlo-voicebank-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
};

TEST_F(VoiceBankConversionTest, WritesFourFilesBesideTheBank) {
  const std::string bank = (dir_ / "bank.q3v").string();
  const VoiceBankConversion conversion = ConvertVoiceBank(EmptyBank(), bank, 5);
  EXPECT_TRUE(conversion.built);
  EXPECT_TRUE(conversion.errors.empty());
  for (int f = 0; f < 4; ++f) {
    const fs::path expected = dir_ / ("bank" + std::to_string(f) + ".syx");
    EXPECT_EQ(conversion.paths[static_cast<std::size_t>(f)], expected.string());
    EXPECT_TRUE(conversion.written[static_cast<std::size_t>(f)]);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(expected.string(), bytes).ok);
    ASSERT_EQ(bytes.size(), 12544u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 9,
                           std::begin({0xF0, 0x43, 0x05, 0x4B, 0x02, 0x7D, 0x11, 0x00, 0x00})));
  }
}

TEST_F(VoiceBankConversionTest, AFailedFileDoesNotStopTheOthers) {
  // A directory in the way of the second output cannot be replaced by a file.
  fs::create_directories(dir_ / "bank1.syx" / "inside");
  const VoiceBankConversion conversion =
      ConvertVoiceBank(EmptyBank(), (dir_ / "bank.q3v").string(), 0);
  ASSERT_EQ(conversion.errors.size(), 1u);
  EXPECT_FALSE(conversion.errors[0].empty());
  EXPECT_EQ(conversion.written, (std::array<bool, 4>{true, false, true, true}));
  EXPECT_EQ(fs::file_size(dir_ / "bank3.syx"), 12544u);
}

TEST_F(VoiceBankConversionTest, AWrongSizeWritesNothing) {
  const VoiceBankConversion conversion =
      ConvertVoiceBank(std::vector<std::uint8_t>(100), (dir_ / "bank.q3v").string(), 0);
  EXPECT_FALSE(conversion.built);
  EXPECT_TRUE(fs::is_empty(dir_));
}

}  // namespace
}  // namespace ravlo
