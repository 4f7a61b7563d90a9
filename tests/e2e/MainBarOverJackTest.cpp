#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <filesystem>

#include "JackCapture.h"
#include "JackServer.h"
#include "PlatformMidi.h"
#include "files/FileIo.h"
#include "midi/MidiOutDevice.h"
#include "shell/MainBar.h"
#include "support/MemorySettings.h"
#include "support/RecordingPauser.h"
#include "support/RecordingPrompts.h"

namespace ravlo {
namespace {

using Message = test::JackCapture::Message;

const Message kSystemOn{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7};

TEST(MainBarOverJack, ResetAndOpeningAFileArriveAtTheSynthesizer) {
  test::JackServer server;
  ASSERT_TRUE(server.Running()) << server.Failure();
  test::JackCapture capture;

  PlatformMidi midi("RavloE2E");
  test::RecordingPrompts prompts;
  test::MemorySettings settings;
  test::RecordingPauser pauser;
  {
    MidiOutDevice lister(midi.Backend(), prompts);
    for (const MidiPort& port : lister.Ports()) {
      if (port.name.find("RavloCapture") != std::string::npos)
        settings.ints["MIDIOutPort"] = port.index;
    }
  }
  ASSERT_TRUE(settings.ints.count("MIDIOutPort")) << "the capture port is listed";

  MainBar bar({midi.Backend(), prompts, settings, pauser, &midi.Monitor()});
  ASSERT_TRUE(bar.Initialised());
  bar.show();
  bar.Start();  // opens the port and sends the reset (on by default)
  EXPECT_EQ(capture.WaitFor(9, std::chrono::seconds(10)), std::vector<Message>{kSystemOn});

  capture.Clear();
  ASSERT_TRUE(bar.ResetCommand());
  EXPECT_EQ(capture.WaitFor(9, std::chrono::seconds(10)), std::vector<Message>{kSystemOn});

  const auto directory =
      std::filesystem::temp_directory_path() / ("ravlo-e2e-" + std::to_string(::getpid()));
  std::filesystem::create_directories(directory);
  const Message volume{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7};
  const Message voiceDump = [] {
    Message dump(392, 0x00);
    dump[0] = 0xF0;
    dump[1] = 0x43;
    dump[3] = 0x4B;
    dump[4] = 0x02;
    dump[5] = 0x7D;
    dump[6] = 0x11;
    dump[391] = 0xF7;
    return dump;
  }();
  Message file = volume;
  file.insert(file.end(), voiceDump.begin(), voiceDump.end());
  const std::string path = (directory / "song.syx").string();
  ASSERT_TRUE(WriteWholeFile(path, file).ok);

  capture.Clear();
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});
  bar.OpenCommand();
  // The automatic reset, then the file's messages as they were.
  const std::vector<Message> expected{kSystemOn, volume, voiceDump};
  EXPECT_EQ(capture.WaitFor(9 + 9 + 392, std::chrono::seconds(10)), expected);
  EXPECT_TRUE(prompts.questions.empty());
  bar.close();
  std::filesystem::remove_all(directory);
}

}  // namespace
}  // namespace ravlo

int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
