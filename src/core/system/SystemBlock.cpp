#include "system/SystemBlock.h"

#include <algorithm>

namespace ravlo {

SystemValues SystemBlock::ReadSystemBlock() const {
  return {DecodeTune(bytes_[0], bytes_[1], bytes_[2], bytes_[3]), bytes_[kVolume],
          bytes_[kTranspose] - 64};
}

void SystemBlock::WriteSystemBlock(const SystemValues& values) {
  const auto tune = EncodeTune(values.tune);
  std::copy(tune.begin(), tune.end(), bytes_.begin());
  bytes_[kVolume] = EncodeVolume(values.volume);
  bytes_[kTranspose] = EncodeTranspose(values.transpose);
}

std::array<std::uint8_t, 4> SystemBlock::EncodeTune(int tune) {
  const int u = std::clamp(tune + 1024, 0, 2047);
  return {0x00, static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>((u >> 4) & 15),
          static_cast<std::uint8_t>(u & 15)};
}

int SystemBlock::DecodeTune(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
  return (b0 << 12 | b1 << 8 | b2 << 4 | b3) - 1024;
}

std::uint8_t SystemBlock::EncodeTranspose(int transpose) {
  return static_cast<std::uint8_t>(std::clamp(transpose + 64, 0x28, 0x58));
}

std::uint8_t SystemBlock::EncodeVolume(int volume) {
  return static_cast<std::uint8_t>(std::clamp(volume, 0, 127));
}

}  // namespace ravlo
