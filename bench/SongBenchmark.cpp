// Import Song Setup of a 100 KB song: reading the standard MIDI file and
// taking its setup in (sysex, and each channel's messages before its first
// note through the setters). Under 5 ms is the aim.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "intake/SysexIntake.h"
#include "messages/XgMessages.h"
#include "platform/ProgressLabel.h"
#include "song/SongSetup.h"
#include "support/ModelRig.h"

namespace ravlo::bench {
namespace {

constexpr std::size_t kSongSize = 100 * 1024;

void PutLength(std::vector<std::uint8_t>& out, std::size_t value) {
  std::uint8_t bytes[4];
  int count = 0;
  do {
    bytes[count++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value > 0 && count < 4);
  while (count > 1) out.push_back(static_cast<std::uint8_t>(bytes[--count] | 0x80));
  out.push_back(bytes[0]);
}

// A format 1 song as a sequencer writes one: a conductor track with the XG
// setup bar's sysex (part and effect changes, a display text), then one
// track per channel with its voice, controllers, RPN and NRPN before the
// notes, and notes until the file is 100 KB.
std::vector<std::uint8_t> Song() {
  std::vector<std::vector<std::uint8_t>> tracks(17);
  const auto sysex = [&](const XgMessage& message) {
    std::vector<std::uint8_t>& track = tracks[0];
    track.insert(track.end(), {0x00, 0xF0});
    PutLength(track, message.Size() - 1);
    track.insert(track.end(), message.Bytes().begin() + 1, message.Bytes().end());
  };
  const UnitNumber unit = UnitNumber::FromValue(0);
  for (int part = 0; part < 16; ++part) {
    for (int address : {0x0B, 0x0E, 0x12, 0x13, 0x15, 0x18}) {
      sysex(BuildParameterChange(
          unit, {0x08, static_cast<std::uint8_t>(part), static_cast<std::uint8_t>(address)},
          static_cast<std::uint8_t>(0x30 + part)));
    }
  }
  const std::uint8_t text[] = {'R', 'a', 'v', 'l', 'o'};
  sysex(BuildWideParameterChange(unit, {0x06, 0x00, 0x00}, text));
  sysex(BuildParameterChange(unit, {0x02, 0x01, 0x02}, 0x40));
  for (int channel = 0; channel < 16; ++channel) {
    std::vector<std::uint8_t>& track = tracks[static_cast<std::size_t>(channel) + 1];
    const auto cc = static_cast<std::uint8_t>(0xB0 | channel);
    track.insert(track.end(),
                 {0x00, cc, 0, 0, 0x00, cc, 32, 0, 0x00, static_cast<std::uint8_t>(0xC0 | channel),
                  static_cast<std::uint8_t>(channel * 5)});
    for (int controller : {7, 10, 11, 91, 93, 94, 1, 71, 74}) {
      track.insert(track.end(), {0x00, cc, static_cast<std::uint8_t>(controller), 0x50});
    }
    track.insert(track.end(), {0x00, cc, 101, 0, 0x00, cc, 100, 0,    0x00, cc, 6, 12,
                               0x00, cc, 99,  1, 0x00, cc, 98,  0x20, 0x00, cc, 6, 0x48});
  }
  for (std::size_t total = 0; total < kSongSize;) {
    // A note and its end (a note-on of velocity 0 in running status).
    for (int channel = 0; channel < 16 && total < kSongSize; ++channel, total += 7) {
      std::vector<std::uint8_t>& track = tracks[static_cast<std::size_t>(channel) + 1];
      const auto note = static_cast<std::uint8_t>(48 + (total / 7) % 24);
      track.insert(track.end(),
                   {0x10, static_cast<std::uint8_t>(0x90 | channel), note, 100, 0x30, note, 0});
    }
  }
  std::vector<std::uint8_t> file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 17, 0x01, 0xE0};
  for (std::vector<std::uint8_t>& track : tracks) {
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    for (int shift = 24; shift >= 0; shift -= 8) {
      file.push_back(static_cast<std::uint8_t>(track.size() >> shift));
    }
    file.insert(file.end(), track.begin(), track.end());
  }
  return file;
}

void BM_ImportSongSetup(benchmark::State& state) {
  test::BasicModelRig<> rig;
  test::CountingIntakeHost host;
  SilentProgress progress;
  SysexIntake intake(rig.model, rig.prompts, progress, host);
  intake.SetKeepExtensions(true);
  intake.SetUnrecognisedPolicy(SysexIntake::UnrecognisedPolicy::Report);
  const std::vector<std::uint8_t> song = Song();
  for (auto _ : state) {
    std::string error;
    const auto setup = SongSetup::Read(song, error);
    const IntakeResult result = intake.LoadSong(*setup, "");
    benchmark::DoNotOptimize(result.channelMessages);
  }
  state.counters["song_bytes"] = static_cast<double>(song.size());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * song.size()));
}
BENCHMARK(BM_ImportSongSetup)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ravlo::bench
