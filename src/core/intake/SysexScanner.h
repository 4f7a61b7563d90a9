#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace ravlo {

struct ScannedMessage {
  std::size_t offset = 0;  // where the message starts in the image
  std::size_t length = 0;  // F0 .. F7 inclusive
};

// Cuts an image into system-exclusive messages: the next F0, then the next
// F7. Bytes between messages are dropped; the scan ends at a message shorter
// than 3 bytes or when no F0 or F7 is left.
//
// In MIDI-file mode an F0 is only a candidate: it must be followed by a
// variable-length count n whose last byte lies n bytes before an F7. A valid
// event is turned into a plain message in place (the count's last byte
// becomes F0), which is why the image must be writable in that mode.
class SysexScanner {
 public:
  // A plain scan never writes to the image.
  static SysexScanner Plain(std::span<const std::uint8_t> image);
  static SysexScanner MidiFile(std::span<std::uint8_t> image);
  // The image starts with the four bytes "MThd".
  static bool IsMidiFile(std::span<const std::uint8_t> image);

  // The next message, or none when the scan has ended.
  std::optional<ScannedMessage> Next();

  std::span<const std::uint8_t> MessageBytes(const ScannedMessage& message) const {
    return {image_ + message.offset, message.length};
  }

 private:
  SysexScanner(std::uint8_t* image, std::size_t size, bool midiMode)
      : image_(image), size_(size), midiMode_(midiMode) {}

  std::optional<std::size_t> Find(std::uint8_t byte, std::size_t from) const;
  // MIDI mode: turns the candidate at `start` into a message start, or says
  // where to search on.
  enum class Candidate { Event, Skip, End };
  Candidate ExamineEvent(std::size_t start, std::size_t& messageStart);

  std::uint8_t* image_;
  std::size_t size_;
  bool midiMode_;
  std::size_t position_ = 0;
  bool ended_ = false;
};

}  // namespace ravlo
