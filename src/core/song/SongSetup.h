#pragma once

#include <array>
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
  // Whether the channel (0 .. 15) has played its first note before the
  // event at `index` of Events(): a part on it then plays, and sysex for
  // the part is performance, no longer setup.
  bool HasStarted(int channel, std::size_t index) const;
  std::span<const std::uint8_t> MessageBytes(const SongEvent& event) const {
    return file_.MessageBytes(event);
  }

 private:
  explicit SongSetup(StandardMidiFile file);

  StandardMidiFile file_;
  std::vector<SongEvent> events_;
  // Per channel, the index of the first event after its first note.
  std::array<std::optional<std::size_t>, 16> starts_{};
};

}  // namespace ravlo
