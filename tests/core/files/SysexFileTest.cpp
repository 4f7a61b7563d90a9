#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "files/FileIo.h"
#include "files/SysexFile.h"
#include "files/VoiceBankFile.h"
#include "intake/SysexIntake.h"
#include "sendpass/SendChoices.h"
#include "sendpass/SendPass.h"
#include "support/MemorySettings.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"
#include "support/ScratchDirectory.h"

namespace ravlo {
namespace {

using test::Bytes;
using Image = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

// A model with its file object, as the main window holds them.
struct FileRig : test::ModelRig {
  std::string Put(const std::string& name, const Image& bytes) {
    EXPECT_TRUE(WriteWholeFile(dir.File(name), bytes).ok);
    return dir.File(name);
  }
  const test::ScratchDirectory dir{"ravlo-file"};
  test::MemorySettings settings;
  test::RecordingProgress progress;
  test::CountingIntakeHost host;
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
    EXPECT_EQ(request.filters[0].label, "XG Sysex Files(*.syx)");
    EXPECT_EQ(request.filters[3].pattern, "*.*");
    EXPECT_EQ(request.filters[4].pattern, "*.syx *.mid *.q3v") << "every kind it reads";
    EXPECT_EQ(request.initialDirectory, "/remembered");
    prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});
    ASSERT_TRUE(other.Open());
    EXPECT_EQ((*model.Parts().Record(test::PartAt(3)))[0x0B], 0x50)
        << "the message before the cut one";
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
  const Image quietSong = test::MidiFile(Bytes({0x00, 0xFF, 0x2F, 0x00}));
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
  ASSERT_TRUE(file.Read(Put("bank.q3v", bank)));
  EXPECT_EQ(file.LastKind(), SysexFile::Kind::VoiceBank);
  EXPECT_TRUE(Sent().empty()) << "converted, not loaded";
  for (int i = 0; i < 4; ++i) {
    Image out;
    ASSERT_TRUE(ReadWholeFile(dir.File("bank" + std::to_string(i) + ".syx"), out).ok);
    EXPECT_EQ(out.size(), 12544u);
    out.resize(9);
    EXPECT_EQ(out, Bytes({0xF0, 0x43, 0x05, 0x4B, 0x02, 0x7D, 0x11, 0x00, 0x00}));
  }
  bank[0] = 'X';  // the right size with another header is plain sysex
  ASSERT_TRUE(file.Read(Put("other.q3v", bank)));
  EXPECT_EQ(file.LastKind(), SysexFile::Kind::PlainSysex);

  const Image midi = test::MidiFile(Bytes(
      {0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0B, 0x33, 0xF7, 0x00, 0xFF, 0x2F, 0x00}));
  ASSERT_TRUE(file.Read(Put("song.mid", midi)));
  EXPECT_EQ((*model.Parts().Record(test::PartAt(2)))[0x0B], 0x33);
  EXPECT_EQ(file.LastKind(), SysexFile::Kind::MidiFile) << "so Save may not write it back";
}

TEST_F(SysexFileTest, TheOpenDialogIsTitledAndShowsTheFilterUsedLast) {
  const std::string path = Put("song.mid", test::MidiFile(Bytes({0x00, 0xFF, 0x2F, 0x00})));
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}, "XG MIDI Files(*.mid)"});
  ASSERT_TRUE(file.Open());
  prompts.fileChoices.push_back({FileChoice::Status::Cancelled, {}, "Other (*.*)"});
  EXPECT_FALSE(file.Open());
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});  // no filter known
  ASSERT_TRUE(file.Open());
  EXPECT_FALSE(file.Open());
  ASSERT_EQ(prompts.fileRequests.size(), 4u);
  EXPECT_EQ(prompts.fileRequests[0].title, "Open File");
  EXPECT_EQ(prompts.fileRequests[0].filter, "") << "the first filter at first";
  EXPECT_EQ(prompts.fileRequests[1].filter, "XG MIDI Files(*.mid)");
  EXPECT_EQ(prompts.fileRequests[2].filter, "XG MIDI Files(*.mid)") << "a cancel changes nothing";
  EXPECT_EQ(prompts.fileRequests[3].filter, "XG MIDI Files(*.mid)");
}

TEST_F(SysexFileTest, SaveAsOffersTheDocumentsNameAsSysex) {
  EXPECT_EQ(SysexFile::SuggestedSaveName(""), "Untitled.syx");
  EXPECT_EQ(SysexFile::SuggestedSaveName("/songs/intro.syx"), "intro.syx");
  EXPECT_EQ(SysexFile::SuggestedSaveName("/songs/intro.mid"), "intro.syx");
  EXPECT_EQ(SysexFile::SuggestedSaveName("/songs.v2/intro"), "intro.syx");
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {dir.File("new.syx")}});
  ASSERT_TRUE(file.ChooseSaveName("Save As", "intro.syx"));
  EXPECT_EQ(prompts.fileRequests.back().title, "Save As");
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
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(Sent().empty()) << "nothing loaded";

  EXPECT_FALSE(file.ConvertVoiceBankTo(song, dir.File("x.syx")));
  EXPECT_EQ(prompts.messages.back(), "The file " + song + " is not a QS300 voice bank.");
  EXPECT_FALSE(file.ConvertVoiceBankTo(dir.File("missing.q3v"), dir.File("x.syx")));
  EXPECT_NE(prompts.messages.back().find("No such file"), std::string::npos);
  EXPECT_FALSE(file.ConvertVoiceBankTo(bankPath, dir.File("no/such/dir/x.syx")));
  EXPECT_FALSE(FileExists(dir.File("x0.syx")));
  EXPECT_FALSE(FileExists(dir.Path().string())) << "a directory is not a file";
}

TEST_F(SysexFileTest, ASavedFileOpensToTheSameStateAndSurvivesAFailedWrite) {
  ASSERT_TRUE(model.System().SetMasterTune(-100));
  ASSERT_TRUE(model.System().SetMasterVolume(90));
  ASSERT_TRUE(model.System().SetTranspose(5));
  const std::pair<EffectKind, int> types[] = {
      {EffectKind::Reverb, 9}, {EffectKind::Chorus, 4}, {EffectKind::Variation, 37}};
  for (const auto& [kind, type] : types) {
    ASSERT_TRUE(model.Effects().ChangeType(kind, type));
    ASSERT_TRUE(model.Effects().SetEffectParameter(kind, kind == EffectKind::Reverb ? 7 : 2, 33));
  }
  ASSERT_TRUE(model.Parts().SetPartParameter(test::PartAt(4), 0x0B, 0x21));
  ASSERT_TRUE(model.Parts().SetPartParameterPair(test::PartAt(4), 0x09, 0x07, 0x00));
  ASSERT_TRUE(model.Parts().SelectPartVoice(test::PartAt(0), 8));
  ASSERT_TRUE(model.Drums().SetDrumParameter(1, test::NoteAt(50), 0x04, 0x10));

  SendChoices everything;
  everything.ClearNonDefaultBoxes();
  const auto recorded = RecordSendPass(model, everything, progress);
  ASSERT_TRUE(recorded);
  const std::string path = dir.File("saved.syx");
  ASSERT_TRUE(file.Write(path, *recorded));
  fs::create_directory(path + ".ravlo-tmp");  // the next content cannot be written
  EXPECT_FALSE(file.Write(path, Bytes({0xF0, 0x7F, 0xF7})));
  EXPECT_EQ(prompts.messages.size(), 1u);

  FileRig fresh;
  ASSERT_TRUE(fresh.file.Read(path));
  EXPECT_EQ(fresh.model.System().Bytes(), model.System().Bytes());
  for (const auto& [kind, type] : types) {
    EXPECT_EQ(fresh.model.Effects().Type(kind), type);
    EXPECT_EQ(*fresh.model.Effects().GetEffectRow(kind, static_cast<std::size_t>(type)),
              *model.Effects().GetEffectRow(kind, static_cast<std::size_t>(type)));
  }
  for (int part = 0; part < kPartCount; ++part) {
    EXPECT_EQ(*fresh.model.Parts().Record(test::PartAt(part)),
              *model.Parts().Record(test::PartAt(part)))
        << "part " << part;
  }
  for (int i = 0; i < 2 * 79; ++i) {  // notes 13 to 91 of both setups
    const DrumNote note = test::NoteAt(13 + i % 79);
    EXPECT_EQ(fresh.model.Drums().Note(i / 79, note)->Parameters(),
              model.Drums().Note(i / 79, note)->Parameters());
  }
}

}  // namespace
}  // namespace ravlo
