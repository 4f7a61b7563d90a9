// Drives the RtMidi backends through MidiOutDevice and MidiInDevice over a
// real JACK server, with an RtMidi input on JACK capturing what arrives and an
// RtMidi output of its own sending.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "JackCapture.h"
#include "JackServer.h"
#include "RtMidiBackend.h"
#include "RtMidiInBackend.h"
#include "messages/XgMessages.h"
#include "midi/MidiInDevice.h"
#include "midi/MidiOutDevice.h"
#include "support/RecordingPrompts.h"

namespace ravlo {
namespace {

using Message = test::JackCapture::Message;

Message BulkDump(std::uint8_t modelId, std::size_t count, std::uint8_t seed) {
  std::vector<std::uint8_t> data(count);
  for (std::size_t i = 0; i < count; ++i)
    data[i] = static_cast<std::uint8_t>((seed + i * 3) & 0x7F);
  const XgMessage message =
      BuildBulkDump(UnitNumber::FromValue(0), modelId, {0x11, seed, 0x00}, data);
  return {message.Bytes().begin(), message.Bytes().end()};
}

int IndexOf(const std::vector<MidiPort>& ports, const std::string& name) {
  for (const MidiPort& port : ports) {
    if (port.name == name) return port.index;
  }
  return -1;
}

TEST(JackTransport, EveryByteArrivesIntactAndInOrder) {
  test::JackServer server;
  ASSERT_TRUE(server.Running()) << server.Failure();
  test::JackCapture capture;

  RtMidiBackend backend("RavloTest");
  test::RecordingPrompts prompts;
  MidiOutDevice device(backend, prompts);
  const int captureIndex = IndexOf(device.Ports(), "RavloCapture:in");
  ASSERT_GE(captureIndex, 0) << "the capture port is listed among the outputs";
  ASSERT_TRUE(device.Open(captureIndex)) << (prompts.messages.empty() ? "" : prompts.messages[0]);

  // 392 + 392 + 392 + 124 = 1300 bytes in one block: three 512-byte pieces
  // that cut through messages.
  std::vector<Message> expected{{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}};
  ASSERT_EQ(device.SendLong(expected[0]), kMidiOk);
  Message block;
  for (const Message& part : {BulkDump(kQs300ModelId, 381, 1), BulkDump(kQs300ModelId, 381, 2),
                              BulkDump(kQs300ModelId, 381, 3), BulkDump(kXgModelId, 113, 4)}) {
    block.insert(block.end(), part.begin(), part.end());
    expected.push_back(part);
  }
  ASSERT_EQ(block.size(), 1300u);
  ASSERT_EQ(device.SendLong(block), kMidiOk);
  ASSERT_TRUE(device.SendNoteOn(60, 100, 0));
  ASSERT_TRUE(device.SendShort(PackControlChange(MidiChannel::FromIndex(2), 93, 64)));
  ASSERT_TRUE(device.SendShort(PackProgramChange(MidiChannel::FromIndex(1), 5)));
  expected.insert(expected.end(), {{0x90, 60, 100}, {0xB2, 0x5D, 0x40}, {0xC1, 0x04}});
  // The reset before a port is given up leaves no note hanging: All Notes
  // Off on every channel.
  backend.Reset();
  for (int channel = 0; channel < 16; ++channel) {
    expected.push_back({static_cast<std::uint8_t>(0xB0 | channel), 0x7B, 0x00});
  }

  std::size_t total = 0;
  for (const Message& message : expected) total += message.size();
  EXPECT_EQ(capture.WaitFor(total, std::chrono::seconds(10)), expected);
  EXPECT_TRUE(prompts.messages.empty());
  device.Close();
}

TEST(JackTransport, InputsArriveWholeAndNeitherListHoldsTheProgramsOwnPorts) {
  test::JackServer server;
  ASSERT_TRUE(server.Running()) << server.Failure();
  test::JackCapture capture;
  RtMidiOut source(RtMidi::UNIX_JACK, "RavloSource");
  source.openVirtualPort("out");

  test::RecordingPrompts prompts;
  RtMidiBackend outputs("RavloOwn");
  RtMidiInBackend inputs("RavloOwn");
  MidiOutDevice device(outputs, prompts);
  MidiInDevice input(inputs, prompts);
  const int from = IndexOf(input.Ports(), "RavloSource:out");
  ASSERT_GE(from, 0);
  ASSERT_TRUE(input.Open(from));
  const int to = IndexOf(device.Ports(), "RavloCapture:in");
  ASSERT_GE(to, 0);
  ASSERT_TRUE(device.Open(to));
  // Both ports of the program are open now, each a port the other could list.
  EXPECT_EQ(outputs.PortCount(), 1) << "only the capture: not our own input";
  EXPECT_EQ(inputs.PortCount(), 1) << "only the source: not our own output";

  const Message answer = BulkDump(kXgModelId, 63, 9);
  source.sendMessage(answer.data(), answer.size());
  // A guard against a hang, not a measure: the dump comes within a few cycles.
  const std::optional<MidiInQueue::Message> arrived =
      input.Queue().WaitAndTake(std::chrono::seconds(10));
  ASSERT_TRUE(arrived) << "the source's dump came in";
  EXPECT_EQ(*arrived, answer);
  EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace ravlo
