#include "song/StandardMidiFile.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "messages/HexDigit.h"

namespace ravlo {

namespace {

constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::uint32_t kHeaderDataSize = 6;
constexpr int kLastFormat = 2;
constexpr std::size_t kMaxLengthBytes = 4;
constexpr std::uint8_t kMeta = 0xFF;
constexpr std::uint8_t kEscape = 0xF7;
constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr std::uint8_t kSetTempo = 0x51;
constexpr std::uint32_t kTempoLength = 3;

std::uint32_t Big32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) << 24 |
         static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

int Big16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] << 8 | bytes[at + 1];
}

// Data bytes after a channel status: one for program change and channel
// pressure, two for the others.
std::size_t ChannelDataCount(std::uint8_t status) {
  const std::uint8_t kind = status & 0xF0;
  return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// What a song's tracks will hold: counted in a first pass, so that the
// second stores into room made once (a long song's lists never grow twice
// their size on the way).
struct SongSizes {
  std::size_t events = 0;
  std::size_t messageBytes = 0;
};

// Reads one track chunk into the song's events, never past the chunk; with
// `sizes`, it only counts what it would store.
class TrackReader {
 public:
  TrackReader(std::span<const std::uint8_t> image, std::size_t begin, std::size_t end, int track,
              StandardMidiFile::Keep keep, std::vector<SongEvent>& events,
              std::vector<std::uint8_t>& messages, std::vector<TempoChange>& tempos,
              SongSizes* sizes)
      : image_(image),
        position_(begin),
        end_(end),
        track_(track),
        keep_(keep),
        events_(events),
        messages_(messages),
        tempos_(tempos),
        sizes_(sizes) {}

  // The tick the track ends at (its End of Track, or its last event), or
  // none with the reason in `error`.
  std::optional<std::uint64_t> Read(std::uint64_t startTick, std::string& error);

 private:
  bool Fail(const std::string& what);
  bool Need(std::size_t count);
  bool ReadLength(std::uint32_t& value);
  bool ChannelMessage(std::uint8_t status);
  bool Meta(bool& endOfTrack);
  bool Sysex(std::uint8_t status);
  // The message under way has its last packet: it becomes an event.
  void Complete();
  void DropOpenMessage();
  // The store, or only its sizes while counting.
  void AddEvent(const SongEvent& event);
  std::size_t MessageBytes() const { return sizes_ ? sizes_->messageBytes : messages_.size(); }
  void AppendMessageBytes(std::span<const std::uint8_t> bytes);
  void CutMessageBytes(std::size_t size);

  std::span<const std::uint8_t> image_;
  std::size_t position_;
  std::size_t end_;
  int track_;
  StandardMidiFile::Keep keep_;
  // The channels that played a note in this track so far.
  std::array<bool, 16> played_{};
  std::vector<SongEvent>& events_;
  std::vector<std::uint8_t>& messages_;
  std::vector<TempoChange>& tempos_;
  SongSizes* sizes_;
  std::uint64_t tick_ = 0;
  std::string error_;
  // A divided sysex message waiting for its next packet, from here on in
  // the store.
  std::optional<std::size_t> open_;
};

bool TrackReader::Fail(const std::string& what) {
  error_ =
      "Track " + std::to_string(track_) + ", byte " + std::to_string(position_) + ": " + what + ".";
  return false;
}

bool TrackReader::Need(std::size_t count) {
  if (count <= end_ - position_) return true;
  return Fail("an event runs past the end of the track's chunk");
}

bool TrackReader::ReadLength(std::uint32_t& value) {
  value = 0;
  for (std::size_t i = 0; i < kMaxLengthBytes; ++i) {
    if (!Need(1)) return false;
    const std::uint8_t byte = image_[position_++];
    value = value << 7 | (byte & 0x7F);
    if (byte < 0x80) return true;
  }
  return Fail("a length is longer than four bytes");
}

bool TrackReader::ChannelMessage(std::uint8_t status) {
  const std::size_t count = ChannelDataCount(status);
  if (!Need(count)) return false;
  SongEvent event{tick_, status};
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t byte = image_[position_];
    if (byte >= 0x80) return Fail("a channel message holds a status byte where its data belongs");
    (i == 0 ? event.data1 : event.data2) = byte;
    ++position_;
  }
  bool& played = played_[static_cast<std::size_t>(event.Channel())];
  if (keep_ == StandardMidiFile::Keep::Setup && played) return true;
  played = played || event.IsNoteOn();
  AddEvent(event);
  return true;
}

bool TrackReader::Meta(bool& endOfTrack) {
  if (!Need(1)) return false;
  const std::uint8_t type = image_[position_++];
  std::uint32_t length = 0;
  if (!ReadLength(length) || !Need(length)) return false;
  if (type == kSetTempo && length == kTempoLength) {
    const std::uint32_t tempo = static_cast<std::uint32_t>(image_[position_]) << 16 |
                                image_[position_ + 1] << 8 | image_[position_ + 2];
    if (sizes_ == nullptr) tempos_.push_back({tick_, tempo});
  }
  position_ += length;
  endOfTrack = type == kEndOfTrack;
  return true;
}

bool TrackReader::Sysex(std::uint8_t status) {
  std::uint32_t length = 0;
  if (!ReadLength(length) || !Need(length)) return false;
  const auto data = image_.subspan(position_, length);
  position_ += length;
  const bool last = !data.empty() && data.back() == 0xF7;
  if (status == SongEvent::kSysex) {
    // A new message ends one that never got its last packet.
    DropOpenMessage();
    open_ = MessageBytes();
    const std::uint8_t start[] = {SongEvent::kSysex};
    AppendMessageBytes(start);
  } else if (!open_) {
    // An escape outside a divided message: any bytes at all; only a whole
    // message in it is one.
    if (data.empty() || data.front() != SongEvent::kSysex || !last) return true;
    open_ = MessageBytes();
  }
  AppendMessageBytes(data);
  if (last) Complete();
  return true;
}

void TrackReader::Complete() {
  SongEvent event{tick_, SongEvent::kSysex};
  event.offset = static_cast<std::uint32_t>(*open_);
  event.length = static_cast<std::uint32_t>(MessageBytes() - *open_);
  AddEvent(event);
  open_.reset();
}

void TrackReader::DropOpenMessage() {
  if (open_) CutMessageBytes(*open_);
  open_.reset();
}

void TrackReader::AddEvent(const SongEvent& event) {
  if (sizes_ != nullptr) {
    ++sizes_->events;
  } else {
    events_.push_back(event);
  }
}

void TrackReader::AppendMessageBytes(std::span<const std::uint8_t> bytes) {
  if (sizes_ != nullptr) {
    sizes_->messageBytes += bytes.size();
  } else {
    messages_.insert(messages_.end(), bytes.begin(), bytes.end());
  }
}

void TrackReader::CutMessageBytes(std::size_t size) {
  if (sizes_ != nullptr) {
    sizes_->messageBytes = size;
  } else {
    messages_.resize(size);
  }
}

std::optional<std::uint64_t> TrackReader::Read(std::uint64_t startTick, std::string& error) {
  tick_ = startTick;
  std::uint8_t running = 0;
  bool endOfTrack = false;
  bool ok = true;
  while (ok && !endOfTrack && position_ < end_) {
    std::uint32_t delta = 0;
    if (!ReadLength(delta) || !Need(1)) {
      ok = false;
      break;
    }
    tick_ += delta;
    std::uint8_t status = image_[position_];
    if (status < 0x80) {
      if (running == 0) {
        ok = Fail("a data byte has no status before it");
        break;
      }
      status = running;
    } else {
      ++position_;
    }
    if (status < 0xF0) {
      running = status;
      ok = ChannelMessage(status);
    } else if (status == kMeta) {
      ok = Meta(endOfTrack);
    } else if (status == SongEvent::kSysex || status == kEscape) {
      ok = Sysex(status);
    } else {
      --position_;
      ok = Fail(std::string("the status F") + HexDigit(status) + " has no place in a MIDI file");
    }
  }
  DropOpenMessage();
  if (!ok) {
    error = error_;
    return std::nullopt;
  }
  return tick_;
}

}  // namespace

std::optional<StandardMidiFile> StandardMidiFile::Read(std::span<const std::uint8_t> image,
                                                       std::string& error, Keep keep) {
  if (image.size() < 4 || std::memcmp(image.data(), "MThd", 4) != 0) {
    error = "The file is not a standard MIDI file: it does not start with an MThd header.";
    return std::nullopt;
  }
  if (image.size() < kChunkHeaderSize + kHeaderDataSize) {
    error = "The file is too short for a standard MIDI file: it has " +
            std::to_string(image.size()) + " bytes, its MThd header alone needs " +
            std::to_string(kChunkHeaderSize + kHeaderDataSize) + ".";
    return std::nullopt;
  }
  const std::uint32_t headerSize = Big32(image, 4);
  if (headerSize < kHeaderDataSize || headerSize > image.size() - kChunkHeaderSize) {
    error = "The MIDI file header announces " + std::to_string(headerSize) +
            " bytes, which the file does not hold.";
    return std::nullopt;
  }
  StandardMidiFile file;
  file.format_ = Big16(image, 8);
  file.trackCount_ = Big16(image, 10);
  file.division_ = Big16(image, 12);
  if (file.format_ > kLastFormat) {
    error = "The MIDI file has format " + std::to_string(file.format_) +
            "; only formats 0, 1 and 2 exist.";
    return std::nullopt;
  }
  // Counted first, then stored: the same reading twice, the second into room made once.
  SongSizes sizes;
  for (SongSizes* counting : {&sizes, static_cast<SongSizes*>(nullptr)}) {
    if (counting == nullptr) {
      file.events_.reserve(sizes.events);
      file.messages_.reserve(sizes.messageBytes);
    }
    std::size_t position = kChunkHeaderSize + headerSize;
    int tracks = 0;
    std::uint64_t nextStart = 0;
    while (tracks < file.trackCount_ && image.size() - position >= kChunkHeaderSize) {
      const bool track = std::memcmp(image.data() + position, "MTrk", 4) == 0;
      const std::uint32_t size = Big32(image, position + 4);
      const std::size_t body = position + kChunkHeaderSize;
      if (size > image.size() - body) {
        error = (track ? "Track " + std::to_string(tracks + 1) : std::string("A chunk")) +
                " is cut short: its chunk announces " + std::to_string(size) +
                " bytes, the file holds " + std::to_string(image.size() - body) + ".";
        return std::nullopt;
      }
      // Chunks of other kinds are skipped, as the format asks.
      if (track) {
        ++tracks;
        TrackReader reader(image, body, body + size, tracks, keep, file.events_, file.messages_,
                           file.tempos_, counting);
        // A format 2 file's tracks are patterns played one after the other.
        const auto end = reader.Read(file.format_ == kLastFormat ? nextStart : 0, error);
        if (!end) return std::nullopt;
        nextStart = *end;
      }
      position = body + size;
    }
    if (tracks < file.trackCount_) {
      error = "The MIDI file announces " + std::to_string(file.trackCount_) + " tracks and holds " +
              std::to_string(tracks) + ".";
      return std::nullopt;
    }
  }
  const auto byTick = [](const SongEvent& a, const SongEvent& b) { return a.tick < b.tick; };
  // One track, or tracks in turn, are in order already: no sorting room is needed then.
  if (!std::is_sorted(file.events_.begin(), file.events_.end(), byTick)) {
    std::stable_sort(file.events_.begin(), file.events_.end(), byTick);
  }
  std::stable_sort(file.tempos_.begin(), file.tempos_.end(),
                   [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
  return file;
}

std::span<const std::uint8_t> StandardMidiFile::MessageBytes(const SongEvent& event) const {
  if (!event.IsSysex()) return {};
  return std::span<const std::uint8_t>(messages_).subspan(event.offset, event.length);
}

}  // namespace ravlo
