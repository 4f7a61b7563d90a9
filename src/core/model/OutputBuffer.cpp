#include "model/OutputBuffer.h"

#include <cstring>
#include <new>

namespace ravlo {

OutputBuffer::OutputBuffer(std::size_t capacityLimit) : capacityLimit_(capacityLimit) {}

bool OutputBuffer::Begin() {
  End();
  if (kGrowthStep > capacityLimit_) return false;
  data_.reset(new (std::nothrow) std::uint8_t[kGrowthStep]);
  if (!data_) return false;
  capacity_ = kGrowthStep;
  return true;
}

void OutputBuffer::End() {
  data_.reset();
  capacity_ = 0;
  length_ = 0;
}

bool OutputBuffer::EnsureRoom(std::size_t n) {
  if (!data_) return false;
  if (n <= capacity_ - length_) return true;
  // One step covers every message the program builds; a longer one (a
  // foreign message passed on) still fits by taking as many steps as needed.
  const std::size_t missing = n - (capacity_ - length_);
  const std::size_t steps = (missing + kGrowthStep - 1) / kGrowthStep;
  if (steps > (capacityLimit_ - capacity_) / kGrowthStep) return false;
  const std::size_t newCapacity = capacity_ + steps * kGrowthStep;
  std::unique_ptr<std::uint8_t[]> grown(new (std::nothrow) std::uint8_t[newCapacity]);
  if (!grown) return false;
  std::memcpy(grown.get(), data_.get(), length_);
  data_ = std::move(grown);
  capacity_ = newCapacity;
  return true;
}

bool OutputBuffer::Append(std::span<const std::uint8_t> bytes) {
  if (!EnsureRoom(bytes.size())) return false;
  if (!bytes.empty()) std::memcpy(data_.get() + length_, bytes.data(), bytes.size());
  length_ += bytes.size();
  return true;
}

}  // namespace ravlo
