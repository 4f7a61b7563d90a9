#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/FileIo.h"
#include "files/PatchList.h"
#include "support/Bytes.h"
#include "support/ScratchDirectory.h"
#include "support/TypedIndices.h"

namespace ravlo::test {
namespace {

// A voice dump whose element 1 has wave `wave1` and element 4 wave `wave4`.
std::vector<std::uint8_t> Dump(std::string_view name, int switches, int wave1, int wave4 = 137) {
  UserVoice voice(0);
  voice.SetName(name);
  for (int slot = 0; slot < 4; ++slot) voice.SetElementOn(slot, (switches >> slot) & 1);
  for (const auto& [slot, wave] : {std::pair{0, wave1}, std::pair{3, wave4}}) {
    UserVoiceElement element = DefaultUserVoiceElement();
    element[0] = static_cast<std::uint8_t>(wave >> 7);
    element[1] = static_cast<std::uint8_t>(wave & 0x7F);
    voice.SetElement(slot, element);
  }
  const auto dump = voice.BuildDump(UnitAt(0), 0);
  return std::vector<std::uint8_t>(dump.begin(), dump.end());
}

TEST(PatchList, EachVoiceDumpGivesANumberedLineUnderItsFilesHeader) {
  ScratchDirectory dir{"ravlo-patchlist"};
  auto broken = Dump("Broken", 0b0001, 1);
  broken[5] = 0x7E;  // a count of 382 is not 61 + 80k
  auto oneElement = Dump("Short", 0b0001, 77);
  oneElement[4] = 0x01;  // a count of 141: common and element 1 only
  oneElement[5] = 0x0D;
  // An 18-byte system bulk dump and loose text take no number.
  const std::vector<std::uint8_t> systemBulk{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0, 0, 0,
                                             0,    0,    0,    0,    0,    0,    0, 0, 0xF7};
  UserVoice voice(0);
  EXPECT_EQ(ListVoiceDumps(
                Join(Dump("Pa\td\nX", 0b1001, 300), systemBulk, std::vector<std::uint8_t>{'t', 'x'},
                     Dump("Lead", 0b0111, 5, 16383), broken, oneElement),
                voice),
            "1\tPa d X    \t2\t300\t0\t0\t137\n"
            "2\tLead      \t3\t5\t0\t0\t16383\n"
            "3\t\n"
            "4\tShort     \t1\t77\t0\t0\t16383\n")
      << "control characters show blank; a short dump keeps earlier slots";
  EXPECT_EQ(ListVoiceDumps(UserVoice(3).BuildDump(UnitAt(0), 3), voice), "1\t\t0\t0\t0\t0\t0\n");

  // Each file numbers from one under its header, until one cannot be read.
  EXPECT_EQ(PatchListHeader("/x/a.syx"),
            std::string(70, '=') + "\n\t/x/a.syx\n" + std::string(70, '=') +
                "\n#\tPatch Name\t#Elm\tElm1\tElm2\tElm3\tElm4\n" + std::string(70, '-') + "\n");
  const auto write = [&](const char* name, const std::vector<std::uint8_t>& bytes) {
    EXPECT_TRUE(WriteWholeFile(dir.File(name), bytes).ok);
    return dir.File(name);
  };
  std::vector<std::uint8_t> bank;
  std::string expected;
  for (int j = 0; j < 32; ++j) {
    const std::string name = std::string("V").append(std::to_string(j));
    bank = Join(bank, Dump(name, 0b0001, j));
    expected += std::to_string(j + 1) + "\t" + name + std::string(10 - name.size(), ' ') + "\t1\t" +
                std::to_string(j) + "\t0\t0\t137\n";
  }
  const std::string first = write("a.syx", bank);
  const std::string second = write("b.syx", Dump("Other", 0b0011, 1000));
  const std::string missing = dir.File("missing.syx");
  const PatchListReport report =
      BuildPatchList({first, second, missing, write("c.syx", Dump("Three", 1, 3))});
  EXPECT_FALSE(report.complete);
  EXPECT_EQ(report.failedPath, missing);
  EXPECT_FALSE(report.error.empty());
  EXPECT_EQ(report.text, PatchListHeader(first) + expected + PatchListHeader(second) +
                             "1\tOther     \t2\t1000\t0\t0\t137\n");

  ASSERT_TRUE(WritePatchList(first, "1\tA\n\n2\tB\n").ok);
  ASSERT_TRUE(ReadWholeFile(first, bank).ok);
  EXPECT_EQ(std::string(bank.begin(), bank.end()), "1\tA\r\n\r\n2\tB\r\n");
  EXPECT_FALSE(WritePatchList((dir.Path() / "absent" / "list.txt").string(), "x\n").ok);
}

}  // namespace
}  // namespace ravlo::test
