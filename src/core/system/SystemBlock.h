#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "system/SystemParameters.h"

namespace ravlo {

inline constexpr std::size_t kSystemBlockSize = 7;
using SystemBytes = std::array<std::uint8_t, kSystemBlockSize>;

// XG addresses 00 00 00..06 as the parameter table's defaults give them:
// master tune as four nibbles, master volume, master attenuator, transpose.
constexpr SystemBytes BuildDefaultSystemBlock() {
  SystemBytes bytes{};
  for (const ParameterDescriptor& parameter : kSystemParameters) {
    const int value = parameter.defaultValue;
    if (parameter.form == WireForm::FourNibbles) {
      const auto nibbles = wire::EncodeFourNibbles(value);
      for (std::size_t i = 0; i < nibbles.size(); ++i) bytes[parameter.address + i] = nibbles[i];
    } else {
      bytes[parameter.address] = static_cast<std::uint8_t>(value);
    }
  }
  return bytes;
}
inline constexpr SystemBytes kDefaultSystemBlock = BuildDefaultSystemBlock();

// The system block's bytes. Writing is the model's business (SystemModel),
// which stores what went out and tells its observers.
class SystemBlock {
 public:
  const SystemBytes& Bytes() const { return bytes_; }

  // The shown value of a parameter (tune -1024..1023, transpose -24..24).
  int Value(SystemParameter parameter) const;

  // The wire bytes of a shown value, clamped to the parameter's range: one
  // byte, or the four tune nibbles (the first always 0).
  static std::array<std::uint8_t, 4> Encode(SystemParameter parameter, int shown);

 protected:
  void ResetBytes() { bytes_ = kDefaultSystemBlock; }
  // False (nothing written) when the bytes would reach past the block.
  bool PutBytes(std::size_t first, std::span<const std::uint8_t> bytes);

 private:
  SystemBytes bytes_ = kDefaultSystemBlock;
};

}  // namespace ravlo
