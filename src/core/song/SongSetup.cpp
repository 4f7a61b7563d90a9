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
        starts_[static_cast<std::size_t>(event.Channel())] = events_.size();
        continue;
      }
    }
    events_.push_back(event);
  }
}

bool SongSetup::HasStarted(int channel, std::size_t index) const {
  if (channel < 0 || channel >= MidiChannel::kCount) return false;
  const std::optional<std::size_t>& start = starts_[static_cast<std::size_t>(channel)];
  return start && *start <= index;
}

}  // namespace ravlo
