#include <gtest/gtest.h>

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

class MidiBackendChainTest : public ::testing::Test {
 protected:
  test::FakeMidiBackend platform{{"Synth A", "Synth B"}};
  MonitorBackend monitor;
  MidiBackendChain chain{{&platform, &monitor}};
  test::RecordingPrompts prompts;
};

TEST_F(MidiBackendChainTest, ListsThePlatformPortsThenTheMonitor) {
  MidiOutDevice device(chain, prompts);
  const auto ports = device.Ports();
  ASSERT_EQ(ports.size(), 3u);
  EXPECT_EQ(ports[0].name, "Synth A");
  EXPECT_EQ(ports[1].name, "Synth B");
  EXPECT_EQ(ports[2].name, "Ravlo Monitor");
}

TEST_F(MidiBackendChainTest, RoutesSendsToTheBackendThatOwnsTheOpenPort) {
  MidiOutDevice device(chain, prompts);
  ASSERT_TRUE(device.Open(2));
  ASSERT_EQ(device.SendLong(test::Bytes({0xF0, 0x7E, 0xF7})), kMidiOk);
  EXPECT_EQ(monitor.Messages().size(), 1u);
  EXPECT_TRUE(platform.pieces.empty());

  ASSERT_TRUE(device.Open(1));
  EXPECT_EQ(platform.openIndex, 1);
  ASSERT_EQ(device.SendLong(test::Bytes({0xF0, 0x7F, 0xF7})), kMidiOk);
  EXPECT_EQ(platform.Stream(), test::Bytes({0xF0, 0x7F, 0xF7}));
  EXPECT_EQ(monitor.Messages().size(), 1u);
}

TEST_F(MidiBackendChainTest, ErrorTextsComeFromTheBackendThatFailed) {
  MidiOutDevice device(chain, prompts);
  platform.openResult = kMidiAllocated;
  EXPECT_FALSE(device.Open(0));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], "fake error 4");
}

TEST_F(MidiBackendChainTest, MinusOneOpensTheFirstPort) {
  MidiBackendChain monitorOnly({&monitor});
  MidiOutDevice device(monitorOnly, prompts);
  ASSERT_TRUE(device.Open(0));
  ASSERT_TRUE(device.Open(-1));
  EXPECT_TRUE(device.IsOpen());
  EXPECT_EQ(device.SendLong(test::Bytes({0xF0, 0xF7})), kMidiOk);
}

TEST(MidiInBackendChain, ListsThePlatformInputsThenTheMonitorAndOpensInTheOwner) {
  test::FakeMidiInBackend platform({"Synth A Out"});
  MonitorBackend monitor;
  MidiInBackendChain chain({&platform, &monitor.Input()});
  test::RecordingPrompts prompts;
  MidiInDevice input(chain, prompts);
  const auto ports = input.Ports();
  ASSERT_EQ(ports.size(), 2u);
  EXPECT_EQ(ports[0].name, "Synth A Out");
  EXPECT_EQ(ports[1].name, "Ravlo Monitor");

  ASSERT_TRUE(input.Open(0));
  platform.Deliver(test::Bytes({0xF0, 0x01, 0xF7}));
  EXPECT_EQ(input.Queue().Take(), test::Bytes({0xF0, 0x01, 0xF7}));
  ASSERT_TRUE(input.Open(1));
  EXPECT_EQ(platform.closes, 1) << "the platform's port was given up";
  platform.Deliver(test::Bytes({0xF0, 0x02, 0xF7}));
  EXPECT_FALSE(input.Queue().Take());
  EXPECT_FALSE(input.Open(2));
  EXPECT_EQ(prompts.messages.back(), StandardMidiErrorText(kMidiBadDeviceId));
}

}  // namespace
}  // namespace ravlo
