#include <gtest/gtest.h>

#include <vector>

#include "MidiBackendChain.h"
#include "MidiInBackendChain.h"
#include "MonitorBackend.h"
#include "midi/MidiInDevice.h"
#include "midi/MidiOutDevice.h"
#include "support/Bytes.h"
#include "support/FakeMidiBackend.h"
#include "support/FakeMidiInBackend.h"
#include "support/RecordingPrompts.h"

namespace ravlo {
namespace {

using test::Bytes;
using Message = std::vector<std::uint8_t>;

std::vector<std::string> Names(const std::vector<MidiPort>& ports) {
  std::vector<std::string> names;
  for (const MidiPort& port : ports) names.push_back(port.name);
  return names;
}

// The monitor alone, and behind a platform backend in a chain.
class MonitorBackendTest : public ::testing::Test {
 protected:
  // The monitor's input opened, its answers kept in `answers`.
  void Listen() {
    ASSERT_EQ(monitor.Input().Open(0,
                                   [this](std::span<const std::uint8_t> message) {
                                     answers.emplace_back(message.begin(), message.end());
                                   }),
              kMidiOk);
  }

  MonitorBackend monitor;
  test::RecordingPrompts prompts;
  MidiOutDevice device{monitor, prompts};
  std::vector<Message> answers;
  test::FakeMidiBackend platform{{"Synth A", "Synth B"}};
  MidiBackendChain chain{{&platform, &monitor}};

  const Message volume = Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7});
  const Message request = Bytes({0xF0, 0x43, 0x30, 0x4C, 0x08, 0x03, 0x0B, 0xF7});
};

TEST_F(MonitorBackendTest, KeepsTheLatestTenThousandWholeMessagesWithTheirTimeInOrder) {
  ASSERT_TRUE(device.Open(0));
  const Message voice = test::Join(Bytes({0xF0}), Message(390, 0x01), Bytes({0xF7}));
  // The second voice crosses a 512-byte piece boundary.
  ASSERT_EQ(device.SendLong(test::Join(volume, voice, voice)), kMidiOk);
  ASSERT_TRUE(device.SendShort(0x405DB2));

  const auto kept = monitor.Messages();
  ASSERT_EQ(kept.size(), 4u);
  EXPECT_EQ(kept[0].bytes, volume);
  EXPECT_EQ(kept[1].bytes, voice);
  EXPECT_EQ(kept[2].bytes, voice);
  EXPECT_EQ(kept[3].bytes, Bytes({0xB2, 0x5D, 0x40}));
  EXPECT_LE(kept[0].time, kept[3].time);

  // Only the latest ten thousand.
  monitor.Clear();
  int notified = 0;
  monitor.SetListener([&] { ++notified; });
  ASSERT_EQ(device.SendLong(volume), kMidiOk);
  for (int i = 0; i < 10004; ++i) ASSERT_TRUE(device.SendNoteOn(i % 128, 1, 0));
  const auto messages = monitor.Messages();
  ASSERT_EQ(messages.size(), MonitorBackend::kCapacity);
  EXPECT_EQ(messages.front().bytes[1], 4) << "the five oldest fell out";
  EXPECT_EQ(monitor.TotalReceived(), 10005u);
  EXPECT_EQ(notified, 10005);
  monitor.Clear();
  EXPECT_TRUE(monitor.Messages().empty());

  // What fell out and what was cleared, the synthesizer behind still heard.
  Listen();
  ASSERT_EQ(device.SendLong(request), kMidiOk);
  EXPECT_EQ(answers, std::vector<Message>{volume});
}

TEST_F(MonitorBackendTest, ThePairAnswersRequestsFromWhatItWasSentOnItsInput) {
  ASSERT_TRUE(device.Open(0));
  Listen();
  ASSERT_EQ(device.SendLong(volume), kMidiOk);
  ASSERT_EQ(device.SendLong(request), kMidiOk);
  EXPECT_EQ(answers, std::vector<Message>{volume}) << "the parameter as it was sent";
  const auto messages = monitor.Messages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[1].direction, MonitoredMessage::Direction::Sent);
  EXPECT_EQ(messages[2].direction, MonitoredMessage::Direction::Answered);
  EXPECT_EQ(messages[2].bytes, volume);

  monitor.Input().Close();
  ASSERT_EQ(device.SendLong(request), kMidiOk);
  EXPECT_EQ(answers.size(), 1u) << "with the input closed the answer goes nowhere";
  EXPECT_EQ(monitor.Messages().back().direction, MonitoredMessage::Direction::Answered);

  // Not hearing, the pair keeps what is sent and answers nothing; hearing
  // again, it answers from what it heard before.
  Listen();
  monitor.SetHearing(false);
  ASSERT_EQ(device.SendLong(Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x20, 0xF7})),
            kMidiOk);
  ASSERT_EQ(device.SendLong(request), kMidiOk);
  EXPECT_EQ(answers.size(), 1u);
  EXPECT_EQ(monitor.Messages().back().bytes, request);
  monitor.SetHearing(true);
  ASSERT_EQ(device.SendLong(request), kMidiOk);
  EXPECT_EQ(answers, (std::vector<Message>{volume, volume})) << "the change sent while not hearing";
}

TEST_F(MonitorBackendTest, AChainListsThePlatformPortsThenTheMonitorAndOpensInTheOwner) {
  MidiOutDevice chained(chain, prompts);
  EXPECT_EQ(
      Names(chained.Ports()),
      (std::vector<std::string>{"Synth A", "Synth B", std::string(MonitorBackend::kPortName)}));

  ASSERT_TRUE(chained.Open(2));
  ASSERT_EQ(chained.SendLong(Bytes({0xF0, 0x7E, 0xF7})), kMidiOk);
  EXPECT_EQ(monitor.Messages().size(), 1u);
  EXPECT_TRUE(platform.pieces.empty());

  ASSERT_TRUE(chained.Open(1));
  EXPECT_EQ(platform.openIndex, 1);
  ASSERT_EQ(chained.SendLong(Bytes({0xF0, 0x7F, 0xF7})), kMidiOk);
  EXPECT_EQ(platform.Stream(), Bytes({0xF0, 0x7F, 0xF7}));
  EXPECT_EQ(monitor.Messages().size(), 1u);
  ASSERT_TRUE(chained.Open(-1));
  EXPECT_EQ(platform.openIndex, 0) << "-1: the first port";

  // An error's text comes from the backend that failed.
  platform.openResult = kMidiAllocated;
  EXPECT_FALSE(chained.Open(1));
  EXPECT_EQ(prompts.messages, std::vector<std::string>{"fake error 4"});
}

TEST_F(MonitorBackendTest, AnInputChainListsThePlatformInputsThenTheMonitorAndOpensInTheOwner) {
  test::FakeMidiInBackend platformIn({"Synth A Out"});
  MidiInBackendChain inChain({&platformIn, &monitor.Input()});
  MidiInDevice input(inChain, prompts);
  EXPECT_EQ(Names(input.Ports()),
            (std::vector<std::string>{"Synth A Out", std::string(MonitorBackend::kPortName)}));

  ASSERT_TRUE(input.Open(0));
  platformIn.Deliver(Bytes({0xF0, 0x01, 0xF7}));
  EXPECT_EQ(input.Queue().Take(), Bytes({0xF0, 0x01, 0xF7}));
  ASSERT_TRUE(input.Open(1));
  EXPECT_EQ(platformIn.closes, 1) << "the platform's port was given up";
  platformIn.Deliver(Bytes({0xF0, 0x02, 0xF7}));
  EXPECT_FALSE(input.Queue().Take());
  EXPECT_FALSE(input.Open(2));
  EXPECT_EQ(prompts.messages.back(), StandardMidiErrorText(kMidiBadDeviceId));
  std::string name;
  EXPECT_EQ(monitor.Input().PortName(1, name), kMidiBadDeviceId) << "the monitor's is one port";
  EXPECT_EQ(monitor.Input().Open(1, {}), kMidiBadDeviceId);
}

}  // namespace
}  // namespace ravlo
