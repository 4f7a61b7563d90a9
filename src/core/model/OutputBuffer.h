#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace ravlo {

// The recording of a save or review: messages back to back, exactly as they
// would have gone to the port, so the contents are a .syx image as they stand.
class OutputBuffer {
 public:
  static constexpr std::size_t kGrowthStep = 16384;
  // A ceiling far above any real save; reaching it is treated like a failed
  // allocation rather than letting a runaway pass eat the machine.
  static constexpr std::size_t kDefaultCapacityLimit = std::size_t{1} << 30;

  explicit OutputBuffer(std::size_t capacityLimit = kDefaultCapacityLimit);

  // Frees any old buffer and allocates one growth step.
  bool Begin();
  void End();
  bool IsActive() const { return data_ != nullptr; }

  // Grows in whole steps until length + n fits.
  bool EnsureRoom(std::size_t n);
  bool Append(std::span<const std::uint8_t> bytes);

  std::span<const std::uint8_t> Contents() const { return {data_.get(), length_}; }
  std::size_t Capacity() const { return capacity_; }
  std::size_t Length() const { return length_; }

 private:
  std::unique_ptr<std::uint8_t[]> data_;
  std::size_t capacity_ = 0;
  std::size_t length_ = 0;
  std::size_t capacityLimit_;
};

}  // namespace ravlo
