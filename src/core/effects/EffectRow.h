#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "effects/EffectTypeTables.h"

namespace ravlo {

inline constexpr std::size_t kMaxEffectRowLength = kChorusSlotCount;

// A copy of one effect type's row, in the shape its kind uses: Reverb 20 and Chorus 21 byte
// slots (slots 0 and 1 the type MSB and LSB), Variation Params 1..16 (up to 7150, hence int32).
// One value type for all three kinds lets kind-generic code pass rows around.
class EffectRow {
 public:
  EffectRow() = default;
  // A row of `length` zeros; a length above kMaxEffectRowLength gives an empty row, which no
  // kind accepts.
  explicit EffectRow(std::size_t length);
  // A copy of `values`; more than kMaxEffectRowLength values give an empty row.
  explicit EffectRow(std::span<const int32_t> values);
  // The same from byte slots.
  explicit EffectRow(std::span<const uint8_t> values);

  std::size_t Size() const { return size_; }
  std::span<const int32_t> Values() const { return {values_.data(), size_}; }
  std::span<int32_t> Values() { return {values_.data(), size_}; }
  // The value of one slot or parameter; 0 past the row's end.
  int32_t operator[](std::size_t i) const { return i < size_ ? values_[i] : 0; }

  bool operator==(const EffectRow& other) const;

 private:
  std::array<int32_t, kMaxEffectRowLength> values_{};
  std::size_t size_ = 0;
};

}  // namespace ravlo
