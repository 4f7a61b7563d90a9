#pragma once

#include <algorithm>
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

  // Value, Encode and PutBytes are here, in the header, because every
  // system edit runs them: inline, the setter costs no more than a message.

  // The shown value of a parameter (tune -1024..1023, transpose -24..24).
  int Value(SystemParameter parameter) const {
    const ParameterDescriptor& info = SystemParameterInfo(parameter);
    const std::size_t at = info.address;
    const int stored =
        info.form == WireForm::FourNibbles
            ? wire::DecodeFourNibbles(bytes_[at], bytes_[at + 1], bytes_[at + 2], bytes_[at + 3])
            : bytes_[at];
    return info.Shown(stored);
  }

  // The wire bytes of a shown value, clamped to the parameter's range: one
  // byte, or the four tune nibbles (the first always 0).
  static std::array<std::uint8_t, 4> Encode(SystemParameter parameter, int shown) {
    const ParameterDescriptor& info = SystemParameterInfo(parameter);
    const int stored = info.Stored(std::clamp(shown, info.minimum, info.maximum));
    if (info.form != WireForm::FourNibbles) return {static_cast<std::uint8_t>(stored), 0, 0, 0};
    return wire::EncodeFourNibbles(stored);
  }

 protected:
  void ResetBytes() { bytes_ = kDefaultSystemBlock; }
  // False (nothing written) when the bytes would reach past the block.
  bool PutBytes(std::size_t first, std::span<const std::uint8_t> bytes) {
    if (first > bytes_.size() || bytes.size() > bytes_.size() - first) return false;
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes_[first + i] = bytes[i];
    return true;
  }

 private:
  SystemBytes bytes_ = kDefaultSystemBlock;
};

}  // namespace ravlo
