#include "support/Bytes.h"

namespace ravlo::test {
namespace {

std::vector<std::uint8_t> ParameterChange(int high, int mid, int low,
                                          std::initializer_list<int> data, int unit) {
  std::vector<std::uint8_t> message = Bytes({0xF0, 0x43, 0x10 + unit, 0x4C, high, mid, low});
  for (int value : data) message.push_back(static_cast<std::uint8_t>(value));
  message.push_back(0xF7);
  return message;
}

}  // namespace

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<std::uint8_t> bytes;
  for (int value : values) bytes.push_back(static_cast<std::uint8_t>(value));
  return bytes;
}

std::vector<std::uint8_t> SystemChange(int low, std::initializer_list<int> data, int unit) {
  return ParameterChange(0x00, 0x00, low, data, unit);
}

std::vector<std::uint8_t> EffectChange(int low, std::initializer_list<int> data) {
  return ParameterChange(0x02, 0x01, low, data, 0);
}

std::vector<std::uint8_t> PartChange(int part, int address, int value) {
  return PartChange(part, address, {value});
}

std::vector<std::uint8_t> PartChange(int part, int address, std::initializer_list<int> data) {
  return ParameterChange(0x08, part, address, data, 0);
}

std::vector<std::uint8_t> MidiFile(const std::vector<std::uint8_t>& track) {
  return MidiFile(0, {track});
}

std::vector<std::uint8_t> MidiFile(int format,
                                   const std::vector<std::vector<std::uint8_t>>& tracks) {
  // 96 ticks to the quarter note.
  const auto count = static_cast<int>(tracks.size());
  std::vector<std::uint8_t> file =
      Bytes({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, format, count >> 8, count & 0xFF, 0, 96});
  for (const std::vector<std::uint8_t>& track : tracks) {
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    const auto length = static_cast<std::uint32_t>(track.size());
    for (int shift = 24; shift >= 0; shift -= 8) {
      file.push_back(static_cast<std::uint8_t>(length >> shift));
    }
    file.insert(file.end(), track.begin(), track.end());
  }
  return file;
}

}  // namespace ravlo::test
