#pragma once

#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace ravlo::test {

// Byte vectors written as hex literals in tests.
std::vector<std::uint8_t> Bytes(std::initializer_list<int> values);

// Parameter changes written out by hand, F0 43 1n 4C ah am al data.. F7, so
// that expectations do not lean on the builders they check. Unit 0 unless told.
std::vector<std::uint8_t> SystemChange(int low, std::initializer_list<int> data, int unit = 0);
std::vector<std::uint8_t> EffectChange(int low, std::initializer_list<int> data);
std::vector<std::uint8_t> PartChange(int part, int address, int value);
std::vector<std::uint8_t> PartChange(int part, int address, std::initializer_list<int> data);

// The pieces one after another, as a stream or a file holds them.
template <typename... Pieces>
std::vector<std::uint8_t> Join(const Pieces&... pieces) {
  std::vector<std::uint8_t> joined;
  (joined.insert(joined.end(), std::begin(pieces), std::end(pieces)), ...);
  return joined;
}

// The end-of-track meta event after no delta time.
inline const std::vector<std::uint8_t> kEndOfTrack{0x00, 0xFF, 0x2F, 0x00};

// A standard MIDI file of format 0 around its one track.
std::vector<std::uint8_t> MidiFile(const std::vector<std::uint8_t>& track);
// A standard MIDI file of the format with these tracks, each in its chunk.
std::vector<std::uint8_t> MidiFile(int format,
                                   const std::vector<std::vector<std::uint8_t>>& tracks);

}  // namespace ravlo::test
