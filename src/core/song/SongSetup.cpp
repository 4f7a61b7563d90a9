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
  std::erase_if(events_, [&playing](const SongEvent& event) {
    if (event.IsSysex()) return false;
    bool& started = playing[static_cast<std::size_t>(event.Channel())];
    if (started) return true;
    started = event.IsNoteOn();
    return started;
  });
}

}  // namespace ravlo
