#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ravlo {

inline constexpr std::size_t kSystemBlockSize = 7;
using SystemBytes = std::array<std::uint8_t, kSystemBlockSize>;

// XG addresses 00 00 00..06: master tune as four nibbles, master volume,
// master attenuator, transpose.
inline constexpr SystemBytes kDefaultSystemBlock{0x00, 0x04, 0x00, 0x00, 0x7F, 0x00, 0x40};

struct SystemValues {
  int tune = 0;       // -1024..1023
  int volume = 127;   // 0..127
  int transpose = 0;  // -24..24
};

class SystemBlock {
 public:
  static constexpr std::size_t kTune = 0;
  static constexpr std::size_t kVolume = 4;
  static constexpr std::size_t kAttenuator = 5;
  static constexpr std::size_t kTranspose = 6;
  static constexpr int kTuneMin = -1024;
  static constexpr int kTuneMax = 1023;
  static constexpr int kTransposeMin = -24;
  static constexpr int kTransposeMax = 24;

  void ResetToDefaults() { bytes_ = kDefaultSystemBlock; }

  const SystemBytes& Bytes() const { return bytes_; }
  SystemBytes& Bytes() { return bytes_; }

  // Decodes the tune, volume and transpose.
  SystemValues ReadSystemBlock() const;
  // Encodes them clamped to their ranges; the first tune nibble becomes 0.
  void WriteSystemBlock(const SystemValues& values);

  static std::array<std::uint8_t, 4> EncodeTune(int tune);
  static int DecodeTune(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
  static std::uint8_t EncodeTranspose(int transpose);
  static std::uint8_t EncodeVolume(int volume);

 private:
  SystemBytes bytes_ = kDefaultSystemBlock;
};

}  // namespace ravlo
