#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "files/FileIo.h"
#include "files/SysexFile.h"
#include "files/VoiceBankFile.h"
#include "intake/IntakeHost.h"
#include "intake/SysexIntake.h"
#include "sendpass/SendChoices.h"
#include "sendpass/SendPass.h"
#include "sendpass/SendPassHooks.h"
#include "support/MemorySettings.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"

namespace ravlo {
namespace {

using test::Bytes;
using Image = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

class NoHost final : public IntakeHost {
 public:
  void AutoReset() override {}
};

// A model with its file object, as the main window holds them.
struct FileRig : test::ModelRig {
  static test::MemorySettings RememberedSettings() {
    test::MemorySettings stored;
    stored.strings["SysexDir"] = "/remembered";
    return stored;
  }

  test::MemorySettings settings = RememberedSettings();
  test::RecordingProgress progress;
  NoHost host;
  SysexIntake intake{model, prompts, progress, host};
  SysexFile file{model, intake, prompts, settings};
};

class SysexFileTest : public ::testing::Test, public FileRig {
 protected:
  SysexFileTest()
      : directory(fs::temp_directory_path() / ("ravlo-file-" + std::to_string(::getpid()))) {
    fs::create_directories(directory);
  }
  ~SysexFileTest() override { fs::remove_all(directory); }

  std::string Put(const std::string& name, const Image& bytes) {
    const std::string path = (directory / name).string();
    EXPECT_TRUE(WriteWholeFile(path, bytes).ok);
    return path;
  }

  fs::path directory;
};

TEST_F(SysexFileTest, TheDialogsOfferTheFourFiltersAndTheRememberedDirectory) {
  EXPECT_FALSE(file.Open());
  ASSERT_EQ(prompts.fileRequests.size(), 1u);
  const FileDialogRequest& request = prompts.fileRequests[0];
  ASSERT_EQ(request.filters.size(), 4u);
  EXPECT_EQ(request.filters[0].label, "XG Sysex Files(*.syx)");
  EXPECT_EQ(request.filters[3].pattern, "*.*");
  EXPECT_EQ(request.initialDirectory, "/remembered");
  EXPECT_TRUE(prompts.messages.empty()) << "a cancel says nothing";

  prompts.fileChoices.push_back({FileChoice::Status::Failed, {}});
  EXPECT_FALSE(file.ChooseSaveName());
  EXPECT_EQ(prompts.messages, std::vector<std::string>{"Error getting file name"});
  EXPECT_EQ(prompts.fileRequests.back().defaultExtension, "syx");
}

TEST_F(SysexFileTest, OpeningAPlainSysexFileLoadsItAndRemembersItsDirectory) {
  const std::string path =
      Put("song.syx", Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7}));
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});
  ASSERT_TRUE(file.Open());
  EXPECT_EQ((*model.Parts().Record(3))[0x0B], 0x50);
  EXPECT_TRUE(file.PlainSysex());
  EXPECT_EQ(file.CurrentPath(), path);
  EXPECT_EQ(file.RememberedDirectory(), directory.string());
}

TEST_F(SysexFileTest, TheRememberedDirectoryIsWrittenBackAtTheEnd) {
  test::MemorySettings store;
  {
    SysexFile other(model, intake, prompts, store);
    EXPECT_EQ(other.RememberedDirectory(), "") << "absent: empty";
    other.SetRememberedDirectory("/music/xg");
  }
  EXPECT_EQ(store.strings["SysexDir"], "/music/xg");
}

TEST_F(SysexFileTest, AMissingFileShowsTheSystemsTextAndClearsThePath) {
  EXPECT_FALSE(file.Read((directory / "missing.syx").string()));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].find("No such file"), std::string::npos);
  EXPECT_TRUE(file.CurrentPath().empty());
}

TEST_F(SysexFileTest, MidiFilesLoadButCannotBeSavedBackWithSave) {
  const Image midi{'M',  'T',  'h',  'd',  0,    0,    0,    6,    0,    0,    0,    1,    0,
                   96,   'M',  'T',  'r',  'k',  0,    0,    0,    14,   0x00, 0xF0, 0x08, 0x43,
                   0x10, 0x4C, 0x08, 0x02, 0x0B, 0x33, 0xF7, 0x00, 0xFF, 0x2F, 0x00};
  ASSERT_TRUE(file.Read(Put("song.mid", midi)));
  EXPECT_EQ((*model.Parts().Record(2))[0x0B], 0x33);
  EXPECT_FALSE(file.PlainSysex());
  EXPECT_EQ(file.LastKind(), SysexFile::Kind::MidiFile);
}

TEST_F(SysexFileTest, AVoiceBankIsConvertedAndNothingIsLoaded) {
  Image bank(kVoiceBankFileSize, 0);
  const std::string header = "YQ3VIC     V1.00";
  std::copy(header.begin(), header.end(), bank.begin());
  const std::string path = Put("bank.q3v", bank);
  ASSERT_TRUE(file.Read(path));
  EXPECT_EQ(file.LastKind(), SysexFile::Kind::VoiceBank);
  EXPECT_FALSE(file.PlainSysex());
  EXPECT_TRUE(Sent().empty());
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(fs::file_size(directory / ("bank" + std::to_string(i) + ".syx")), 12544u);

  bank[0] = 'X';  // the right size with another header is plain sysex
  ASSERT_TRUE(file.Read(Put("other.q3v", bank)));
  EXPECT_EQ(file.LastKind(), SysexFile::Kind::PlainSysex);
}

TEST_F(SysexFileTest, AFileWhoseLastMessageLacksItsEndLoadsEverythingBeforeIt) {
  ASSERT_TRUE(file.Read(Put("cut.syx", Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7,
                                              0xF0, 0x43, 0x10, 0x4C, 0x08, 0x04, 0x0B}))));
  EXPECT_EQ((*model.Parts().Record(3))[0x0B], 0x50);
  EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(SysexFileTest, AFailedWriteLeavesTheOldFileIntact) {
  const std::string path = Put("keep.syx", Bytes({0xF0, 0x7E, 0xF7}));
  fs::create_directory(path + ".ravlo-tmp");  // the new content cannot be written
  EXPECT_FALSE(file.Write(path, Bytes({0xF0, 0x7F, 0xF7})));
  Image kept;
  ASSERT_TRUE(ReadWholeFile(path, kept).ok);
  EXPECT_EQ(kept, Bytes({0xF0, 0x7E, 0xF7}));
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_TRUE(file.CurrentPath().empty());
}

TEST_F(SysexFileTest, ASavedFileOpensToTheSameStateForEveryBlock) {
  model.System().WriteSystemBlock({-100, 90, 5});
  model.Effects().SetType(EffectKind::Reverb, 9);
  model.Effects().SetType(EffectKind::Chorus, 4);
  model.Effects().SetType(EffectKind::Variation, 37);
  auto reverb = *model.Effects().GetEffectRow(EffectKind::Reverb, 9);
  reverb.Values()[7] = 33;
  model.Effects().PutEffectRow(EffectKind::Reverb, 9, reverb);
  auto variation = *model.Effects().GetEffectRow(EffectKind::Variation, 37);
  variation.Values()[0] = 99;
  model.Effects().PutEffectRow(EffectKind::Variation, 37, variation);
  (*model.Parts().Record(4))[0x0B] = 0x21;
  (*model.Parts().Record(4))[0x09] = 0x07;
  model.Parts().SelectPartVoice(0, 8);
  model.Drums().Note(1, 50)->SetParameter(0x04, 0x10);
  ClearSent();

  SendChoices everything;
  everything.ClearNonDefaultBoxes();
  SendPassHooks noEditors;
  const auto recorded = RecordSendPass(model, everything, noEditors, progress);
  ASSERT_TRUE(recorded);
  const std::string path = Put("saved.syx", *recorded);

  FileRig fresh;
  ASSERT_TRUE(fresh.file.Read(path));
  XgModel& reopened = fresh.model;
  EXPECT_EQ(reopened.System().Bytes(), model.System().Bytes());
  for (EffectKind kind : {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation}) {
    const int type = model.Effects().Type(kind);
    EXPECT_EQ(reopened.Effects().Type(kind), type);
    EXPECT_EQ(*reopened.Effects().GetEffectRow(kind, static_cast<std::size_t>(type)),
              *model.Effects().GetEffectRow(kind, static_cast<std::size_t>(type)));
  }
  for (int part = 0; part < kPartCount; ++part) {
    EXPECT_EQ(*reopened.Parts().Record(part), *model.Parts().Record(part)) << "part " << part;
  }
  for (int setup = 0; setup < 2; ++setup) {
    for (int note = 13; note <= 91; ++note) {
      EXPECT_EQ(reopened.Drums().Note(setup, note)->Parameters(),
                model.Drums().Note(setup, note)->Parameters());
    }
  }
}

}  // namespace
}  // namespace ravlo
