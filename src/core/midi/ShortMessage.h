#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace ravlo {

// A packed short message (status in bits 0..7, data in 8..15 and 16..23)
// unpacked into the bytes that travel on the wire.
class ShortMessage {
 public:
  explicit ShortMessage(std::uint32_t packed);

  std::span<const std::uint8_t> Bytes() const { return {bytes_.data(), size_}; }

  // "Control Change\tch 3\t93\t64" and the like, for the monitor of what was sent.
  std::string Describe() const;

  // How many bytes a message with this status byte has (0 for a data byte).
  static std::size_t LengthForStatus(std::uint8_t status);

 private:
  std::array<std::uint8_t, 3> bytes_{};
  std::size_t size_ = 0;
};

}  // namespace ravlo
