#include "song/SongSetup.h"

#include <array>
#include <utility>

#include "model/Indices.h"

namespace ravlo {

std::optional<SongSetup> SongSetup::Read(std::span<const std::uint8_t> image, std::string& error) {
  std::optional<StandardMidiFile> file = StandardMidiFile::Read(image, error);
  if (!file) return std::nullopt;
  return SongSetup(std::move(*file));
}

SongSetup::SongSetup(StandardMidiFile file) : file_(std::move(file)) {
  std::array<bool, MidiChannel::kCount> playing{};
  for (const SongEvent& event : file_.Events()) {
    if (!event.IsSysex()) {
      bool& started = playing[static_cast<std::size_t>(event.Channel())];
      if (started) continue;
      if (event.IsNoteOn()) {
        started = true;
        continue;
      }
    }
    events_.push_back(event);
  }
}

}  // namespace ravlo
