#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "files/FileIo.h"
#include "files/PatchList.h"
#include "files/RecentFiles.h"
#include "files/SysexFile.h"
#include "files/VoiceBankFile.h"
#include "history/ModelImage.h"
#include "intake/SysexIntake.h"
#include "sendpass/SendChoices.h"
#include "sendpass/SendPass.h"
#include "support/Bytes.h"
#include "support/MemorySettings.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"
#include "support/ScratchDirectory.h"
#include "support/TypedIndices.h"

namespace ravlo::test {
namespace {

namespace fs = std::filesystem;

using Paths = std::vector<std::string>;

TEST(RecentFiles, TheLatestComesFirstOnceEightAreKeptAndTheTextKeepsTheOrder) {
  RecentFiles recent;
  recent.Add("/a.syx");
  recent.Add("/b.mid");
  recent.Add("/c.syx");
  EXPECT_EQ(recent.Paths(), (Paths{"/c.syx", "/b.mid", "/a.syx"}));
  recent.Add("/a.syx");
  EXPECT_EQ(recent.Paths(), (Paths{"/a.syx", "/c.syx", "/b.mid"})) << "moved up, not repeated";
  recent.Add("");
  EXPECT_EQ(recent.Paths().size(), 3u) << "no empty entry";
  EXPECT_TRUE(recent.Remove("/a.syx"));
  EXPECT_FALSE(recent.Remove("/a.syx"));
  EXPECT_EQ(recent.Paths(), (Paths{"/c.syx", "/b.mid"})) << "only that path is removed";

  // Eight are kept and the oldest falls off.
  recent = RecentFiles();
  for (int i = 1; i <= 9; ++i) recent.Add("/song" + std::to_string(i) + ".syx");
  ASSERT_EQ(recent.Paths().size(), RecentFiles::kLimit);
  EXPECT_EQ(RecentFiles::kLimit, 8u);
  EXPECT_EQ(recent.Paths().front(), "/song9.syx");
  EXPECT_EQ(recent.Paths().back(), "/song2.syx") << "song1 fell off";
  recent.Add("/song5.syx");
  EXPECT_EQ(recent.Paths().size(), 8u) << "a listed file moving up pushes none off";
  EXPECT_EQ(recent.Paths().back(), "/song2.syx");

  // The text keeps the order and drops what cannot be listed.
  recent = RecentFiles();
  recent.Add("/old dir/a b.syx");
  recent.Add("/x/ü.mid");
  recent.Add("/bad\nname.syx");
  EXPECT_EQ(recent.Paths().size(), 2u) << "a line break cannot be kept in the text";
  EXPECT_EQ(recent.ToText(), "/x/ü.mid\n/old dir/a b.syx");
  EXPECT_EQ(RecentFiles::FromText(recent.ToText()), recent);

  std::string stored = "\n/1\n/1\n\n";
  for (int i = 2; i <= 10; ++i) {
    stored += '/';
    stored += std::to_string(i);
    stored += '\n';
  }
  const RecentFiles read = RecentFiles::FromText(stored);
  EXPECT_EQ(read.Paths(), (Paths{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"}));
  EXPECT_TRUE(RecentFiles::FromText("").Paths().empty());
}

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

// A model with its file object, as the main window holds them.
struct FileRig : ModelRig {
  std::string Put(const std::string& name, const Image& bytes) {
    EXPECT_TRUE(WriteWholeFile(dir.File(name), bytes).ok);
    return dir.File(name);
  }
  const ScratchDirectory dir{"ravlo-file"};
  MemorySettings settings;
  RecordingProgress progress;
  CountingIntakeHost host;
  SysexIntake intake{model, prompts, progress, host};
  SysexFile file{model, intake, prompts, settings};
};
struct SysexFileTest : ::testing::Test, FileRig {};

TEST_F(SysexFileTest, OpeningStartsInTheRememberedDirectoryAndMovesIt) {
  const std::string path = Put("cut.syx", Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50,
                                                 0xF7, 0xF0, 0x43, 0x10, 0x4C, 0x08, 0x04, 0x0B}));
  settings.strings["SysexDir"] = "/remembered";
  {
    SysexFile other(model, intake, prompts, settings);
    EXPECT_FALSE(other.Open());
    EXPECT_TRUE(prompts.messages.empty()) << "a cancel says nothing";
    const FileDialogRequest& request = prompts.fileRequests.at(0);
    ASSERT_EQ(request.filters.size(), 5u);
    EXPECT_EQ(request.filters[4].pattern, "*.syx *.mid *.q3v") << "every kind it reads";
    EXPECT_EQ(request.initialDirectory, "/remembered");
    prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});
    ASSERT_TRUE(other.Open());
    EXPECT_EQ((*model.Parts().Record(PartAt(3)))[0x0B], 0x50) << "the message before the cut one";
    EXPECT_TRUE(other.PlainSysex());
    EXPECT_EQ(other.CurrentPath(), path);
  }
  EXPECT_EQ(settings.strings["SysexDir"], dir.Path().string());

  EXPECT_FALSE(file.Read(dir.File("missing.syx")));
  EXPECT_NE(prompts.messages.at(0).find("No such file"), std::string::npos);
  EXPECT_TRUE(file.CurrentPath().empty());
  prompts.fileChoices.push_back({FileChoice::Status::Failed, {}});
  EXPECT_FALSE(file.ChooseSaveName("Save As", "Untitled.syx"));
  EXPECT_EQ(prompts.messages.back(), "Error getting file name");
  EXPECT_EQ(prompts.fileRequests.back().defaultExtension, "syx");
}

TEST_F(SysexFileTest, AFileWithNothingToApplyIsSaidSoAndLeavesTheSynthesizerAlone) {
  const Image text{'h', 'e', 'l', 'l', 'o'};
  const Image quietSong = MidiFile(kEndOfTrack);
  for (const auto& [name, bytes] : {std::pair{"notes.txt", text}, {"quiet.mid", quietSong}}) {
    prompts.messages.clear();
    const std::string path = Put(name, bytes);
    ASSERT_TRUE(file.Read(path));
    EXPECT_EQ(prompts.messages,
              std::vector<std::string>{"The file " + path + " holds no XG data."});
  }
  EXPECT_EQ(host.resets, 0) << "no reset for a file that brings nothing";
  EXPECT_TRUE(Sent().empty());

  // Unrecognised messages alone bring nothing either: the reset stays unsent,
  // the usual question about them is what the user sees.
  prompts.messages.clear();
  prompts.answers.push_back(Answer::No);
  ASSERT_TRUE(file.Read(Put("foreign.syx", Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x00, 0xF7}))));
  EXPECT_EQ(host.resets, 0);
  EXPECT_EQ(prompts.questions.size(), 1u);

  ASSERT_TRUE(
      file.Read(Put("one.syx", Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x50, 0xF7}))));
  EXPECT_EQ(host.resets, 1) << "the reset goes just before the first message that applies";
}

TEST_F(SysexFileTest, VoiceBanksAndMidiFilesAreNotPlainSysex) {
  model.SetUnitNumber(UnitNumber::FromValue(5));
  Image bank(kVoiceBankFileSize, 0);
  const std::string start = "YQ3VIC     V1.00\xF0\x43\x10\x4C\x08\x03\x0B\x44\xF7";
  std::copy(start.begin(), start.end(), bank.begin());
  const std::string bankPath = Put("bank.q3v", bank);
  // A command that only reads writes nothing, and says so.
  file.SetVoiceBanks(SysexFile::VoiceBanks::LeaveAlone);
  ASSERT_TRUE(file.Read(bankPath));
  EXPECT_EQ(file.LastKind(), SysexFile::Kind::VoiceBank);
  EXPECT_FALSE(FileExists(dir.File("bank0.syx")));
  EXPECT_EQ(prompts.messages.back(), "The file " + bankPath +
                                         " is a QS300 voice bank: nothing of it was taken in, "
                                         "nothing written.");
  // The editor converts it, says which files it wrote, and asks before it replaces one.
  file.SetVoiceBanks(SysexFile::VoiceBanks::Convert);
  const std::string kept = Put("bank2.syx", Bytes({0xF0, 0xF7}));
  ASSERT_TRUE(file.Read(bankPath));
  EXPECT_EQ(prompts.questions.back(),
            "The voice bank's files exist already:\r\n" + kept + "\r\nReplace them?");
  EXPECT_FALSE(FileExists(dir.File("bank0.syx"))) << "answered No";
  prompts.answers.push_back(Answer::Yes);
  ASSERT_TRUE(file.Read(bankPath));
  EXPECT_TRUE(Sent().empty()) << "converted, not loaded";
  // What the four files hold is the conversion's own concern; here, the model's unit goes in.
  std::string written;
  for (int i = 0; i < 4; ++i) written += "\r\n" + dir.File("bank" + std::to_string(i) + ".syx");
  Image out;
  ASSERT_TRUE(ReadWholeFile(dir.File("bank3.syx"), out).ok);
  EXPECT_EQ(out.at(2), 0x05);
  EXPECT_EQ(prompts.messages.back(), "The voice bank was written to" + written);
  bank[0] = 'X';  // the right size with another header is plain sysex
  ASSERT_TRUE(file.Read(Put("other.q3v", bank)));
  EXPECT_EQ(file.LastKind(), SysexFile::Kind::PlainSysex);

  const Image midi = MidiFile(Bytes(
      {0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0B, 0x33, 0xF7, 0x00, 0xFF, 0x2F, 0x00}));
  ASSERT_TRUE(file.Read(Put("song.mid", midi)));
  EXPECT_EQ((*model.Parts().Record(PartAt(2)))[0x0B], 0x33);
  EXPECT_EQ(file.LastKind(), SysexFile::Kind::MidiFile) << "so Save may not write it back";
}

TEST_F(SysexFileTest, TheOpenDialogShowsTheFilterUsedLastAndSaveAsTheDocumentsName) {
  const std::string path = Put("song.mid", MidiFile(kEndOfTrack));
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}, "XG MIDI Files(*.mid)"});
  ASSERT_TRUE(file.Open());
  prompts.fileChoices.push_back({FileChoice::Status::Cancelled, {}, "Other (*.*)"});
  EXPECT_FALSE(file.Open());
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});  // no filter known
  ASSERT_TRUE(file.Open());
  EXPECT_FALSE(file.Open());
  ASSERT_EQ(prompts.fileRequests.size(), 4u);
  EXPECT_EQ(prompts.fileRequests[0].filter, "") << "the first filter at first";
  EXPECT_EQ(prompts.fileRequests[1].filter, "XG MIDI Files(*.mid)");
  EXPECT_EQ(prompts.fileRequests[2].filter, "XG MIDI Files(*.mid)") << "a cancel changes nothing";
  EXPECT_EQ(prompts.fileRequests[3].filter, "XG MIDI Files(*.mid)");

  // Save As offers the document's name as sysex.
  EXPECT_EQ(SysexFile::SuggestedSaveName(""), "Untitled.syx");
  EXPECT_EQ(SysexFile::SuggestedSaveName("/songs/intro.syx"), "intro.syx");
  EXPECT_EQ(SysexFile::SuggestedSaveName("/songs/intro.mid"), "intro.syx");
  EXPECT_EQ(SysexFile::SuggestedSaveName("/songs.v2/intro"), "intro.syx");
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {dir.File("new.syx")}});
  ASSERT_TRUE(file.ChooseSaveName("Save As", "intro.syx"));
  EXPECT_EQ(prompts.fileRequests.back().suggestedName, "intro.syx");
  EXPECT_EQ(file.CurrentPath(), dir.File("new.syx"));
}

TEST_F(SysexFileTest, AVoiceBankIsConvertedUnderTheNameGiven) {
  Image bank(kVoiceBankFileSize, 0);
  std::copy_n("YQ3VIC     V1.00", 16, bank.begin());
  const std::string bankPath = Put("bank.q3v", bank);
  EXPECT_TRUE(SysexFile::HoldsVoiceBank(bankPath));
  const std::string song = Put("song.syx", Bytes({0xF0, 0xF7}));
  EXPECT_FALSE(SysexFile::HoldsVoiceBank(song));
  EXPECT_FALSE(SysexFile::HoldsVoiceBank(dir.File("missing.q3v")));

  fs::create_directory(dir.Path() / "out");
  ASSERT_TRUE(file.ConvertVoiceBankTo(bankPath, dir.File("out/strings.syx")));
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(FileExists(dir.File("out/strings" + std::to_string(i) + ".syx"))) << i;
    EXPECT_FALSE(FileExists(dir.File("bank" + std::to_string(i) + ".syx"))) << "not beside it";
  }
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages.back().rfind("The voice bank was written to\r\n", 0), 0u);
  EXPECT_TRUE(Sent().empty()) << "nothing loaded";

  EXPECT_FALSE(file.ConvertVoiceBankTo(song, dir.File("x.syx")));
  EXPECT_EQ(prompts.messages.back(), "The file " + song + " is not a QS300 voice bank.");
  EXPECT_FALSE(file.ConvertVoiceBankTo(dir.File("missing.q3v"), dir.File("x.syx")));
  EXPECT_NE(prompts.messages.back().find("No such file"), std::string::npos);
  EXPECT_FALSE(file.ConvertVoiceBankTo(bankPath, dir.File("no/such/dir/x.syx")));
  EXPECT_FALSE(FileExists(dir.File("x0.syx")));
  EXPECT_FALSE(FileExists(dir.Path().string())) << "a directory is not a file";
}

TEST_F(SysexFileTest, OnlyRegularFilesWithinTheLimitAreReadAndNothingElseChanges) {
  const std::string fifo = dir.File("pipe.syx");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string large = Put("large.syx", PartChange(3, 0x0B, 0x50));
  fs::resize_file(large, kMaxReadSize + 1);  // sparse: nothing is written
  const struct {
    std::string path;
    std::string message;
  } refused[] = {{fifo, fifo + " is not a regular file."},  // would wait for a writer
                 {dir.Path().string(), dir.Path().string() + " is not a regular file."},
                 {"/dev/zero", "/dev/zero is not a regular file."},  // would never end
                 {large, large + " is too large to be read: no file of its kind has more than "
                                 "64 MiB."}};
  for (const auto& bad : refused) {
    SCOPED_TRACE(bad.path);
    prompts.messages.clear();
    EXPECT_FALSE(file.Read(bad.path));
    EXPECT_FALSE(file.ReadSong(bad.path));
    EXPECT_FALSE(SysexFile::HoldsVoiceBank(bad.path));
    EXPECT_EQ(prompts.messages, std::vector<std::string>(2, bad.message));
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(host.resets, 0);
  }
  Image untouched{1, 2, 3};
  EXPECT_FALSE(ReadWholeFile(large, untouched, kMaxReadSize).ok);
  EXPECT_EQ(untouched, Bytes({1, 2, 3}));
  EXPECT_TRUE(ReadWholeFile(large, untouched, kMaxReadSize + 1).ok);
  EXPECT_EQ(untouched.size(), kMaxReadSize + 1);
}

TEST_F(SysexFileTest, ASaveReplacesOnlyWhatItNamesAndKeepsItsModeAndLinks) {
  const Image old{0xF0, 0x01, 0xF7};
  const Image saved{0xF0, 0x02, 0xF7};
  const auto contents = [](const std::string& path) {
    Image bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes).ok) << path;
    return bytes;
  };
  const auto mode = [](const std::string& path) {
    return fs::status(path).permissions() & fs::perms::mask;
  };

  // A link planted where the old temporary file went leads nowhere now.
  const std::string target = Put("out.syx", old);
  const std::string victim = Put("victim", old);
  fs::create_symlink(victim, target + ".ravlo-tmp");
  ASSERT_TRUE(WriteWholeFile(target, saved).ok);
  EXPECT_EQ(contents(target), saved);
  EXPECT_EQ(contents(victim), old);
  EXPECT_FALSE(fs::is_symlink(target));

  // A private file stays private; a new one gets the usual mode.
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(WriteWholeFile(target, old).ok);
  EXPECT_EQ(mode(target), fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(WriteWholeFile(dir.File("new.syx"), old).ok);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(static_cast<mode_t>(mode(dir.File("new.syx"))), 0666 & ~mask);

  // A save through a link writes the file it points to and keeps the link.
  const std::string link = dir.File("link.syx");
  fs::create_symlink("out.syx", link);
  ASSERT_TRUE(WriteWholeFile(link, saved).ok);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(contents(target), saved);

  // A write-protected file, and what is no file, are refused and left as they were.
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  prompts.messages.clear();
  EXPECT_FALSE(file.Write(target, old));
  EXPECT_EQ(prompts.messages,
            std::vector<std::string>{target + " is write-protected; it was left as it was."});
  EXPECT_EQ(contents(target), saved);
  const std::string fifo = dir.File("pipe.syx");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(WriteWholeFile(fifo, old).error, fifo + " is not a regular file.");
  EXPECT_TRUE(fs::is_fifo(fifo));

  // A failed write leaves the old file and no temporary one.
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  rlimit small = limit;
  small.rlim_cur = 2;
  const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileResult full = WriteWholeFile(target, Image(100, 0xF7));
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldSignal);
  EXPECT_FALSE(full.ok);
  EXPECT_EQ(contents(target), saved);
  EXPECT_FALSE(WriteWholeFile(dir.File("no/such/dir/x.syx"), old).ok);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.Path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"link.syx", "new.syx", "out.syx", "out.syx.ravlo-tmp",
                                             "pipe.syx", "victim"}));
}

// What a save is to give back: every stored value but the channel rows
// (they follow the parts), the VBank (no synthesizer holds it), the channel
// a switched-off part goes back to, and the rows of effect types not in use.
std::vector<ImageCell> SavedValues(const XgModel& model) {
  const ModelImage image(model);
  std::vector<ImageCell> cells;
  image.Capture(model, cells);
  std::vector<ImageCell> saved;
  for (const ImageRegion& region : image.Regions()) {
    const auto first = cells.begin() + static_cast<std::ptrdiff_t>(region.first);
    switch (region.area) {
      case ImageArea::Channel:
      case ImageArea::VBankVoice:
        break;
      case ImageArea::Effect: {
        const auto kind = static_cast<EffectKind>(region.index);
        const int type = model.Effects().Type(kind);
        const auto row = model.Effects().GetEffectRow(kind, static_cast<std::size_t>(type));
        saved.push_back(type);
        saved.insert(saved.end(), row->Values().begin(), row->Values().end());
        if (kind != EffectKind::Variation) break;
        const auto settings = model.Effects().GetVariationSettings(static_cast<std::size_t>(type));
        saved.insert(saved.end(), settings->begin(), settings->end());
        break;
      }
      case ImageArea::Part:
        saved.insert(saved.end(), first, first + static_cast<std::ptrdiff_t>(region.count - 1));
        break;
      default:
        saved.insert(saved.end(), first, first + static_cast<std::ptrdiff_t>(region.count));
    }
  }
  return saved;
}

TEST_F(SysexFileTest, EverySaveOpensToTheModelItWasSavedFrom) {
  struct Source {
    std::string name;
    std::function<void(FileRig&)> fill;
  };
  const auto syx = [](Image bytes) {
    return [bytes](FileRig& rig) mutable { ASSERT_TRUE(rig.file.Read(rig.Put("in.syx", bytes))); };
  };
  const auto voice = [](const char* name) {
    UserVoice voice(5);
    voice.SetName(name);
    const auto dump = voice.BuildDump(UnitNumber::FromValue(0), 5);
    return Image(dump.begin(), dump.end());
  };
  std::vector<Source> sources = {
      {"edits",
       [](FileRig& rig) {
         XgModel& m = rig.model;
         ASSERT_TRUE(m.System().SetMasterTune(-100) && m.System().SetTranspose(5));
         for (const auto kind : {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation}) {
           ASSERT_TRUE(m.Effects().ChangeType(kind, 4));
           ASSERT_TRUE(m.Effects().SetEffectParameter(kind, 2, 33));
         }
         PartModel& parts = m.Parts();
         ASSERT_TRUE(parts.SetPartParameterPair(PartAt(4), 0x09, 0x07, 0x00));
         ASSERT_TRUE(parts.SetPartParameter(PartAt(4), 0x00, 32));
         ASSERT_TRUE(parts.SelectPartVoice(PartAt(0), 7));          // SFX kit 1, Drum 2
         ASSERT_TRUE(parts.SelectPartVoice(PartAt(9), 143));        // Analog, Drum 1
         ASSERT_TRUE(parts.SelectPartVoice(PartAt(15), 13));        // SFX kit 2 joins Drum 2
         ASSERT_TRUE(parts.SetPartMode(PartAt(15), {0xFF, 1, 3}));  // Same Key Multi
         ASSERT_TRUE(parts.SetPartParameter(PartAt(15), 0x00, 0));
         ASSERT_TRUE(parts.SelectPartVoice(PartAt(9), 8));  // back to a normal voice
         ASSERT_TRUE(m.Drums().SetDrumParameter(1, NoteAt(50), 0x02, 0x10));
         ASSERT_TRUE(m.Drums().SetDrumParameter(1, NoteAt(13), 0x04, 0x22));  // not in the kit
         ASSERT_TRUE(m.UserVoices().SetVoiceName(3, "Lead"));
       }},
      {"file",
       syx(Join(PartChange(15, 0x07, 2), PartChange(15, 0x06, 1), PartChange(15, 0x69, 0x50),
                PartChange(15, 0x05, 0), PartChange(9, 0x07, 0), PartChange(0, 0x01, 0x7E),
                PartChange(0, 0x07, 3), PartChange(0, 0x03, 1),
                Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x5A, 0x02, 0x21, 0xF7}), voice("Pad")))},
      {"song",
       [](FileRig& rig) {
         const Image song = MidiFile(Bytes(
             {0x00, 0xB0, 0x00, 0x7E, 0x00, 0x20, 0x00, 0x00, 0xC0, 0x00,  // SFX kit on channel 1
              0x00, 0xB9, 0x63, 0x1A, 0x00, 0x62, 0x59, 0x00, 0x06, 0x10,  // level of note 89
              0x00, 0x99, 0x24, 0x40, 0x00, 0xFF, 0x2F, 0x00}));
         ASSERT_TRUE(rig.file.ReadSong(rig.Put("in.mid", song)));
       }},
  };
  for (const auto& entry : fs::directory_iterator(fs::path(RAVLO_TESTDATA_DIR) / "midi")) {
    const std::string path = entry.path().string();
    sources.push_back({path + " opened", [path](FileRig& rig) { rig.file.Read(path); }});
    sources.push_back({path + " as a song", [path](FileRig& rig) { rig.file.ReadSong(path); }});
  }
  for (const Source& source : sources) {
    for (const bool bulk : {false, true}) {
      SCOPED_TRACE(source.name + (bulk ? ", all bulk" : ", differences"));
      FileRig original;
      original.intake.SetUnrecognisedPolicy(SysexIntake::UnrecognisedPolicy::Report);
      source.fill(original);
      SendChoices choices;
      if (bulk) choices.ClearNonDefaultBoxes();
      const auto recorded = RecordSendPass(original.model, choices, original.progress);
      ASSERT_TRUE(recorded);
      FileRig reopened;
      ASSERT_TRUE(reopened.file.Read(original.Put("saved.syx", *recorded)));
      EXPECT_EQ(SavedValues(reopened.model), SavedValues(original.model));
    }
  }
}

}  // namespace
}  // namespace ravlo::test
