#include "system/SystemBlock.h"

#include <algorithm>

namespace ravlo {

const ParameterDescriptor* FindSystemParameter(int addressLow) {
  for (const ParameterDescriptor& parameter : kSystemParameters) {
    if (parameter.address == addressLow) return &parameter;
  }
  return nullptr;
}

int SystemBlock::Value(SystemParameter parameter) const {
  const ParameterDescriptor& info = SystemParameterInfo(parameter);
  const std::size_t at = info.address;
  const int stored =
      info.form == WireForm::FourNibbles
          ? wire::DecodeFourNibbles(bytes_[at], bytes_[at + 1], bytes_[at + 2], bytes_[at + 3])
          : bytes_[at];
  return info.Shown(stored);
}

std::array<std::uint8_t, 4> SystemBlock::Encode(SystemParameter parameter, int shown) {
  const ParameterDescriptor& info = SystemParameterInfo(parameter);
  const int stored = info.Stored(std::clamp(shown, info.minimum, info.maximum));
  if (info.form != WireForm::FourNibbles) return {static_cast<std::uint8_t>(stored), 0, 0, 0};
  return wire::EncodeFourNibbles(stored);
}

bool SystemBlock::PutBytes(std::size_t first, std::span<const std::uint8_t> bytes) {
  if (first > bytes_.size() || bytes.size() > bytes_.size() - first) return false;
  std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(first));
  return true;
}

}  // namespace ravlo
