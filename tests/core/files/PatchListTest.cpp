#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "files/FileIo.h"
#include "files/PatchList.h"

namespace ravlo {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const std::string kRule(70, '=');
const std::string kDash(70, '-');

// A voice dump whose element 1 has wave `wave1` and element 4 wave `wave4`.
Bytes Dump(std::string_view name, int switches, int wave1, int wave4 = 137) {
  UserVoice voice(0);
  voice.SetName(name);
  for (int slot = 0; slot < 4; ++slot) voice.SetElementOn(slot, (switches >> slot) & 1);
  for (const auto& [slot, wave] : {std::pair{0, wave1}, std::pair{3, wave4}}) {
    UserVoiceElement element = DefaultUserVoiceElement();
    element[0] = static_cast<std::uint8_t>(wave >> 7);
    element[1] = static_cast<std::uint8_t>(wave & 0x7F);
    voice.SetElement(slot, element);
  }
  const auto dump = voice.BuildDump(0, 0);
  return Bytes(dump.begin(), dump.end());
}

void Append(Bytes& bytes, std::span<const std::uint8_t> more) {
  bytes.insert(bytes.end(), more.begin(), more.end());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(PatchList, HeaderHasRulesOfSeventyAndTheColumnTitles) {
  EXPECT_EQ(PatchListHeader("/x/a.syx"), kRule + "\n\t/x/a.syx\n" + kRule +
                                             "\n#\tPatch Name\t#Elm\tElm1\tElm2\tElm3\tElm4\n" +
                                             kDash + "\n");
}

TEST(PatchList, EachDumpGivesANumberedLine) {
  UserVoice voice(0);
  Bytes file;
  Append(file, Dump("Pad", 0b1001, 300));
  // A system bulk dump is not a voice dump and takes no number.
  Append(file, Bytes{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0, 0, 0, 0, 0, 0, 0,
                     0x00, 0xF7});
  file.insert(file.end(), {'t', 'e', 'x', 't'});
  Append(file, Dump("Lead", 0b0111, 5, 9));
  EXPECT_EQ(ListVoiceDumps(file, voice),
            "1\tPad       \t2\t300\t0\t0\t137\n"
            "2\tLead      \t3\t5\t0\t0\t9\n");
}

TEST(PatchList, UnparsedDumpKeepsItsNumberAndAShortDumpKeepsEarlierSlots) {
  UserVoice voice(0);
  Bytes file;
  Append(file, Dump("First", 0b1111, 200, 16383));
  auto broken = Dump("Broken", 0b0001, 1);
  broken[5] = 0x7E;  // a count of 382 is not 61 + 80k
  Append(file, broken);
  auto oneElement = Dump("Short", 0b0001, 77);
  oneElement[4] = 0x01;  // a count of 141: common and element 1 only
  oneElement[5] = 0x0D;
  Append(file, oneElement);
  EXPECT_EQ(ListVoiceDumps(file, voice),
            "1\tFirst     \t4\t200\t0\t0\t16383\n"
            "2\t\n"
            "3\tShort     \t1\t77\t0\t0\t16383\n");
}

TEST(PatchList, AnEmptyNameAndOtherLengthsGiveNothingBeyondTheNumber) {
  UserVoice voice(0);
  EXPECT_EQ(ListVoiceDumps(UserVoice(3).BuildDump(0, 3), voice), "1\t\t0\t0\t0\t0\t0\n");
  EXPECT_EQ(ListVoiceDumps(Bytes{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}, voice), "");
  EXPECT_EQ(ListVoiceDumps({}, voice), "");
}

class PatchListFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("ravlo-patchlist-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = (dir_ / name).string();
    EXPECT_TRUE(WriteWholeFile(path, bytes).ok);
    return path;
  }

  fs::path dir_;
};

TEST_F(PatchListFiles, EachFileHasItsHeaderAndNumbersFromOne) {
  Bytes bank;
  for (int j = 0; j < 32; ++j) Append(bank, Dump(std::string("V").append(std::to_string(j)), 0b0001, j));
  const std::string first = Write("a.syx", bank);
  const std::string second = Write("b.syx", Dump("Other", 0b0011, 1000));
  const PatchListReport report = BuildPatchList({first, second});
  EXPECT_TRUE(report.complete);
  const auto lines = Lines(report.text);
  ASSERT_EQ(lines.size(), 5u + 32u + 5u + 1u);
  EXPECT_EQ(lines[1], "\t" + first);
  for (int j = 0; j < 32; ++j) {
    EXPECT_EQ(lines[5 + static_cast<std::size_t>(j)],
              std::to_string(j + 1) + "\tV" + std::to_string(j) + std::string(j < 10 ? 8 : 7, ' ') +
                  "\t1\t" + std::to_string(j) + "\t0\t0\t" + "137");
  }
  EXPECT_EQ(lines[38], "\t" + second);
  EXPECT_EQ(lines[42], "1\tOther     \t2\t1000\t0\t0\t137");
}

TEST_F(PatchListFiles, AnUnreadableFileEndsTheReading) {
  const std::string first = Write("a.syx", Dump("One", 1, 1));
  const std::string missing = (dir_ / "missing.syx").string();
  const std::string third = Write("c.syx", Dump("Three", 1, 3));
  const PatchListReport report = BuildPatchList({first, missing, third});
  EXPECT_FALSE(report.complete);
  EXPECT_EQ(report.failedPath, missing);
  EXPECT_FALSE(report.error.empty());
  EXPECT_EQ(report.text, PatchListHeader(first) + "1\tOne       \t1\t1\t0\t0\t137\n");
}

TEST_F(PatchListFiles, WrittenWithCrLf) {
  const std::string path = (dir_ / "list.txt").string();
  ASSERT_TRUE(WritePatchList(path, "1\tA\n2\tB\n").ok);
  Bytes bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes).ok);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "1\tA\r\n2\tB\r\n");
  EXPECT_EQ(WithCrLf("a\n\nc"), "a\r\n\r\nc");
  EXPECT_FALSE(WritePatchList((dir_ / "absent" / "list.txt").string(), "x\n").ok);
}

}  // namespace
}  // namespace ravlo

namespace ravlo {
namespace {

TEST(PatchListNames, ControlCharactersInANameShowAsBlanks) {
  UserVoice source(0);
  UserVoiceCommon common{};
  const char name[] = "Tab\tLine\nX";
  std::copy(name, name + 10, common.begin());
  source.SetCommon(common);
  const auto dump = source.BuildDump(0, 0);
  UserVoice reader(0);
  const std::string lines = ListVoiceDumps(dump, reader);
  EXPECT_EQ(lines.substr(0, 13), "1\tTab Line X\t");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1);
}

}  // namespace
}  // namespace ravlo
