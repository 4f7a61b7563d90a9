#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "song/StandardMidiFile.h"

namespace ravlo {

// What a song sets up before it plays: every sysex message it holds (as a
// .mid open takes them), and for each channel the channel messages that
// come before the channel's first note-on, all in the song's order. What a
// channel does after its first note is the performance, not the setup.
class SongSetup {
 public:
  // The setup of the MIDI file `image`; none, with the reason in `error`,
  // for a file that breaks the format.
  static std::optional<SongSetup> Read(std::span<const std::uint8_t> image, std::string& error);

  const std::vector<SongEvent>& Events() const { return events_; }
  std::span<const std::uint8_t> MessageBytes(const SongEvent& event) const {
    return file_.MessageBytes(event);
  }

 private:
  explicit SongSetup(StandardMidiFile file);

  StandardMidiFile file_;
  std::vector<SongEvent> events_;
};

}  // namespace ravlo
