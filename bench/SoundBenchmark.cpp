// The built-in sound: applying a whole model image to the engine (every
// part's preset and settings, the system block, reverb and chorus; under
// 1 ms is the aim), and rendering a busy song, whose counter gives how many
// times faster than real time it goes.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "FluidEngine.h"
#include "SoundFonts.h"
#include "song/StandardMidiFile.h"
#include "sound/ModelSound.h"
#include "sound/SongRenderer.h"
#include "support/ModelRig.h"
#include "synth/VirtualSynth.h"

namespace ravlo::bench {
namespace {

constexpr int kRate = 44100;
constexpr int kSongSeconds = 10;

std::unique_ptr<FluidEngine> Engine(benchmark::State& state) {
  std::string error;
  const std::string path = FindSoundFont("");
  auto engine = path.empty() ? nullptr : FluidEngine::Create(path, kRate, error);
  if (!engine) state.SkipWithError(path.empty() ? kNoSoundFontText : error.c_str());
  return engine;
}

void BM_ApplyWholeImageToEngine(benchmark::State& state) {
  const std::unique_ptr<FluidEngine> engine = Engine(state);
  if (!engine) return;
  test::BasicModelRig<> rig;
  ModelSound sound(rig.model, *engine);
  for (auto _ : state) sound.ApplyAll();
}
BENCHMARK(BM_ApplyWholeImageToEngine)->Unit(benchmark::kMicrosecond);

// Sixteen channels on sixteen voices, a four-note chord on each every half
// second, with pitch bend and expression moving between.
std::vector<std::uint8_t> BusySong() {
  std::vector<std::uint8_t> track;
  for (int channel = 0; channel < 16; ++channel) {
    track.insert(track.end(), {0x00, static_cast<std::uint8_t>(0xC0 | channel),
                               static_cast<std::uint8_t>(channel * 7)});
  }
  for (int beat = 0; beat < 2 * kSongSeconds; ++beat) {
    for (int channel = 0; channel < 16; ++channel) {
      const auto on = static_cast<std::uint8_t>(0x90 | channel);
      const auto root = static_cast<std::uint8_t>(36 + channel * 3 + beat % 5);
      for (int step : {0, 4, 7, 12}) {
        track.insert(track.end(), {0x00, on, static_cast<std::uint8_t>(root + step), 90});
      }
      track.insert(track.end(), {0x00, static_cast<std::uint8_t>(0xE0 | channel), 0x00,
                                 static_cast<std::uint8_t>(0x38 + beat % 16)});
    }
    // 96 ticks at 120 beats a minute: half a second.
    track.insert(track.end(), {0x60, 0xB0, 11, static_cast<std::uint8_t>(80 + beat)});
    for (int channel = 0; channel < 16; ++channel) {
      track.insert(track.end(), {0x00, static_cast<std::uint8_t>(0xB0 | channel), 123, 0});
    }
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd', 0,  0,   0,   6,   0,
                                    0,   0,   1,   0,   96, 'M', 'T', 'r', 'k'};
  for (int shift = 24; shift >= 0; shift -= 8) {
    file.push_back(static_cast<std::uint8_t>(track.size() >> shift));
  }
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

void BM_RenderBusySong(benchmark::State& state) {
  const std::unique_ptr<FluidEngine> engine = Engine(state);
  if (!engine) return;
  std::string error;
  const std::optional<StandardMidiFile> song = StandardMidiFile::Read(BusySong(), error);
  std::uint64_t frames = 0;
  for (auto _ : state) {
    VirtualSynth synth;
    synth.AttachSound(engine.get());
    frames += SongRenderer(synth, *engine, kRate).Play(*song, [](auto, auto) {});
    synth.AttachSound(nullptr);
  }
  state.counters["x_realtime"] =
      benchmark::Counter(static_cast<double>(frames) / kRate, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderBusySong)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace ravlo::bench
