#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cmath>
#include <cstdio>
#include <thread>

#include "JackCapture.h"
#include "JackServer.h"
#include "MonitorSound.h"
#include "PlatformMidi.h"
#include "files/FileIo.h"
#include "midi/MidiOutDevice.h"
#include "piano/KeyboardPiano.h"
#include "shell/MainBar.h"
#include "support/MemorySettings.h"
#include "support/RecordingPauser.h"
#include "support/RecordingPrompts.h"
#include "support/ScratchDirectory.h"

namespace ravlo {
namespace {

using Message = test::JackCapture::Message;

const Message kSystemOn{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7};

// The output of a command run under the private server.
std::string CommandOutput(const std::string& command) {
  std::string output;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    ::pclose(pipe);
  }
  return output;
}

// The RMS of the left channel of a 16-bit stereo WAV file's samples.
double LeftRms(const std::vector<std::uint8_t>& wav) {
  const std::string bytes(wav.begin(), wav.end());
  const std::size_t data = bytes.find("data");
  if (data == std::string::npos) return 0;
  double sum = 0;
  std::size_t count = 0;
  for (std::size_t at = data + 8; at + 1 < wav.size(); at += 4) {
    const auto sample = static_cast<std::int16_t>(wav[at] | wav[at + 1] << 8);
    sum += static_cast<double>(sample) * sample;
    ++count;
  }
  return count > 0 ? std::sqrt(sum / static_cast<double>(count)) / 32768.0 : 0;
}

TEST(MainBarOverJack, AnOpenedFileArrivesAtTheSynthesizerAndThePianoIsHeardOnTheRavloSynthPorts) {
  test::JackServer server;
  ASSERT_TRUE(server.Running()) << server.Failure();
  test::RecordingPrompts prompts;
  test::RecordingPauser pauser;
  {
    test::JackCapture capture;
    PlatformMidi midi("RavloE2E");
    test::MemorySettings settings;
    for (const MidiPort& port : MidiOutDevice(midi.Backend(), prompts).Ports()) {
      if (port.name == "RavloCapture:in") settings.ints["MIDIOutPort"] = port.index;
    }
    MainBar bar({midi.Backend(), prompts, settings, pauser, &midi.Monitor()});
    ASSERT_TRUE(bar.Initialised());
    bar.show();
    bar.Start();  // opens the port and sends the reset (on by default)
    const test::ScratchDirectory directory("ravlo-e2e");
    const Message volume{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7};
    // Long messages over the transport are JackTransportTest's.
    prompts.fileChoices.push_back(
        {FileChoice::Status::Chosen, {directory.Put("song.syx", volume)}});
    bar.OpenCommand();
    // The start's reset; the open's automatic one, then the file's messages as they were.
    EXPECT_EQ(capture.WaitFor(3 * 9, std::chrono::seconds(10)),
              (std::vector<Message>{kSystemOn, kSystemOn, volume}));
    EXPECT_TRUE(prompts.questions.empty());
    bar.close();
  }

  // The built-in sound, on the JACK ports of its own.
  PlatformMidi midi("RavloSoundE2E");
  MonitorSound sound(midi.Monitor());
  test::MemorySettings settings;
  settings.ints["MIDIOutPort"] = midi.MonitorIndex();
  settings.strings["MIDIOutPortName"] = "Ravlo Monitor";
  MainBar bar({midi.Backend(), prompts, settings, pauser, &midi.Monitor(), nullptr, &sound});
  ASSERT_TRUE(bar.Initialised());
  bar.Start();
  ASSERT_EQ(sound.Driver(), "jack") << (prompts.messages.empty() ? "" : prompts.messages.back());
  const std::string connections = CommandOutput("jack_lsp -c ravlo-synth");
  EXPECT_NE(connections.find("ravlo-synth:left\n   system:playback_1"), std::string::npos)
      << connections;

  const test::ScratchDirectory scratch("ravlo-synth");
  const std::string wav = scratch.File("synth.wav");
  std::thread recorder([&wav] {
    CommandOutput("jack_rec -f " + wav + " -d 3 -b 16 ravlo-synth:left ravlo-synth:right 2>&1");
  });
  // The piano plays once the recorder listens, however busy the machine.
  for (int tries = 0;
       tries < 100 && CommandOutput("jack_lsp").find("jackrec:") == std::string::npos; ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  bar.Piano().HandleKey(PianoKey::Char('Z'));
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  PianoKey release = PianoKey::Char('Z');
  release.released = true;
  bar.Piano().HandleKey(release);
  recorder.join();
  std::vector<std::uint8_t> recorded;
  ASSERT_TRUE(ReadWholeFile(wav, recorded).ok) << "jack_rec wrote nothing";
  EXPECT_GT(LeftRms(recorded), 1e-3) << "the piano is heard";
  bar.close();
}

}  // namespace
}  // namespace ravlo

int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
