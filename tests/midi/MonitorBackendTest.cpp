#include <gtest/gtest.h>

#include <vector>

#include "MonitorBackend.h"
#include "midi/MidiOutDevice.h"
#include "support/Bytes.h"
#include "support/RecordingPrompts.h"

namespace ravlo {
namespace {

class MonitorBackendTest : public ::testing::Test {
 protected:
  MonitorBackend monitor;
  test::RecordingPrompts prompts;
  MidiOutDevice device{monitor, prompts};
};

TEST_F(MonitorBackendTest, KeepsWholeMessagesWithTheirTimeInOrder) {
  ASSERT_TRUE(device.Open(0));
  std::vector<std::uint8_t> block;
  const auto systemOn = test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
  std::vector<std::uint8_t> voice(392, 0x01);
  voice.front() = 0xF0;
  voice.back() = 0xF7;
  block.insert(block.end(), systemOn.begin(), systemOn.end());
  block.insert(block.end(), voice.begin(), voice.end());
  block.insert(block.end(), voice.begin(), voice.end());  // crosses a 512-byte piece boundary
  ASSERT_EQ(device.SendLong(block), kMidiOk);
  ASSERT_TRUE(device.SendShort(0x405DB2));

  const auto messages = monitor.Messages();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[0].bytes, systemOn);
  EXPECT_EQ(messages[1].bytes, voice);
  EXPECT_EQ(messages[2].bytes, voice);
  EXPECT_EQ(messages[3].bytes, test::Bytes({0xB2, 0x5D, 0x40}));
  EXPECT_LE(messages[0].time, messages[3].time);
}

TEST_F(MonitorBackendTest, KeepsOnlyTheLatestTenThousand) {
  ASSERT_TRUE(device.Open(0));
  int notified = 0;
  monitor.SetListener([&] { ++notified; });
  const auto volume = test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7});
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
  std::vector<std::uint8_t> answer;
  ASSERT_EQ(monitor.Input().Open(0,
                                 [&](std::span<const std::uint8_t> message) {
                                   answer.assign(message.begin(), message.end());
                                 }),
            kMidiOk);
  ASSERT_EQ(device.SendLong(test::Bytes({0xF0, 0x43, 0x30, 0x4C, 0x08, 0x03, 0x0B, 0xF7})),
            kMidiOk);
  EXPECT_EQ(answer, volume);
}

TEST_F(MonitorBackendTest, ThePairAnswersRequestsFromWhatItWasSentOnItsInput) {
  ASSERT_TRUE(device.Open(0));
  std::vector<std::vector<std::uint8_t>> answers;
  ASSERT_EQ(monitor.Input().Open(0,
                                 [&](std::span<const std::uint8_t> message) {
                                   answers.emplace_back(message.begin(), message.end());
                                 }),
            kMidiOk);
  const auto volume = test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7});
  const auto request = test::Bytes({0xF0, 0x43, 0x30, 0x4C, 0x08, 0x03, 0x0B, 0xF7});
  ASSERT_EQ(device.SendLong(volume), kMidiOk);
  ASSERT_EQ(device.SendLong(request), kMidiOk);
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0], volume) << "the parameter as it was sent";

  const auto messages = monitor.Messages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[1].direction, MonitoredMessage::Direction::Sent);
  EXPECT_EQ(messages[2].direction, MonitoredMessage::Direction::Answered);
  EXPECT_EQ(messages[2].bytes, volume);

  monitor.Input().Close();
  ASSERT_EQ(device.SendLong(request), kMidiOk);
  EXPECT_EQ(answers.size(), 1u) << "with the input closed the answer goes nowhere";
  EXPECT_EQ(monitor.Messages().back().direction, MonitoredMessage::Direction::Answered);

  // Not hearing, the pair keeps what is sent and answers nothing; hearing again, it answers from
  // what it heard before.
  ASSERT_EQ(monitor.Input().Open(0,
                                 [&](std::span<const std::uint8_t> message) {
                                   answers.emplace_back(message.begin(), message.end());
                                 }),
            kMidiOk);
  monitor.SetHearing(false);
  ASSERT_EQ(device.SendLong(test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x20, 0xF7})),
            kMidiOk);
  ASSERT_EQ(device.SendLong(request), kMidiOk);
  EXPECT_EQ(answers.size(), 1u);
  EXPECT_EQ(monitor.Messages().back().bytes, request);
  monitor.SetHearing(true);
  ASSERT_EQ(device.SendLong(request), kMidiOk);
  ASSERT_EQ(answers.size(), 2u);
  EXPECT_EQ(answers[1], volume) << "the change sent while not hearing was missed";
}

TEST_F(MonitorBackendTest, TheOutputAndTheInputAreEachTheOnePortRavloMonitor) {
  const std::vector<MidiPort> ports = device.Ports();
  ASSERT_EQ(ports.size(), 1u);
  EXPECT_EQ(ports[0].name, "Ravlo Monitor");
  std::string name;
  EXPECT_EQ(monitor.Input().PortCount(), 1);
  ASSERT_EQ(monitor.Input().PortName(0, name), kMidiOk);
  EXPECT_EQ(name, "Ravlo Monitor");
  EXPECT_EQ(monitor.Input().PortName(1, name), kMidiBadDeviceId);
  EXPECT_EQ(monitor.Input().Open(1, {}), kMidiBadDeviceId);
}

}  // namespace
}  // namespace ravlo
