#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "midi/MidiInDevice.h"
#include "support/Bytes.h"
#include "support/FakeMidiInBackend.h"
#include "support/RecordingPrompts.h"

namespace ravlo {
namespace {

using test::Bytes;

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
  EXPECT_EQ(device.Ports().size(), 2u);
  EXPECT_EQ(device.Ports()[1].name, "In B");
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

}  // namespace
}  // namespace ravlo
