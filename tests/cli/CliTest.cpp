#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "OutputFullReport.h"
#include "files/FileIo.h"
#include "support/Bytes.h"
#include "support/ScratchDirectory.h"

namespace ravlo {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

struct CliRun {
  int status = 0;
  std::string out;
  std::string err;
};

CliRun Cli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

// A run that must succeed.
CliRun Ok(const std::vector<std::string>& args) {
  CliRun run = Cli(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string LineStarting(const std::string& text, const std::string& start) {
  for (const std::string& line : Lines(text)) {
    if (line.rfind(start, 0) == 0) return line;
  }
  return {};
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(ReadWholeFile(path, bytes).ok) << path;
  return bytes;
}

struct CliTest : ::testing::Test {
  const test::ScratchDirectory dir{"ravlo-cli"};
  const fs::path& directory = dir.Path();
};

TEST_F(CliTest, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> usageErrors = {
      {},
      {"bogus"},
      {"state", "--frobnicate"},
      {"state", "--unit", "16"},
      {"save", "--categories", "system,bogus", "-o", "x"},
      {"save"},  // save needs -o
      {"scan"},
      {"state", "--model", "large"},
      {"identify", "--load", "a.syx"},
      {"receive"},  // no output file
      {"receive", "-o", "x.syx", "--timeout", "0"},
      {"receive", "-o", "x.syx", "--in-port", "-3"},
      {"receive", "-o", "x.syx", "--load", "a.syx"},
      {"serve", "--name", ""},
      {"serve", "--song", "song.mid"},  // a song is the editor's
  };
  for (const auto& args : usageErrors) {
    SCOPED_TRACE(args.empty() ? "" : args[0] + " " + std::to_string(args.size()));
    EXPECT_EQ(Cli(args).status, 2);
  }
  Ok({"--help"});
  EXPECT_EQ(Ok({"--version"}).out.rfind("ravlo-cli 1.", 0), 0u);
}

TEST(OutputFullReport, SaysAtMostOneLineASecondWithTheCountSinceTheLast) {
  using namespace std::chrono_literals;
  OutputFullReport report;
  const OutputFullReport::Clock::time_point start{};
  EXPECT_EQ(report.Add(0, start), std::nullopt);
  EXPECT_EQ(report.Add(1, start),
            "ravlo-cli: the output had no room 1 time; answers waited or were dropped");
  EXPECT_EQ(report.Add(5, start + 400ms), std::nullopt);
  EXPECT_EQ(report.Add(2, start + 999ms), std::nullopt);
  EXPECT_EQ(report.Add(0, start + 1s),
            "ravlo-cli: the output had no room 7 times; answers waited or were dropped");
}

TEST_F(CliTest, PortsListsTheMonitorLastAmongTheOutputsAndAmongTheInputs) {
  const CliRun run = Ok({"ports"});
  EXPECT_NE(run.out.find(": Ravlo Monitor\ninputs:\n"), std::string::npos) << run.out;
  EXPECT_TRUE(run.out.ends_with(": Ravlo Monitor\n")) << run.out;
}

TEST_F(CliTest, ShowListsWhatDiffersFromTheDefaultsInBlockOrder) {
  // Written out of block order on purpose: the listing puts it back in order.
  const std::string path = dir.Put(
      "edits.syx", test::Join(test::PartChange(2, 0x0E, 0x01), test::EffectChange(0x02, {30}),
                              test::SystemChange(0x06, {0x42}),
                              Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x04, 0x00, 0xF7})));
  const CliRun run = Ok({"show", "--load", path});
  EXPECT_EQ(Lines(run.out), (std::vector<std::string>{
                                "system: Transpose = 66 (+2 semitones)",
                                "reverb: Time = 30 (3.3 s)",
                                "part 3: Pan = 1 (L63)",
                                "drum 1 note 36: Pan = 0 (Random)",
                                // The channel follows the one part that plays on it.
                                "channel 3: Pan = 1 (L63)",
                            }));
}

TEST_F(CliTest, TheExtendedModelHoldsShowsStatesAndReadsBackTheLaterBlocks) {
  const std::string path = dir.Put(
      "later.syx", test::Join(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x03, 0x01, 0x00, 0x49, 0x00, 0xF7}),
                              Bytes({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x40, 0x01, 0x46, 0xF7})));
  const CliRun show = Ok({"show", "--model", "extended", "--load", path});
  EXPECT_EQ(Lines(show.out), (std::vector<std::string>{"insertion 2: Type = 9344 (Distortion)",
                                                       "multi eq: Gain 1 = 70 (+6 dB)"}));
  const CliRun state = Cli({"state", "--model", "extended", "--load", path});
  EXPECT_EQ(LineStarting(state.out, "insertion 2: "),
            "insertion 2: 49 00 | 40 20 72 53 48 255 43 74 10 127 120 255 255 255 255 255 | 7F 40 "
            "40 40 40 40");
  EXPECT_EQ(LineStarting(Ok({"identify"}).out, "model: "), "model: basic");
  Ok({"receive", "--model", "extended", "-o", dir.File("received.syx")});
  const CliRun back = Cli({"scan", dir.File("received.syx")});
  EXPECT_NE(back.out.find(" 4C 00 15 02 40 00 "), std::string::npos) << "read back with the rest";
}

TEST_F(CliTest, ReceiveFromTheMonitorWritesWhatSaveBulkWritesOfTheDefaultsOrNothing) {
  Ok({"receive", "-o", dir.File("received.syx")});
  Ok({"save", "-o", dir.File("saved.syx"), "--bulk",
      "reset,system,reverb,chorus,variation,part,drum1,drum2"});
  EXPECT_EQ(ReadBytes(dir.File("received.syx")), ReadBytes(dir.File("saved.syx")));

  // What they cannot use, receive and serve refuse.
  const CliRun noPort = Cli({"receive", "-o", dir.File("x.syx"), "--in-port", "999"});
  EXPECT_EQ(noPort.status, 1);
  EXPECT_NE(noPort.err.find("cannot open MIDI input port 999"), std::string::npos);
  EXPECT_FALSE(fs::exists(directory / "x.syx"));
  const CliRun missing = Cli({"serve", "--load", dir.File("absent.syx")});
  EXPECT_EQ(missing.status, 1) << "the files are read before any port is made";
  EXPECT_TRUE(missing.out.empty()) << "never ready";
}

TEST_F(CliTest, StatePrintsEveryItemOfTheModelAndReportsWhatIsNotXg) {
  const std::string path = dir.Put("volume.syx", test::PartChange(3, 0x0B, 0x50));
  const CliRun run = Ok({"state", "--load", path});
  EXPECT_EQ(Lines(run.out).size(), 1u + 3 + 16 + 2 + 2 * 79 + 16 + 32);
  EXPECT_EQ(LineStarting(run.out, "system:"), "system: 00 04 00 00 7F 00 40");
  EXPECT_EQ(LineStarting(run.out, "part 4:").substr(0, 43),
            "part 4: 02 00 00 00 03 01 01 00 40 08 00 50");
  EXPECT_EQ(LineStarting(run.out, "reverb 1:").substr(0, 27), "reverb 1: 01 00 12 0A 08 0D");
  EXPECT_EQ(LineStarting(run.out, "variation 20:").substr(0, 32),
            "variation 20: 3330 1670 5000 500");
  EXPECT_EQ(LineStarting(run.out, "drumkit 1:"), "drumkit 1: 7F 00 00");
  EXPECT_EQ(LineStarting(run.out, "channel 4:"),
            "channel 4: 00 01 00 | 50 7F 40 00 28 00 00 40 40 40 40")
      << "the channel tables follow the parts after a load";
  EXPECT_NE(LineStarting(run.out, "drum 2 91:"), "");

  // Several files merge with one reset before the first.
  const std::string second = dir.Put("b.syx", test::SystemChange(0x06, {0x41}));
  const CliRun merged = Ok({"state", "--load", path, "--load", second});
  EXPECT_EQ(LineStarting(merged.out, "system:"), "system: 00 04 00 00 7F 00 41");
  EXPECT_EQ(LineStarting(merged.out, "part 4:").substr(41, 2), "50");

  // What is not XG is reported, or stored when asked.
  const std::string odd =
      dir.Put("odd.syx", Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7}));
  const CliRun reported = Ok({"state", "--load", odd});
  EXPECT_NE(reported.err.find("There were 11 bytes in 1 messages unrecognized."),
            std::string::npos);
  EXPECT_FALSE(fs::exists(directory / "RavloError.syx"));
  Ok({"state", "--load", odd, "--store-unrecognized"});
  EXPECT_EQ(fs::file_size(directory / "RavloError.syx"), 11u);
}

TEST_F(CliTest, SaveWritesWhatOpensToTheSameState) {
  const std::string edits = dir.Put(
      "edits.syx",
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7, 0xF0, 0x43, 0x10, 0x4C, 0x02,
             0x01, 0x00, 0x02, 0x00, 0xF7, 0xF0, 0x43, 0x10, 0x4C, 0x31, 40,   0x02, 0x05, 0xF7}));
  const std::string saved = dir.File("saved.syx");
  Ok({"save", "-o", saved, "--load", edits});
  EXPECT_EQ(Cli({"state", "--load", saved}).out, Cli({"state", "--load", edits}).out);

  const std::string bulk = dir.File("bulk.syx");
  Ok({"save", "-o", bulk, "--load", edits, "--bulk", "part", "--categories", "part", "--unit",
      "3"});
  const std::vector<std::uint8_t> bytes = ReadBytes(bulk);
  ASSERT_EQ(bytes.size(), 16u * (52 + 74));
  EXPECT_EQ(bytes[2], 0x03) << "bulk dumps carry the unit number";
}

TEST_F(CliTest, ReviewAndScanPrintWhatAFileHolds) {
  const std::string path = dir.Put("volume.syx", test::SystemChange(0x04, {0x64}));
  const CliRun run = Ok({"review", "--load", path, "--categories", "reset,system"});
  EXPECT_EQ(run.out.rfind(path + "\n", 0), 0u);
  EXPECT_NE(run.out.find("Total Bytes:\t18\n"), std::string::npos);
  EXPECT_NE(run.out.find("002 - 09 Bytes\tSystem\tVolume\t100\t( 64 )h"), std::string::npos);

  // Scan: each message's offset, length and bytes.
  const std::string two =
      dir.Put("two.syx", Bytes({0x41, 0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7, 0xF0, 0x43, 0xF7}));
  EXPECT_EQ(Ok({"scan", two}).out, "1 6 F0 7E 7F 09 01 F7\n7 3 F0 43 F7\n");
}

TEST_F(CliTest, UnreadableFilesExitWithOneAndTheReason) {
  const CliRun run = Cli({"state", "--load", dir.File("missing.syx")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("No such file"), std::string::npos);
  EXPECT_EQ(Cli({"scan", dir.File("missing.syx")}).status, 1);
  EXPECT_EQ(Cli({"convert-q3v", dir.Put("small.q3v", Bytes({1, 2, 3}))}).status, 1);
  // What is no file is refused at once: a FIFO without a writer would never end.
  const std::string fifo = dir.File("pipe.syx");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const char* command : {"state", "scan"}) {
    const CliRun refused = Cli({command, fifo});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "ravlo-cli: " + fifo + " is not a regular file.\n");
  }
}

TEST_F(CliTest, ConvertAndListQs300Voices) {
  std::vector<std::uint8_t> bank(32768, 0);
  const std::string header = "YQ3VIC     V1.00";
  std::copy(header.begin(), header.end(), bank.begin());
  const std::string path = dir.Put("bank.q3v", bank);
  // Commands that read take nothing in from a bank and write nothing.
  Ok({"state", path});
  EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 1);
  const CliRun converted = Ok({"convert-q3v", path, "--unit", "2"});
  const auto outputs = Lines(converted.out);
  ASSERT_EQ(outputs.size(), 4u);
  EXPECT_EQ(outputs[0], dir.File("bank0.syx"));
  // Converting again replaces nothing unless told to.
  const CliRun again = Cli({"convert-q3v", path});
  EXPECT_EQ(again.status, 1);
  EXPECT_EQ(again.err, "ravlo-cli: " + outputs[0] + " exists already; --force replaces it\n");
  EXPECT_EQ(Cli({"convert-q3v", path, "--force"}).out, converted.out);

  // What the list says is the patch list's own test.
  const std::string report = dir.File("patches.txt");
  Ok({"patches", outputs[0], outputs[1], "-o", report});
  EXPECT_TRUE(fs::file_size(report) > 0);
  EXPECT_EQ(Lines(Cli({"patches", outputs[0]}).out).size(), 5u + 32u);
}

TEST_F(CliTest, SongsAndExtensionsOnTheCommandLine) {
  // A song: its display text by sysex, then a note. What a song sets up is the song intake's test.
  const std::string song = dir.Put(
      "song.mid", test::MidiFile(test::Join(Bytes({0x00, 0xF0, 0x09, 0x43, 0x10, 0x4C, 0x06, 0x00,
                                                   0x00, 'O', 'K', 0xF7, 0x00, 0x91, 60, 100}),
                                            test::kEndOfTrack)));

  const CliRun plain = Ok({"state", "--song", song});
  EXPECT_EQ(LineStarting(plain.out, "extension"), "");
  EXPECT_NE(plain.err.find("10 bytes in 1 messages unrecognized"), std::string::npos) << plain.err;

  const CliRun kept = Cli({"state", "--keep-extensions", "--song", song});
  EXPECT_EQ(LineStarting(kept.out, "extension"), "extension 06 00 00: 4F 4B");
  EXPECT_EQ(kept.err, "");

  const CliRun corrupt = Cli({"save", "-o", dir.File("out.syx"), "--song",
                              dir.Put("cut.mid", Bytes({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0}))});
  EXPECT_EQ(corrupt.status, 1);
  EXPECT_NE(corrupt.err.find("cannot be imported as a song"), std::string::npos) << corrupt.err;
  EXPECT_FALSE(fs::exists(directory / "out.syx"));
}

TEST_F(CliTest, RenderWritesAWaveOfTheSongOrNothingAtAll) {
  const std::string wav = dir.File("song.wav");
  // Half a second of middle C.
  const std::string song = dir.Put(
      "song.mid",
      test::MidiFile(Bytes({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00})));
  const std::string setup = dir.Put("setup.syx", test::PartChange(0, 0x0B, 0x40));
  struct Case {
    const char* name;
    std::vector<std::string> args;
    int status;
  };
  const Case failures[] = {
      {"no output", {"render", "--song", song}, 2},
      {"two songs", {"render", "--song", song, "--song", song, "-o", wav}, 2},
      {"a rate out of range", {"render", "--song", song, "--rate", "100", "-o", wav}, 2},
      {"no such SoundFont", {"render", "--song", song, "--soundfont", "/no.sf2", "-o", wav}, 1},
      {"no such song", {"render", "--song", "/nowhere.mid", "-o", wav}, 1},
      {"not a song", {"render", "--song", setup, "-o", wav}, 1},
      {"no such setup", {"render", "--load", "/nowhere.syx", "--song", song, "-o", wav}, 1},
  };
  for (const Case& c : failures) {
    SCOPED_TRACE(c.name);
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_FALSE(run.err.empty());
    EXPECT_FALSE(fs::exists(wav));
  }
  Ok({"render", "--load", setup, "--song", song, "--rate", "22050", "-o", wav});
  const std::vector<std::uint8_t> written = ReadBytes(wav);
  ASSERT_GT(written.size(), 44u + 4u * 22050 / 2) << "the note and its tail";
  EXPECT_EQ(std::string(written.begin(), written.begin() + 4), "RIFF");
  EXPECT_EQ(written[24] | written[25] << 8, 22050);
  EXPECT_TRUE(
      std::any_of(written.begin() + 44, written.end(), [](std::uint8_t b) { return b != 0; }));
}

}  // namespace
}  // namespace ravlo
