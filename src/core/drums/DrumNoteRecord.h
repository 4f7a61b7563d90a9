#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "drums/DrumNoteTables.h"
#include "drums/DrumParameterTable.h"

namespace ravlo {

// A drum setup's storage: one record per note 13 .. 91, then the setup's 16-bit kit mask
// (low byte first).
inline constexpr std::size_t kDrumKitMaskPosition = kDrumNoteCount * kDrumNoteRecordSize;
inline constexpr std::size_t kDrumSetupStorageSize = kDrumKitMaskPosition + 2;
static_assert(kDrumSetupStorageSize == 1424);

// One stored drum note: the 16 parameters in record order and the kit membership word.
class DrumNoteRecord {
 public:
  using Bytes = std::array<std::uint8_t, kDrumNoteRecordSize>;

  DrumNoteRecord() = default;
  explicit DrumNoteRecord(const Bytes& bytes) : bytes_(bytes) {}

  // nullopt when fewer than 18 bytes are given; extra bytes are ignored.
  static std::optional<DrumNoteRecord> FromBytes(std::span<const std::uint8_t> bytes);
  // The record a note reset produces for a MIDI note in a kit; nullopt outside 13 .. 91.
  static std::optional<DrumNoteRecord> KitDefaults(std::uint16_t kitMask, int note);

  // Resets to the kit defaults; false (record unchanged) outside 13 .. 91.
  bool ResetToKitDefaults(std::uint16_t kitMask, int note);

  // The byte at an XG address; 0xFF (no such parameter) outside 0x00 .. 0x0F.
  std::uint8_t Parameter(int address) const;
  // False (record unchanged) outside 0x00 .. 0x0F.
  bool SetParameter(int address, std::uint8_t value);

  // The 16 parameters in address order, as a bulk dump carries them.
  DrumParameterBytes Parameters() const;
  // Takes 16 bytes in address order; false (record unchanged) when fewer are given.
  bool SetParameters(std::span<const std::uint8_t> addressOrdered);

  std::uint16_t KitWord() const;
  void SetKitWord(std::uint16_t kitWord);

  const Bytes& Raw() const { return bytes_; }
  // Writes the 18 bytes; false when the destination is shorter.
  bool CopyTo(std::span<std::uint8_t> destination) const;

  friend bool operator==(const DrumNoteRecord&, const DrumNoteRecord&) = default;

 private:
  Bytes bytes_{};
};

}  // namespace ravlo
