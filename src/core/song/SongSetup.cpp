#include "song/SongSetup.h"

#include <array>
#include <utility>

#include "model/Indices.h"

namespace ravlo {

std::optional<SongSetup> SongSetup::Read(std::span<const std::uint8_t> image, std::string& error) {
  std::optional<StandardMidiFile> file =
      StandardMidiFile::Read(image, error, StandardMidiFile::Keep::Setup);
  if (!file) return std::nullopt;
  return SongSetup(std::move(*file));
}

SongSetup::SongSetup(StandardMidiFile file) : file_(std::move(file)), events_(file_.TakeEvents()) {
  // Filtered in place: a long song holds no second list of its events.
  std::array<bool, MidiChannel::kCount> playing{};
  std::size_t kept = 0;
  std::erase_if(events_, [&](const SongEvent& event) {
    if (!event.IsSysex()) {
      const auto channel = static_cast<std::size_t>(event.Channel());
      if (playing[channel]) return true;
      if (event.IsNoteOn()) {
        playing[channel] = true;
        starts_[channel] = kept;
        return true;
      }
    }
    ++kept;
    return false;
  });
}

bool SongSetup::HasStarted(int channel, std::size_t index) const {
  if (channel < 0 || channel >= MidiChannel::kCount) return false;
  const std::optional<std::size_t>& start = starts_[static_cast<std::size_t>(channel)];
  return start && *start <= index;
}

}  // namespace ravlo
