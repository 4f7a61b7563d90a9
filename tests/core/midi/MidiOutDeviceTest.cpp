#include <gtest/gtest.h>

#include <vector>

#include "midi/MidiOutDevice.h"
#include "support/Bytes.h"
#include "support/FakeMidiBackend.h"
#include "support/RecordingPrompts.h"

namespace ravlo {
namespace {

using test::SystemChange;
class MidiOutDeviceTest : public ::testing::Test {
 protected:
  test::FakeMidiBackend backend;
  test::RecordingPrompts prompts;
  MidiOutDevice device{backend, prompts};
};

TEST_F(MidiOutDeviceTest, OpensAnIndexOnceMinusOneIsTheDefaultPortAndAFailureClosesAll) {
  EXPECT_FALSE(device.Open(2));
  EXPECT_FALSE(device.Open(100));
  EXPECT_EQ(device.CurrentIndex(), -1);
  // Nothing is open: -1 is already "current", so nothing happens.
  EXPECT_TRUE(device.Open(-1));
  EXPECT_EQ(backend.opens, 0);
  EXPECT_TRUE(prompts.messages.empty()) << "beyond the last port is refused silently";
  EXPECT_EQ(device.SendLong(test::Bytes({0xF0, 0xF7})), kMidiInvalidHandle);
  ASSERT_TRUE(device.Open(1));
  EXPECT_TRUE(device.Open(1));
  EXPECT_EQ(backend.opens, 1);
  EXPECT_EQ(device.CurrentIndex(), 1);
  EXPECT_TRUE(device.Open(-1));
  EXPECT_EQ(backend.closes, 1) << "the open port is closed first";
  EXPECT_EQ(backend.resets, 1);
  EXPECT_EQ(backend.openIndex, -1);
  EXPECT_TRUE(device.IsOpen());

  backend.openResult = kMidiAllocated;
  EXPECT_FALSE(device.Open(1));
  EXPECT_EQ(prompts.messages, std::vector<std::string>{"fake error 4"});
  EXPECT_FALSE(device.IsOpen());
  EXPECT_EQ(device.CurrentIndex(), -1);
  EXPECT_EQ(device.SendLong(test::Bytes({0xF0, 0x7E, 0xF7})), kMidiInvalidHandle);
}

TEST_F(MidiOutDeviceTest, LongBlocksGoOutIn512BytePiecesFromAPoolOfBuffers) {
  EXPECT_EQ(device.SendLong({}), kMidiInvalidHandle) << "the port test comes first";
  ASSERT_TRUE(device.Open(0));
  EXPECT_EQ(device.SendLong({}), kMidiOk);
  EXPECT_TRUE(backend.pieces.empty());
  std::vector<std::uint8_t> block(1300);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 7);
  // The buffer that carried the short last piece takes a whole 512 again.
  for (int round = 0; round < 2; ++round) {
    backend.ClearSent();
    EXPECT_EQ(device.SendLong(block), kMidiOk);
    ASSERT_EQ(backend.pieces.size(), 3u);
    EXPECT_EQ(backend.pieces[0].size(), 512u);
    EXPECT_EQ(backend.pieces[1].size(), 512u);
    EXPECT_EQ(backend.Stream(), block);
  }
  // Refused pieces do not use up the pool.
  backend.sendResult = kMidiError;
  for (int i = 0; i < 40; ++i) EXPECT_EQ(device.SendLong(test::Bytes({0xF0, 0xF7})), kMidiError);
  backend.sendResult = kMidiOk;
  EXPECT_EQ(device.SendLong(test::Bytes({0xF0, 0xF7})), kMidiOk);

  // With every buffer queued nothing is sent and the result is 67.
  backend.ClearSent();
  backend.holdQueued = true;
  const auto message = SystemChange(0x7E, {0x00});
  for (int i = 0; i < MidiOutDevice::kBufferCount; ++i)
    ASSERT_EQ(device.SendLong(message), kMidiOk);
  EXPECT_EQ(device.SendLong(message), kMidiNotReady);
  EXPECT_EQ(backend.pieces.size(), static_cast<std::size_t>(MidiOutDevice::kBufferCount));
  // Another port starts with the whole pool free; the pieces already queued are kept.
  std::vector<std::uint8_t> huge(512 * 40, 0x22);
  for (int port : {1, 0}) {
    ASSERT_TRUE(device.Open(port));
    backend.ClearSent();
    EXPECT_EQ(device.SendLong(huge), kMidiNotReady);
    EXPECT_EQ(backend.pieces.size(), 32u);
  }
}

TEST_F(MidiOutDeviceTest, ShortMessagesReportTheirOwnErrors) {
  EXPECT_FALSE(device.SendShort(0x0040B0));
  EXPECT_EQ(prompts.messages.size(), 1u);
  ASSERT_TRUE(device.Open(0));
  EXPECT_TRUE(device.SendNoteOn(60, 100, 3));
  EXPECT_EQ(backend.ShortBytes(), (std::vector<std::vector<std::uint8_t>>{{0x93, 60, 100}}));
  backend.sendResult = kMidiError;
  EXPECT_FALSE(device.SendNoteOn(60, 0, 3));
  EXPECT_EQ(prompts.messages.size(), 2u);
}

TEST_F(MidiOutDeviceTest, PortsLeaveOutUnreadableNamesAndKeepTheirIndices) {
  test::FakeMidiBackend three({"One", "Two", "Three"});
  three.unreadableNames = {1};
  MidiOutDevice threePorts(three, prompts);
  const std::vector<MidiPort> ports = threePorts.Ports();
  ASSERT_EQ(ports.size(), 2u);
  EXPECT_EQ(std::tuple(ports[0].index, ports[1].index, ports[1].name), std::tuple(0, 2, "Three"));
  EXPECT_EQ(prompts.messages.size(), 1u);
  // The device count is taken once at construction.
  EXPECT_EQ(device.DeviceCount(), 2);
  test::FakeMidiBackend none(std::vector<std::string>{});
  MidiOutDevice empty(none, prompts);
  EXPECT_FALSE(empty.Open(0));
  EXPECT_TRUE(empty.Open(-1)) << "-1 equals the current index of a closed device";
}

}  // namespace
}  // namespace ravlo
