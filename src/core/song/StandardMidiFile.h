#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ravlo {

// One event of a song: a channel message, or a whole system-exclusive
// message (the packets of a divided one joined).
struct SongEvent {
  static constexpr std::uint8_t kSysex = 0xF0;

  std::uint64_t tick = 0;
  std::uint8_t status = 0;  // 0x80 .. 0xEF, or kSysex
  std::uint8_t data1 = 0;
  std::uint8_t data2 = 0;
  // A sysex message's bytes, F0 .. F7, in the file's message store.
  std::uint32_t offset = 0;
  std::uint32_t length = 0;

  bool IsSysex() const { return status == kSysex; }
  // A note-on of velocity 0 is a note-off.
  bool IsNoteOn() const { return (status & 0xF0) == 0x90 && data2 > 0; }
  int Channel() const { return status & 0x0F; }
};

// A tempo from this tick on: microseconds per quarter note.
struct TempoChange {
  std::uint64_t tick = 0;
  std::uint32_t microsecondsPerQuarter = 0;
};

// A standard MIDI file read whole: the header, every track with its delta
// times, running status (kept across meta and sysex events, as the files
// that players accept rely on), meta events, sysex events and escapes. The
// channel messages and sysex messages of all tracks come out in the order
// they sound: by time, then by track, then as written; a format 2 file's
// tracks one after the other. Every read is checked against the chunk it
// belongs to.
class StandardMidiFile {
 public:
  // The file, or none with the reason in `error` for a file that breaks the
  // format (a missing header, a chunk cut short, an event past its chunk, a
  // status a file cannot hold, fewer tracks than announced). Bytes after
  // the announced tracks and after a track's End of Track are ignored.
  // What of the song is kept: every event, or what a setup can use (every
  // sysex message, and a channel's messages up to its first note-on in each
  // track: nothing after it comes before the channel's first note).
  enum class Keep { Everything, Setup };

  static std::optional<StandardMidiFile> Read(std::span<const std::uint8_t> image,
                                              std::string& error, Keep keep = Keep::Everything);

  int Format() const { return format_; }
  int TrackCount() const { return trackCount_; }
  const std::vector<SongEvent>& Events() const { return events_; }
  // The header's division: ticks per quarter note, or with bit 15 set the
  // SMPTE frame rate (negated, high byte) and ticks per frame (low byte).
  int Division() const { return division_; }
  // The Set Tempo events of all tracks, by time.
  const std::vector<TempoChange>& Tempos() const { return tempos_; }
  // The events, handed over; the file keeps its message store.
  std::vector<SongEvent> TakeEvents() { return std::move(events_); }
  // The bytes of a sysex event; empty for any other.
  std::span<const std::uint8_t> MessageBytes(const SongEvent& event) const;

 private:
  StandardMidiFile() = default;

  int format_ = 0;
  int trackCount_ = 0;
  int division_ = 0;
  std::vector<SongEvent> events_;
  std::vector<TempoChange> tempos_;
  std::vector<std::uint8_t> messages_;
};

}  // namespace ravlo
