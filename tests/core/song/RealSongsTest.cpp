// Every file of the public test set, taken in as a song and opened as a
// file: what breaks the format is refused with its reason and leaves the
// model as it was, everything else goes in without a fault.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "files/FileIo.h"
#include "files/SysexFile.h"
#include "intake/SysexIntake.h"
#include "song/StandardMidiFile.h"
#include "support/MemorySettings.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"

namespace ravlo::test {
namespace {

namespace fs = std::filesystem;

// The parts and channel rows, as the Part and Controllers windows show them.
std::vector<std::uint8_t> Shown(const XgModel& model) {
  std::vector<std::uint8_t> bytes;
  for (const PartRecord& record : model.Parts().Records()) {
    bytes.insert(bytes.end(), record.begin(), record.end());
  }
  for (int index = 0; index < MidiChannel::kCount; ++index) {
    const ChannelVoice voice = model.Channels().Voice(MidiChannel::FromIndex(index));
    const ControllerRow row = model.Channels().Controllers(MidiChannel::FromIndex(index));
    bytes.insert(bytes.end(), {voice.bankMsb, voice.program, voice.bankLsb});
    bytes.insert(bytes.end(), row.begin(), row.end());
  }
  return bytes;
}

struct RealSongsTest : ::testing::Test, ModelRig {
  RealSongsTest() { intake.SetUnrecognisedPolicy(SysexIntake::UnrecognisedPolicy::Report); }

  MemorySettings settings;
  RecordingProgress progress;
  CountingIntakeHost host;
  SysexIntake intake{model, prompts, progress, host};
  SysexFile file{model, intake, prompts, settings};
};

TEST_F(RealSongsTest, EveryTestFileImportsOrIsRefusedWithItsReason) {
  int imported = 0;
  int refused = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(RAVLO_TESTDATA_DIR) / "midi")) {
    const std::string path = entry.path().string();
    if (entry.path().extension() != ".mid") continue;
    model.ResetToDefaults();
    prompts.messages.clear();
    const std::vector<std::uint8_t> before = Shown(model);
    if (file.ReadSong(path)) {
      ++imported;
      EXPECT_EQ(file.CurrentPath(), path);
    } else {
      ++refused;
      ASSERT_EQ(prompts.messages.size(), 1u) << path;
      EXPECT_EQ(
          prompts.messages[0].rfind("The file " + path + " cannot be imported as a song. ", 0), 0u);
      EXPECT_EQ(Shown(model), before) << path;
    }
    // The existing .mid open of the same file keeps working.
    EXPECT_TRUE(file.Read(path)) << path;
  }
  // The set's corrupt, illegal and foreign files are refused; the rest import.
  EXPECT_EQ(refused, 17);
  EXPECT_EQ(imported, 55);
}

TEST_F(RealSongsTest, AnXgSongsVoiceIsWhatThePartWindowShows) {
  ASSERT_TRUE(file.ReadSong(std::string(RAVLO_TESTDATA_DIR) + "/midi/test-xg-doggy-40-00-30.mid"));
  EXPECT_EQ(model.Channels().Voice(MidiChannel::FromIndex(0)), (ChannelVoice{64, 0x31, 0}));
  EXPECT_EQ(model.Parts().PartVoiceName(PartIndex::FromIndex(0)).name, "Dog");
}

// The public list of every XG sound chooses each by bank select and program change: the extended
// model names every one of them, the basic model only its own.
TEST_F(RealSongsTest, EveryVoiceOfTheXgSoundListIsNamedWithTheExtendedModel) {
  std::vector<std::uint8_t> image;
  const std::string path = std::string(RAVLO_TESTDATA_DIR) + "/midi/test-all-xg-sounds.mid";
  ASSERT_TRUE(ReadWholeFile(path, image).ok);
  std::string error;
  const std::optional<StandardMidiFile> song = StandardMidiFile::Read(image, error);
  ASSERT_TRUE(song.has_value()) << error;
  std::array<std::pair<int, int>, 16> banks{};
  std::set<std::tuple<int, int, int>> chosen;
  std::set<std::tuple<int, int, int>> basic;
  for (const SongEvent& event : song->Events()) {
    auto& [msb, lsb] = banks[static_cast<std::size_t>(event.Channel())];
    if ((event.status & 0xF0) == 0xB0 && event.data1 == 0) msb = event.data2;
    if ((event.status & 0xF0) == 0xB0 && event.data1 == 32) lsb = event.data2;
    if ((event.status & 0xF0) != 0xC0) continue;
    const int program = event.data1 + 1;
    SCOPED_TRACE(testing::Message() << msb << "/" << lsb << "/" << program);
    chosen.emplace(msb, lsb, program);
    EXPECT_NE(FindVoice(program, msb, lsb, model, InstrumentModel::Extended).index, -1);
    if (FindVoice(program, msb, lsb, model, InstrumentModel::Basic).index != -1) {
      basic.emplace(msb, lsb, program);
    }
  }
  EXPECT_EQ(chosen.size(), 1140u);
  EXPECT_EQ(basic.size(),
            488u);  // the basic catalogue's user slots and three voices are not listed
}

}  // namespace
}  // namespace ravlo::test
