// Random messages, bulk dumps of whole model images among them, go to a
// virtual synthesizer that plays on an engine through the mapping: every
// setting it sends stays within what the engine takes, and no note leaves
// its channels.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

#include "support/RecordingSoundEngine.h"
#include "synth/VirtualSynth.h"

namespace {

// Past any of these the mapping sent a value no XG byte can mean.
constexpr double kLargestSetting = 20000;

bool Sane(double value) {
  return std::isfinite(value) && std::fabs(value) <= kLargestSetting;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ravlo::test::RecordingSoundEngine engine;
  engine.presets = {{{0, 0}, "Piano"}, {{128, 0}, "Standard"}, {{8, 4}, "Variation"}};
  ravlo::VirtualSynth synth;
  synth.AttachSound(&engine);
  // The first byte splits the rest into messages: a whole image as the
  // intake takes it, then each piece as a message received.
  const std::span<const std::uint8_t> bytes(data, size);
  if (bytes.empty()) return 0;
  const std::size_t piece = 1 + bytes[0] % 32;
  std::vector<std::uint8_t> image(bytes.begin() + 1, bytes.end());
  synth.TakeIn(image);
  for (std::size_t at = 1; at < bytes.size(); at += piece) {
    synth.Receive(bytes.subspan(at, std::min(piece, bytes.size() - at)));
  }
  for (const auto& [key, value] : engine.settings) {
    if (!Sane(value) || key.first < 0 || key.first >= ravlo::SoundEngine::kPartChannels) {
      __builtin_trap();
    }
  }
  for (const auto& [setting, value] : engine.globals) {
    if (!Sane(value)) __builtin_trap();
  }
  for (const auto& note : engine.notes) {
    if (note.channel < 0 || note.channel >= ravlo::SoundEngine::kPartChannels || note.key > 127 ||
        note.velocity > 127 || !Sane(note.shape.attenuation) || !Sane(note.shape.cents)) {
      __builtin_trap();
    }
  }
  synth.AttachSound(nullptr);
  return 0;
}
