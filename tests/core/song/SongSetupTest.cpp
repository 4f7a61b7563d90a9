#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "song/SongSetup.h"
#include "support/Bytes.h"

namespace ravlo::test {
namespace {

std::vector<std::vector<std::uint8_t>> ChannelMessages(const SongSetup& setup) {
  std::vector<std::vector<std::uint8_t>> messages;
  for (const SongEvent& event : setup.Events()) {
    if (event.IsSysex()) {
      const auto bytes = setup.MessageBytes(event);
      messages.emplace_back(bytes.begin(), bytes.end());
    } else {
      messages.push_back({event.status, event.data1, event.data2});
    }
  }
  return messages;
}

TEST(SongSetupTest, EachChannelsSetupEndsAtItsFirstNoteInWhicheverTrack) {
  // Channel 1 plays at tick 10; channel 2 only at tick 30. A note-on of
  // velocity 0 is a note-off and ends nothing; sysex counts wherever it is.
  const auto track =
      Join(Bytes({0x00, 0xC0, 5,   0x00, 0xB1, 7, 90, 0x00, 0x90, 60, 0, 0x0A,
                  0x90, 60,   100, 0x00, 0xB0, 7, 20, 0x00, 0xB1, 10, 3}),
           Bytes({0x14, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x00, 0x91, 64, 90, 0x00, 0xB1, 11, 40}),
           kEndOfTrack);
  std::string error;
  const auto setup = SongSetup::Read(MidiFile(track), error);
  ASSERT_TRUE(setup) << error;
  EXPECT_EQ(
      ChannelMessages(*setup),
      (std::vector<std::vector<std::uint8_t>>{
          {0xC0, 5, 0}, {0xB1, 7, 90}, {0x90, 60, 0}, {0xB1, 10, 3}, {0xF0, 0x7E, 0x7F, 0xF7}}));

  // Both tracks play channel 3; the note in the second track at tick 4 ends
  // the setup of the first track's channel 3 messages at tick 8.
  const auto first = Join(Bytes({0x00, 0xB2, 7, 80, 0x08, 0xB2, 10, 1}), kEndOfTrack);
  const auto second = Join(Bytes({0x00, 0xC2, 9, 0x04, 0x92, 50, 64}), kEndOfTrack);
  const auto shared = SongSetup::Read(MidiFile(1, {first, second}), error);
  ASSERT_TRUE(shared) << error;
  EXPECT_EQ(ChannelMessages(*shared),
            (std::vector<std::vector<std::uint8_t>>{{0xB2, 7, 80}, {0xC2, 9, 0}}));
  // A corrupt file has no setup.
  error.clear();
  EXPECT_FALSE(SongSetup::Read(Bytes({'M', 'T', 'h', 'd'}), error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace ravlo::test
