#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numeric>
#include <vector>

#include "FluidEngine.h"
#include "SoundFonts.h"
#include "song/StandardMidiFile.h"
#include "sound/SongRenderer.h"
#include "support/Bytes.h"
#include "synth/VirtualSynth.h"

namespace ravlo {
namespace {

using Message = std::vector<std::uint8_t>;
using test::Bytes;
using test::EffectChange;
using test::PartChange;

// A low rate keeps the renders quick; everything measured lies well below it.
constexpr int kRate = 22050;

struct Take {
  void Append(std::span<const float> moreLeft, std::span<const float> moreRight) {
    left.insert(left.end(), moreLeft.begin(), moreLeft.end());
    right.insert(right.end(), moreRight.begin(), moreRight.end());
  }
  std::vector<float> left;
  std::vector<float> right;
};

// The engine on the SoundFont the install script provides: without one
// these tests fail, they do not skip.
std::unique_ptr<FluidEngine> MakeEngine() {
  const std::string path = FindSoundFont("");
  if (path.empty()) {
    ADD_FAILURE() << kNoSoundFontText;
    return nullptr;
  }
  std::string error;
  auto engine = FluidEngine::Create(path, kRate, error);
  if (!engine) ADD_FAILURE() << error;
  return engine;
}

void RenderInto(SoundEngine& engine, double seconds, Take& take) {
  std::vector<float> left(static_cast<std::size_t>(seconds * kRate));
  std::vector<float> right(left.size());
  engine.Render(left, right);
  take.Append(left, right);
}

// The setup, then note 60 on channel 1 (or the note on `channel`) for 0.4 s
// and 1.2 s of what rings after it.
Take Play(const std::vector<Message>& setup, int note = 60, int channel = 0) {
  Take take;
  std::unique_ptr<FluidEngine> engine = MakeEngine();
  if (!engine) return take;
  VirtualSynth synth;
  synth.AttachSound(engine.get());
  for (const Message& message : setup) synth.Receive(message);
  synth.Receive(Bytes({0x90 | channel, note, 100}));
  RenderInto(*engine, 0.4, take);
  synth.Receive(Bytes({0x80 | channel, note, 0}));
  RenderInto(*engine, 1.2, take);
  synth.AttachSound(nullptr);
  return take;
}

double Rms(const std::vector<float>& samples, double from = 0, double to = 1e9) {
  const auto begin = std::min(samples.size(), static_cast<std::size_t>(from * kRate));
  const auto end = std::min(samples.size(), static_cast<std::size_t>(to * kRate));
  double sum = 0;
  for (std::size_t i = begin; i < end; ++i) sum += samples[i] * samples[i];
  return std::sqrt(sum / std::max<std::size_t>(end - begin, 1));
}

double Decibels(double ratio) {
  return 20 * std::log10(std::max(ratio, 1e-12));
}

// How bright a sound is: the RMS of its first difference over its RMS.
double Brightness(const std::vector<float>& samples) {
  std::vector<float> difference(samples.size());
  std::adjacent_difference(samples.begin(), samples.end(), difference.begin());
  return Rms(difference, 0.05, 0.4) / Rms(samples, 0.05, 0.4);
}

// The fundamental in hertz: the strongest autocorrelation between 100 and 1000 Hz.
double Pitch(const std::vector<float>& samples) {
  const std::size_t begin = kRate / 10;
  const std::size_t length = kRate / 5;
  double best = 0;
  std::size_t bestLag = 1;
  for (std::size_t lag = kRate / 1000; lag <= kRate / 100; ++lag) {
    double sum = 0;
    for (std::size_t i = begin; i < begin + length; ++i) sum += samples[i] * samples[i + lag];
    if (sum > best) {
      best = sum;
      bestLag = lag;
    }
  }
  return static_cast<double>(kRate) / static_cast<double>(bestLag);
}

TEST(SoundRender, WhatTheModelSaysIsHeard) {
  const Message hall = EffectChange(0x00, {0x01, 0x01});
  const Message longest = EffectChange(0x02, {69});
  const Message flute = PartChange(0, 0x03, 73);
  using Measure = double (*)(const Take& first, const Take& second);
  struct Case {
    const char* name;
    std::vector<Message> first;
    std::vector<Message> second;
    Measure measure;
    double atLeast;  // decibels, or for pitch the semitones within a quarter of one
  };
  const Case cases[] = {
      {"volume 20 is at least 12 dB under volume 100",
       {PartChange(0, 0x0B, 100)},
       {PartChange(0, 0x0B, 20)},
       [](const Take& first, const Take& second) {
         return Decibels(Rms(first.left) / Rms(second.left));
       },
       12},
      {"pan L63 is on the left (the reverb, in the middle, aside)",
       {PartChange(0, 0x0E, 1), PartChange(0, 0x13, 0)},
       {},
       [](const Take& first, const Take&) { return Decibels(Rms(first.left) / Rms(first.right)); },
       12},
      {"a full reverb send with a long reverb rings on",
       {hall, longest, PartChange(0, 0x13, 127)},
       {hall, longest, PartChange(0, 0x13, 0)},
       [](const Take& first, const Take& second) {
         return Decibels(Rms(first.left, 0.9, 1.6) / Rms(second.left, 0.9, 1.6));
       },
       6},
      {"an open filter is brighter than a closed one",
       {PartChange(0, 0x18, 0x40)},
       {PartChange(0, 0x18, 0x00)},
       [](const Take& first, const Take& second) {
         return Decibels(Brightness(first.left) / Brightness(second.left));
       },
       3},
      {"note shift moves the pitch by 7 semitones, within a quarter of one",
       {flute},
       {flute, PartChange(0, 0x08, 0x47)},
       [](const Take& first, const Take& second) {
         return -std::abs(12 * std::log2(Pitch(second.left) / Pitch(first.left)) - 7);
       },
       -0.25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Take first = Play(c.first);
    EXPECT_GT(Decibels(Rms(first.left, 0, 0.4)), -50) << "a note is heard";
    EXPECT_GE(c.measure(first, c.second.empty() ? first : Play(c.second)), c.atLeast);
  }
  // Which preset part 10 takes is the model's own test; here the SoundFont sounds it.
  EXPECT_GT(Decibels(Rms(Play({}, 38, 9).left, 0, 0.4)), -50) << "a drum part plays its kit";
}

TEST(SoundRender, ASongsSysexChangesWhatIsHeardMidSong) {
  // Two notes a second apart, and part 1's volume down to 10 between them.
  const Message quiet = PartChange(0, 0x0B, 10);
  const Message note = Bytes({0x00, 0x90, 60, 100, 0x81, 0x40, 0x80, 60, 0});
  std::string error;
  const auto song = StandardMidiFile::Read(
      test::MidiFile(test::Join(note, Bytes({0x00, 0xF0, static_cast<int>(quiet.size()) - 1}),
                                std::span(quiet).subspan(1), note, test::kEndOfTrack)),
      error);
  ASSERT_TRUE(song) << error;
  std::unique_ptr<FluidEngine> engine = MakeEngine();
  ASSERT_TRUE(engine);
  VirtualSynth synth;
  synth.AttachSound(engine.get());
  Take take;
  SongRenderer(synth, *engine, kRate).Play(*song, [&take](auto left, auto right) {
    take.Append(left, right);
  });
  synth.AttachSound(nullptr);
  EXPECT_GE(Decibels(Rms(take.left, 0.05, 0.4) / Rms(take.left, 1.05, 1.4)), 12);
  EXPECT_LE(take.left.size(), static_cast<std::size_t>((2 + SongRenderer::kMaxTailSeconds) * kRate))
      << "the tail ends";
}

}  // namespace
}  // namespace ravlo
