#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "song/SongClock.h"
#include "song/StandardMidiFile.h"
#include "support/Bytes.h"

namespace ravlo::test {
namespace {

using Image = std::vector<std::uint8_t>;

StandardMidiFile ReadOrFail(const Image& image) {
  std::string error;
  std::optional<StandardMidiFile> file = StandardMidiFile::Read(image, error);
  EXPECT_TRUE(file.has_value()) << error;
  return file ? std::move(*file) : *StandardMidiFile::Read(MidiFile(kEndOfTrack), error);
}

std::string ErrorOf(const Image& image) {
  std::string error;
  EXPECT_FALSE(StandardMidiFile::Read(image, error).has_value());
  return error;
}

// "tick status data1 data2" for each channel event, "tick sysex <bytes>" for a message.
std::vector<std::string> Listing(const StandardMidiFile& file) {
  std::vector<std::string> lines;
  for (const SongEvent& event : file.Events()) {
    std::string line = std::to_string(event.tick);
    if (event.IsSysex()) {
      line += " sysex";
      for (std::uint8_t byte : file.MessageBytes(event)) line += " " + std::to_string(byte);
    } else {
      line += " " + std::to_string(event.status) + " " + std::to_string(event.data1) + " " +
              std::to_string(event.data2);
    }
    lines.push_back(line);
  }
  return lines;
}

TEST(StandardMidiFileTest, EventsRunningStatusDeltaTimesAndTheFormatsTrackOrder) {
  // A two-byte delta (0x81 0x00 = 128), running status over two notes, a
  // program change with running status, and a meta event between them that
  // keeps the running status, as the files players accept expect.
  const Image track = Join(Bytes({0x00, 0x90, 60,  100,  0x81, 0x00, 62,   0,    0x00, 0xFF, 0x01,
                                  0x02, 'h',  'i', 0x10, 64,   90,   0x00, 0xC1, 5,    0x05, 7}),
                           kEndOfTrack);
  const StandardMidiFile file = ReadOrFail(MidiFile(track));
  EXPECT_EQ(file.Format(), 0);
  EXPECT_EQ(Listing(file),
            (std::vector<std::string>{"0 144 60 100", "128 144 62 0", "144 144 64 90",
                                      "144 193 5 0", "149 193 7 0"}));

  // Format one: the tracks merge by time, then by track.
  const Image first = Join(Bytes({0x00, 0xB0, 7, 100, 0x10, 0xB0, 10, 30}), kEndOfTrack);
  const Image second =
      Join(Bytes({0x00, 0xB1, 7, 50, 0x08, 0xB1, 10, 20, 0x08, 0xB1, 11, 9}), kEndOfTrack);
  const StandardMidiFile merged = ReadOrFail(MidiFile(1, {first, second}));
  EXPECT_EQ(merged.TrackCount(), 2);
  EXPECT_EQ(Listing(merged), (std::vector<std::string>{"0 176 7 100", "0 177 7 50", "8 177 10 20",
                                                       "16 176 10 30", "16 177 11 9"}));
  // Format two: the tracks play one after the other.
  const Image one = Bytes({0x00, 0xC0, 1, 0x20, 0xFF, 0x2F, 0x00});
  const Image two = Join(Bytes({0x00, 0xC0, 2}), kEndOfTrack);
  EXPECT_EQ(Listing(ReadOrFail(MidiFile(2, {one, two}))),
            (std::vector<std::string>{"0 192 1 0", "32 192 2 0"}));
}

TEST(StandardMidiFileTest, SysexPacketsAndEscapesAndForeignChunksAndTrailingBytes) {
  const Image track = Join(
      // A whole message.
      Bytes({0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}),
      // A message in two packets, the second an escape.
      Bytes({0x00, 0xF0, 0x03, 0x43, 0x10, 0x4C, 0x10, 0xF7, 0x05, 0x00, 0x00, 0x7E, 0x00, 0xF7}),
      // An escape of other bytes, and one that carries a whole message.
      Bytes({0x00, 0xF7, 0x01, 0xF8, 0x00, 0xF7, 0x03, 0xF0, 0x01, 0xF7}),
      // A packet never finished: dropped when the next message starts.
      Bytes({0x00, 0xF0, 0x02, 0x43, 0x10, 0x00, 0xF0, 0x02, 0x01, 0xF7}), kEndOfTrack);
  EXPECT_EQ(Listing(ReadOrFail(MidiFile(track))),
            (std::vector<std::string>{"0 sysex 240 126 127 9 1 247",
                                      "16 sysex 240 67 16 76 0 0 126 0 247", "16 sysex 240 1 247",
                                      "16 sysex 240 1 247"}));

  Image file = MidiFile(Join(Bytes({0x00, 0xC0, 3}), kEndOfTrack, Bytes({0x00, 0xC0, 4})));
  // A chunk of another kind before the track, and a stray byte after it.
  const Image junk = Bytes({'J', 'u', 'n', 'k', 0, 0, 0, 2, 1, 2});
  file.insert(file.begin() + 14, junk.begin(), junk.end());
  file.push_back(0x2A);
  EXPECT_EQ(Listing(ReadOrFail(file)), std::vector<std::string>{"0 192 3 0"});
  // A track without its end-of-track event ends with its chunk.
  EXPECT_EQ(Listing(ReadOrFail(MidiFile(Bytes({0x00, 0xC0, 3})))),
            std::vector<std::string>{"0 192 3 0"});
}

TEST(StandardMidiFileTest, TicksSoundAtTheirTimesAndCorruptFilesAreRefusedWithTheReason) {
  // 96 ticks a quarter: 120 beats a minute, then at tick 192 one a second.
  const Image tempo =
      MidiFile(Bytes({0x81, 0x40, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, 0x00, 0xFF, 0x2F, 0x00}));
  Image frames = tempo;
  frames[12] = 0xE7;  // 25 frames a second, 40 ticks a frame
  frames[13] = 40;
  struct Case {
    const char* name;
    const Image& image;
    std::uint64_t tick;
    double seconds;
  };
  const Case cases[] = {{"before the first Set Tempo", tempo, 96, 0.5},
                        {"at the change", tempo, 192, 1.0},
                        {"after it", tempo, 288, 2.0},
                        {"frames ignore the tempo", frames, 1000, 1.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    const auto song = StandardMidiFile::Read(c.image, error);
    ASSERT_TRUE(song) << error;
    EXPECT_DOUBLE_EQ(SongClock(*song).Seconds(c.tick), c.seconds);
  }

  // Corrupt files are refused with the reason.
  const Image track = Join(Bytes({0x00, 0xC0, 3}), kEndOfTrack);
  EXPECT_EQ(ErrorOf(Bytes({'R', 'I', 'F', 'F'})),
            "The file is not a standard MIDI file: it does not start with an MThd header.");
  EXPECT_EQ(ErrorOf({}),
            "The file is not a standard MIDI file: it does not start with an MThd header.");
  EXPECT_EQ(ErrorOf(Bytes({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1})),
            "The file is too short for a standard MIDI file: it has 10 bytes, its MThd header "
            "alone needs 14.");

  // A truncated track: the chunk announces more than the file holds.
  Image truncated = MidiFile(track);
  truncated.pop_back();
  EXPECT_EQ(ErrorOf(truncated),
            "Track 1 is cut short: its chunk announces 7 bytes, the file holds 6.");

  // A wrong chunk length: too short for the events in it.
  Image shortChunk = MidiFile(track);
  shortChunk[21] = 5;
  EXPECT_EQ(ErrorOf(shortChunk),
            "Track 1, byte 27: an event runs past the end of the track's chunk.");

  // Fewer tracks than the header announces.
  Image oneOfTwo = MidiFile(1, {track, track});
  oneOfTwo.resize(MidiFile(track).size());
  EXPECT_EQ(ErrorOf(oneOfTwo), "The MIDI file announces 2 tracks and holds 1.");

  EXPECT_EQ(ErrorOf(MidiFile(3, {track})),
            "The MIDI file has format 3; only formats 0, 1 and 2 exist.");
  EXPECT_EQ(ErrorOf(MidiFile(Bytes({0x00, 60, 100}))),
            "Track 1, byte 23: a data byte has no status before it.");
  EXPECT_EQ(ErrorOf(MidiFile(Bytes({0x00, 0xF1, 0x01}))),
            "Track 1, byte 23: the status F1 has no place in a MIDI file.");
  EXPECT_EQ(ErrorOf(MidiFile(Bytes({0x00, 0x90, 60, 0x80}))),
            "Track 1, byte 25: a channel message holds a status byte where its data belongs.");
  EXPECT_EQ(ErrorOf(MidiFile(Bytes({0x81, 0x81, 0x81, 0x81, 0x00, 0xC0, 1}))),
            "Track 1, byte 26: a length is longer than four bytes.");
  Image longHeader = MidiFile(track);
  longHeader[7] = 0x40;
  EXPECT_EQ(ErrorOf(longHeader),
            "The MIDI file header announces 64 bytes, which the file does not hold.");
}

}  // namespace
}  // namespace ravlo::test
