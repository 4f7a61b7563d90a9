#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "midi/MidiInDevice.h"
#include "midi/MidiOutDevice.h"
#include "midi/SysexAssembler.h"
#include "support/Bytes.h"
#include "support/FakeMidiBackend.h"
#include "support/FakeMidiInBackend.h"
#include "support/RecordingPrompts.h"

namespace ravlo {
namespace {

using test::Bytes;
using test::SystemChange;

using Messages = std::vector<std::vector<std::uint8_t>>;

Messages FeedAll(SysexAssembler& assembler, const std::vector<std::vector<std::uint8_t>>& pieces) {
  Messages out;
  for (const auto& piece : pieces) {
    assembler.Feed(piece,
                   [&](std::span<const std::uint8_t> m) { out.emplace_back(m.begin(), m.end()); });
  }
  return out;
}

TEST(SysexAssembler, JoinsPiecesSplitsBlocksAndDropsStrayBytes) {
  SysexAssembler assembler;
  const Messages out = FeedAll(assembler, {test::Bytes({0xF0, 0x43, 0x10}),
                                           test::Bytes({0x4C, 0xF7, 0xF0, 0x7E, 0xF7, 0xF0, 0x01}),
                                           test::Bytes({0x02, 0xF7})});
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0], test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0xF7}));
  EXPECT_EQ(out[1], test::Bytes({0xF0, 0x7E, 0xF7}));
  EXPECT_EQ(out[2], test::Bytes({0xF0, 0x01, 0x02, 0xF7}));
  EXPECT_FALSE(assembler.InMessage());

  // Stray bytes are dropped and a new start restarts the message.
  const Messages restarted =
      FeedAll(assembler, {test::Bytes({0x12, 0xF7, 0xF0, 0x01, 0xF0, 0x02, 0xF7, 0x33})});
  ASSERT_EQ(restarted.size(), 1u);
  EXPECT_EQ(restarted[0], test::Bytes({0xF0, 0x02, 0xF7}));

  // A reset forgets a half message.
  EXPECT_TRUE(FeedAll(assembler, {test::Bytes({0xF0, 0x01})}).empty());
  EXPECT_TRUE(assembler.InMessage());
  assembler.Reset();
  EXPECT_TRUE(FeedAll(assembler, {test::Bytes({0x02, 0xF7})}).empty());

  // A whole message keeps a status byte between as data; one longer than the bound is
  // dropped whole, in one piece or in several.
  EXPECT_EQ(FeedAll(assembler, {test::Bytes({0xF0, 0xF8, 0xF7})}),
            Messages{test::Bytes({0xF0, 0xF8, 0xF7})});
  for (const std::size_t length : {SysexAssembler::kMaxMessage, SysexAssembler::kMaxMessage + 1}) {
    SCOPED_TRACE(length);
    std::vector<std::uint8_t> whole(length, 0x11);
    whole.front() = 0xF0;
    whole.back() = 0xF7;
    const std::vector<std::uint8_t> rest(whole.begin() + 1, whole.end());
    const bool kept = length <= SysexAssembler::kMaxMessage;
    EXPECT_EQ(FeedAll(assembler, {whole}).size(), kept ? 1u : 0u);
    EXPECT_EQ(FeedAll(assembler, {test::Bytes({0xF0}), rest}).size(), kept ? 1u : 0u);
  }
}

TEST(MidiInDevice, MessagesOfTheOpenPortWaitInOrderUntilItCloses) {
  test::FakeMidiInBackend backend;
  test::RecordingPrompts prompts;
  MidiInDevice device(backend, prompts);
  EXPECT_FALSE(device.IsOpen());
  backend.Deliver(Bytes({0x90, 0x3C, 0x40}));
  EXPECT_FALSE(device.Queue().Take()) << "nothing arrives while no port is open";

  ASSERT_TRUE(device.Open(1));
  EXPECT_EQ(device.CurrentIndex(), 1);
  backend.Deliver(Bytes({0xF0, 0x01, 0xF7}));
  backend.Deliver(Bytes({0xF0, 0x02, 0xF7}));
  EXPECT_EQ(device.Queue().Take(), Bytes({0xF0, 0x01, 0xF7}));
  EXPECT_EQ(device.Queue().Take(), Bytes({0xF0, 0x02, 0xF7}));
  EXPECT_FALSE(device.Queue().Take());

  // Reopening the same port keeps it; -1 closes it.
  backend.Deliver(Bytes({0xF0, 0x01, 0xF7}));
  ASSERT_TRUE(device.Open(1));
  EXPECT_EQ(backend.opens, 1);
  ASSERT_TRUE(device.Open(-1));
  EXPECT_FALSE(device.IsOpen());
  EXPECT_EQ(backend.closes, 1);
  EXPECT_FALSE(device.Queue().Take()) << "what the closed port left is dropped";

  // A port that will not open is reported and none is open.
  ASSERT_TRUE(device.Open(0));
  backend.openResult = kMidiAllocated;
  EXPECT_FALSE(device.Open(1));
  EXPECT_FALSE(device.IsOpen());
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], "fake input error 4");
}

TEST(MidiInQueue, AFloodIsCutOffAtItsCapacity) {
  MidiInQueue queue;
  const auto message = Bytes({0xFE});
  for (std::size_t i = 0; i < MidiInQueue::kCapacity + 3; ++i) queue.Push(message);
  std::size_t taken = 0;
  while (queue.Take()) ++taken;
  EXPECT_EQ(taken, MidiInQueue::kCapacity);
}

TEST(MidiInQueue, AWaitEndsWithAMessagePushedFromAnotherThread) {
  MidiInQueue queue;
  EXPECT_FALSE(queue.WaitAndTake(std::chrono::milliseconds(0)));
  std::thread sender([&queue] { queue.Push(Bytes({0xF0, 0x7E, 0xF7})); });
  const auto message = queue.WaitAndTake(std::chrono::seconds(30));
  sender.join();
  EXPECT_EQ(message, Bytes({0xF0, 0x7E, 0xF7}));
}

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
