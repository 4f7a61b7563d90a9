// A song's setup taken in through the intake, as Import Song Setup does.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "intake/SysexIntake.h"
#include "song/SongSetup.h"
#include "support/ModelFixture.h"
#include "support/RecordingProgress.h"
#include "support/ScratchDirectory.h"

namespace ravlo::test {
namespace {

using Image = std::vector<std::uint8_t>;
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

}  // namespace
}  // namespace ravlo::test
