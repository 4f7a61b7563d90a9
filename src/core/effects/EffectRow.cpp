#include "effects/EffectRow.h"

#include <algorithm>

namespace ravlo {

EffectRow::EffectRow(std::size_t length) : size_(length <= kMaxEffectRowLength ? length : 0) {}

EffectRow::EffectRow(std::span<const int32_t> values)
    : size_(values.size() <= kMaxEffectRowLength ? values.size() : 0) {
  std::copy_n(values.begin(), size_, values_.begin());
}

EffectRow::EffectRow(std::span<const uint8_t> values)
    : size_(values.size() <= kMaxEffectRowLength ? values.size() : 0) {
  std::copy_n(values.begin(), size_, values_.begin());
}

bool EffectRow::operator==(const EffectRow& other) const {
  return std::ranges::equal(Values(), other.Values());
}

}  // namespace ravlo
