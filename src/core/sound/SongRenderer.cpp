#include "sound/SongRenderer.h"

#include <algorithm>
#include <cmath>

#include "song/SongClock.h"
#include "synth/VirtualSynth.h"

namespace ravlo {

SongRenderer::SongRenderer(VirtualSynth& synth, SoundEngine& engine, int sampleRate)
    : synth_(synth),
      engine_(engine),
      sampleRate_(sampleRate),
      left_(kPieceFrames),
      right_(kPieceFrames) {}

std::uint64_t SongRenderer::Play(const StandardMidiFile& song, const Sink& sink) {
  const SongClock clock(song);
  for (const SongEvent& event : song.Events()) {
    RenderTo(static_cast<std::uint64_t>(std::llround(clock.Seconds(event.tick) * sampleRate_)),
             sink);
    if (event.IsSysex()) {
      synth_.Receive(song.MessageBytes(event));
    } else {
      const std::uint8_t kind = event.status & 0xF0;
      const std::size_t size = kind == 0xC0 || kind == 0xD0 ? 2 : 3;
      const std::uint8_t bytes[] = {event.status, event.data1, event.data2};
      synth_.Receive(std::span<const std::uint8_t>(bytes, size));
    }
  }
  return RingOut(sink);
}

std::uint64_t SongRenderer::RingOut(const Sink& sink) {
  const auto tailEnd = rendered_ + static_cast<std::uint64_t>(kMaxTailSeconds * sampleRate_);
  while (rendered_ < tailEnd) {
    const auto frames =
        static_cast<std::size_t>(std::min<std::uint64_t>(kPieceFrames, tailEnd - rendered_));
    if (RenderPiece(frames, sink) < kSilence) break;
  }
  return rendered_;
}

void SongRenderer::RenderTo(std::uint64_t frame, const Sink& sink) {
  while (rendered_ < frame) {
    RenderPiece(static_cast<std::size_t>(std::min<std::uint64_t>(kPieceFrames, frame - rendered_)),
                sink);
  }
}

float SongRenderer::RenderPiece(std::size_t frames, const Sink& sink) {
  const std::span<float> left(left_.data(), frames);
  const std::span<float> right(right_.data(), frames);
  engine_.Render(left, right);
  rendered_ += frames;
  sink(left, right);
  float peak = 0;
  for (std::size_t i = 0; i < frames; ++i) {
    peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
  }
  return peak;
}

}  // namespace ravlo
