#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "files/FileIo.h"
#include "files/SysexFile.h"
#include "intake/SysexIntake.h"
#include "song/SongClock.h"
#include "song/SongSetup.h"
#include "song/StandardMidiFile.h"
#include "support/Bytes.h"
#include "support/MemorySettings.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"
#include "support/ScratchDirectory.h"

namespace ravlo::test {
namespace {

namespace fs = std::filesystem;

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

// A song's setup taken in through the intake, as Import Song Setup does.
using Shorts = std::vector<std::vector<std::uint8_t>>;

// Channel messages one after another, each after no delta time.
Image AtOnce(const Shorts& messages) {
  Image events;
  for (const auto& message : messages) events = Join(events, Bytes({0x00}), message);
  return events;
}

class SongIntakeTest : public ModelFixture {
 protected:
  // The setup of a one-track song holding `events` (delta 0 each) before a
  // note on every channel.
  IntakeResult Import(const Image& events) {
    Image track = events;
    for (int channel = 0; channel < 16; ++channel) {
      track.insert(track.end(), {0x00, static_cast<std::uint8_t>(0x90 | channel), 60, 100});
    }
    std::string error;
    const auto setup = SongSetup::Read(MidiFile(Join(track, kEndOfTrack)), error);
    EXPECT_TRUE(setup) << error;
    return intake.LoadSong(*setup, directory.Path().string());
  }
  const PartRecord& Part(int part) const { return *model.Parts().Record(PartAt(part)); }
  PartModel& Parts() { return model.Parts(); }

  RecordingProgress progress;
  CountingIntakeHost host;
  SysexIntake intake{model, prompts, progress, host};
  ScratchDirectory directory{"ravlo-song"};
};

TEST_F(SongIntakeTest, VoicesAndControllersGoThroughTheChannelSetters) {
  // Bank 8/0, program 25, then volume, pan, reverb send, expression and modulation.
  const Shorts messages{{0xB2, 0, 8},   {0xB2, 32, 0},  {0xC2, 24},      {0xB2, 7, 70},
                        {0xB2, 10, 20}, {0xB2, 91, 90}, {0xB2, 11, 100}, {0xB2, 1, 12}};
  const IntakeResult result = Import(AtOnce(messages));
  EXPECT_EQ(result.channelMessages, 8u);
  EXPECT_EQ(result.channelMessagesLeft, 0u);
  EXPECT_EQ(model.Channels().Voice(ChannelAt(2)), (ChannelVoice{8, 25, 0}));
  EXPECT_EQ((std::array{Part(2)[0x01], Part(2)[0x02], Part(2)[0x03]}),
            (std::array<std::uint8_t, 3>{8, 0, 24}));
  EXPECT_EQ(Part(2)[0x0B], 70);
  EXPECT_EQ(Part(2)[0x0E], 20);
  EXPECT_EQ(Part(2)[0x13], 90);
  EXPECT_EQ(ChannelController(2, static_cast<int>(ControllerSlot::Expression)), 100);
  EXPECT_EQ(ChannelController(2, static_cast<int>(ControllerSlot::Modulation)), 12);
  // The synthesizer hears them as the setters send them.
  EXPECT_EQ(backend.ShortBytes(), messages);
  EXPECT_EQ(host.resets, 1) << "the auto reset goes first";
  EXPECT_TRUE(events.marks.IsRaised(RefreshMark::Part));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SongIntakeTest, RegisteredAndXgNonRegisteredParametersSetTheirPartParameters) {
  Import(Bytes({// Pitch bend sensitivity 12 on channel 1.
                0x00, 0xB0, 101, 0, 0x00, 0xB0, 100, 0, 0x00, 0xB0, 6, 12, 0x00, 0xB0, 38, 0,
                // Vibrato rate and filter cutoff on channel 2.
                0x00, 0xB1, 99, 1, 0x00, 0xB1, 98, 8, 0x00, 0xB1, 6, 0x50, 0x00, 0xB1, 98, 0x20,
                0x00, 0xB1, 6, 0x30,
                // The drum part on channel 10: the level of note 38, decay of note 36.
                0x00, 0xB9, 99, 0x1A, 0x00, 0xB9, 98, 38, 0x00, 0xB9, 6, 0x22, 0x00, 0xB9, 99, 0x17,
                0x00, 0xB9, 98, 36, 0x00, 0xB9, 6, 0x48}));
  EXPECT_EQ(Part(0)[0x23], 0x40 + 12);
  EXPECT_EQ(Part(1)[0x15], 0x50);
  EXPECT_EQ(Part(1)[0x18], 0x30);
  EXPECT_EQ(model.Drums().Note(0, NoteAt(38))->Parameter(0x02), 0x22);
  EXPECT_EQ(model.Drums().Note(0, NoteAt(36))->Parameter(0x0E), 0x48);
  EXPECT_EQ(model.Drums().Note(0, NoteAt(36))->Parameter(0x0F), 0x48);
  EXPECT_EQ(ChannelController(1, static_cast<int>(ControllerSlot::Brightness)), 0x30)
      << "the Controllers window follows the part";
  // Each as the part's own parameter change.
  EXPECT_EQ(Sent(),
            Join(PartChange(0, 0x23, 0x4C), PartChange(1, 0x15, 0x50), PartChange(1, 0x18, 0x30),
                 Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 38, 0x02, 0x22, 0xF7}),
                 Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 36, 0x0E, 0x48, 0xF7}),
                 Bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, 36, 0x0F, 0x48, 0xF7})));
}

TEST_F(SongIntakeTest, WhatTheModelCannotHoldIsLeftOutAndSaid) {
  const IntakeResult result =
      Import(Bytes({// A bend range of 30 semitones is beyond Bend Pitch Control (-24 .. 24).
                    0x00, 0xB0, 101, 0, 0x00, 0xB0, 100, 0, 0x00, 0xB0, 6, 30,
                    // Fine tuning has no part parameter; sustain and an unknown NRPN neither.
                    0x00, 0xB0, 100, 1, 0x00, 0xB0, 6, 0x50, 0x00, 0xB0, 64, 127, 0x00, 0xB0, 99,
                    0x05, 0x00, 0xB0, 98, 0x05, 0x00, 0xB0, 6, 1,
                    // A drum NRPN on a channel without a drum part.
                    0x00, 0xB3, 99, 0x1A, 0x00, 0xB3, 98, 38, 0x00, 0xB3, 6, 0x22}));
  EXPECT_EQ(Part(0)[0x23], 0x42) << "not approximated";
  EXPECT_EQ(result.channelMessagesLeft, 5u);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0],
            "5 channel messages of the song's setup have no place in the model and were left "
            "out; 7 were taken in.");
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.resets, 0) << "nothing changed, so the synthesizer is left alone";
}

TEST_F(SongIntakeTest, BankSelectsWaitForAProgramChangeAndResetAllControllersMonoAndPoly) {
  // A bank select alone changes nothing; a program change without one keeps
  // the bank the part plays.
  Import(Bytes({0x00, 0xB4, 0,    64, 0x00, 0xB5, 0,    8, 0x00, 0xC5, 3,    0x00, 0xC5,
                4,    0x00, 0xB6, 11, 30,   0x00, 0xB6, 1, 50,   0x00, 0xB6, 121,  0,
                0x00, 0xB6, 126,  1,  0x00, 0xB7, 126,  1, 0x00, 0xB7, 127,  0}));
  EXPECT_EQ(Part(4)[0x01], 0);
  EXPECT_EQ(model.Channels().Voice(ChannelAt(4)), ChannelTables::DefaultVoice(ChannelAt(4)));
  EXPECT_EQ(model.Channels().Voice(ChannelAt(5)), (ChannelVoice{8, 5, 0}));
  EXPECT_EQ(Part(5)[0x01], 8);
  EXPECT_EQ(ChannelController(6, static_cast<int>(ControllerSlot::Expression)), 127);
  EXPECT_EQ(ChannelController(6, static_cast<int>(ControllerSlot::Modulation)), 0);
  EXPECT_EQ(Part(6)[0x05], 0) << "mono";
  EXPECT_EQ(Part(7)[0x05], 1) << "mono, then poly again";
}

TEST_F(SongIntakeTest, SysexAndChannelMessagesInTheSongsOrderAndAsTheSongMeansThem) {
  // A part volume by sysex, then by controller: the later one stays.
  const Image sysex = PartChange(0, 0x0B, 0x10);
  Image events = Bytes({0x00, 0xF0, static_cast<int>(sysex.size() - 1)});
  events.insert(events.end(), sysex.begin() + 1, sysex.end());
  events.insert(events.end(), {0x00, 0xB0, 7, 0x60});
  const IntakeResult result = Import(events);
  EXPECT_EQ(result.counts.recognisedMessages, 1u);
  EXPECT_EQ(Part(0)[0x0B], 0x60);
  EXPECT_EQ(ChannelController(0, static_cast<int>(ControllerSlot::Volume)), 0x60);

  // Expression and modulation of a channel two parts share stay with the channel.
  const Image secondPartOnChannel4 = PartChange(5, 0x04, 4);
  Import(Join(Bytes({0x00, 0xB0, 10, 0,   0x00, 0xB1, 65, 127, 0x00, 0xB1, 5, 40,
                     0x00, 0xB3, 0,  127, 0x00, 0xB3, 32, 5,   0x00, 0xC3, 24}),
              Bytes({0x00, 0xF0, 8}), std::span(secondPartOnChannel4).subspan(1),
              Bytes({0x00, 0xB4, 11, 90, 0x00, 0xB4, 1, 20})));
  EXPECT_EQ(Part(0)[0x0E], 1) << "L63, not Random";
  EXPECT_EQ((std::array{Part(1)[0x67], Part(1)[0x68]}), (std::array<std::uint8_t, 2>{1, 40}));
  EXPECT_TRUE(Parts().IsDrumPart(PartAt(3)));
  EXPECT_EQ(model.Drums().Setup(1)->kitVoice, (DrumKitVoice{127, 24, 0}));
  EXPECT_EQ(ChannelController(4, static_cast<int>(ControllerSlot::Expression)), 90);
  EXPECT_EQ(ChannelController(4, static_cast<int>(ControllerSlot::Modulation)), 20);

  // Part 1 plays at tick 0: its program change by sysex at tick 16 is left alone.
  const Image program = PartChange(0, 0x03, 5);
  const Image volume = PartChange(1, 0x0B, 0x30);
  const Image track = Join(Bytes({0x00, 0x90, 60, 100, 0x10, 0xF0, 8}),
                           std::span(program).subspan(1), Bytes({0x00, 0xF0, 8}),
                           std::span(volume).subspan(1), Bytes({0x00, 0x91, 60, 100}), kEndOfTrack);
  std::string error;
  const auto setup = SongSetup::Read(MidiFile(track), error);
  ASSERT_TRUE(setup) << error;
  const IntakeResult performance = intake.LoadSong(*setup, directory.Path().string());
  EXPECT_EQ(performance.counts.recognisedMessages, 1u);
  EXPECT_EQ(Part(0)[0x03], 0);
  EXPECT_EQ(Part(1)[0x0B], 0x30);
}

TEST_F(SongIntakeTest, TheExtendedInstrumentTakesThePartEqNrpns) {
  const Image eq = Bytes({0x00, 0xB0, 99,   1,    0x00, 0xB0, 98,   0x30, 0x00, 0xB0,
                          6,    0x44, 0x00, 0xB0, 98,   0x35, 0x00, 0xB0, 6,    0x30});
  EXPECT_EQ(Import(eq).channelMessagesLeft, 2u) << "the first level has no part EQ";
  model.SetInstrument(InstrumentModel::Extended);
  EXPECT_EQ(Import(eq).channelMessagesLeft, 0u);
  EXPECT_EQ(Parts().PartValue(PartAt(0), 0x72), 0x44);
  EXPECT_EQ(Parts().PartValue(PartAt(0), 0x77), 0x30);
}

// Every file of the public test set, taken in as a song and opened as a
// file: what breaks the format is refused with its reason and leaves the
// model as it was, everything else goes in without a fault.

// The parts and channel rows, as the Part and Controllers windows show them.
std::vector<std::uint8_t> Shown(const XgModel& model) {
  std::vector<std::uint8_t> bytes;
  for (const PartRecord& record : model.Parts().Records()) {
    bytes.insert(bytes.end(), record.begin(), record.end());
  }
  for (int index = 0; index < MidiChannel::kCount; ++index) {
    const ChannelVoice voice = model.Channels().Voice(MidiChannel::FromIndex(index));
    const ControllerRow row = model.Channels().Controllers(MidiChannel::FromIndex(index));
    bytes.insert(bytes.end(), {voice.bankMsb, voice.program, voice.bankLsb});
    bytes.insert(bytes.end(), row.begin(), row.end());
  }
  return bytes;
}

struct RealSongsTest : ::testing::Test, ModelRig {
  RealSongsTest() { intake.SetUnrecognisedPolicy(SysexIntake::UnrecognisedPolicy::Report); }

  MemorySettings settings;
  RecordingProgress progress;
  CountingIntakeHost host;
  SysexIntake intake{model, prompts, progress, host};
  SysexFile file{model, intake, prompts, settings};
};

TEST_F(RealSongsTest, EveryTestFileImportsOrIsRefusedWithItsReason) {
  int imported = 0;
  int refused = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(RAVLO_TESTDATA_DIR) / "midi")) {
    const std::string path = entry.path().string();
    if (entry.path().extension() != ".mid") continue;
    model.ResetToDefaults();
    prompts.messages.clear();
    const std::vector<std::uint8_t> before = Shown(model);
    if (file.ReadSong(path)) {
      ++imported;
      EXPECT_EQ(file.CurrentPath(), path);
    } else {
      ++refused;
      ASSERT_EQ(prompts.messages.size(), 1u) << path;
      EXPECT_EQ(
          prompts.messages[0].rfind("The file " + path + " cannot be imported as a song. ", 0), 0u);
      EXPECT_EQ(Shown(model), before) << path;
    }
    // The existing .mid open of the same file keeps working.
    EXPECT_TRUE(file.Read(path)) << path;
  }
  // The set's corrupt, illegal and foreign files are refused; the rest import.
  EXPECT_EQ(refused, 17);
  EXPECT_EQ(imported, 55);
}

TEST_F(RealSongsTest, AnXgSongsVoiceIsWhatThePartWindowShows) {
  ASSERT_TRUE(file.ReadSong(std::string(RAVLO_TESTDATA_DIR) + "/midi/test-xg-doggy-40-00-30.mid"));
  EXPECT_EQ(model.Channels().Voice(MidiChannel::FromIndex(0)), (ChannelVoice{64, 0x31, 0}));
  EXPECT_EQ(model.Parts().PartVoiceName(PartIndex::FromIndex(0)).name, "Dog");
}

// The public list of every XG sound chooses each by bank select and program change: the extended
// model names every one of them, the basic model only its own.
TEST_F(RealSongsTest, EveryVoiceOfTheXgSoundListIsNamedWithTheExtendedModel) {
  std::vector<std::uint8_t> image;
  const std::string path = std::string(RAVLO_TESTDATA_DIR) + "/midi/test-all-xg-sounds.mid";
  ASSERT_TRUE(ReadWholeFile(path, image).ok);
  std::string error;
  const std::optional<StandardMidiFile> song = StandardMidiFile::Read(image, error);
  ASSERT_TRUE(song.has_value()) << error;
  std::array<std::pair<int, int>, 16> banks{};
  std::set<std::tuple<int, int, int>> chosen;
  std::set<std::tuple<int, int, int>> basic;
  for (const SongEvent& event : song->Events()) {
    auto& [msb, lsb] = banks[static_cast<std::size_t>(event.Channel())];
    if ((event.status & 0xF0) == 0xB0 && event.data1 == 0) msb = event.data2;
    if ((event.status & 0xF0) == 0xB0 && event.data1 == 32) lsb = event.data2;
    if ((event.status & 0xF0) != 0xC0) continue;
    const int program = event.data1 + 1;
    SCOPED_TRACE(testing::Message() << msb << "/" << lsb << "/" << program);
    chosen.emplace(msb, lsb, program);
    EXPECT_NE(FindVoice(program, msb, lsb, model, InstrumentModel::Extended).index, -1);
    if (FindVoice(program, msb, lsb, model, InstrumentModel::Basic).index != -1) {
      basic.emplace(msb, lsb, program);
    }
  }
  EXPECT_EQ(chosen.size(), 1140u);
  EXPECT_EQ(basic.size(),
            488u);  // the basic catalogue's user slots and three voices are not listed
}

}  // namespace
}  // namespace ravlo::test
