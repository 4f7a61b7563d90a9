#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "song/StandardMidiFile.h"
#include "sound/SoundEngine.h"

namespace ravlo {

class VirtualSynth;

// Plays a song on a virtual synthesizer whose sound goes to `engine`: every
// event at its time (sysex through the synthesizer's image, channel
// messages as it takes them), and hands the sound on in pieces, ending with
// the tail that rings after the last event until it falls silent (at most
// kMaxTailSeconds).
class SongRenderer {
 public:
  using Sink = std::function<void(std::span<const float> left, std::span<const float> right)>;
  static constexpr double kMaxTailSeconds = 3.0;
  // Below this (-80 dB) a piece counts as silence.
  static constexpr float kSilence = 1e-4f;

  SongRenderer(VirtualSynth& synth, SoundEngine& engine, int sampleRate);

  // The song, then its tail; the frames handed on so far.
  std::uint64_t Play(const StandardMidiFile& song, const Sink& sink);
  // What still rings, until it falls silent.
  std::uint64_t RingOut(const Sink& sink);

 private:
  static constexpr std::size_t kPieceFrames = 1024;

  void RenderTo(std::uint64_t frame, const Sink& sink);
  // One piece; its loudest sample.
  float RenderPiece(std::size_t frames, const Sink& sink);

  VirtualSynth& synth_;
  SoundEngine& engine_;
  int sampleRate_;
  std::uint64_t rendered_ = 0;
  std::vector<float> left_;
  std::vector<float> right_;
};

}  // namespace ravlo
