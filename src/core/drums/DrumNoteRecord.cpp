#include "drums/DrumNoteRecord.h"

#include <algorithm>

#include "drums/DrumKits.h"

namespace ravlo {

std::optional<DrumNoteRecord> DrumNoteRecord::FromBytes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kDrumNoteRecordSize) return std::nullopt;
  Bytes raw{};
  std::copy_n(bytes.begin(), kDrumNoteRecordSize, raw.begin());
  return DrumNoteRecord(raw);
}

std::optional<DrumNoteRecord> DrumNoteRecord::KitDefaults(std::uint16_t kitMask, int note) {
  DrumNoteRecord record;
  if (!record.ResetToKitDefaults(kitMask, note)) return std::nullopt;
  return record;
}

bool DrumNoteRecord::ResetToKitDefaults(std::uint16_t kitMask, int note) {
  const std::optional<DrumParameterBytes> defaults = DrumNoteDefaultParameters(kitMask, note);
  if (!defaults) return false;
  SetParameters(*defaults);
  // The membership word always comes from the standard table, whatever the kit.
  SetKitWord(StandardKitWord(note));
  return true;
}

std::uint8_t DrumNoteRecord::Parameter(int address) const {
  const int position = DrumRecordPosition(address);
  return position < 0 ? 0xFF : bytes_[static_cast<std::size_t>(position)];
}

bool DrumNoteRecord::SetParameter(int address, std::uint8_t value) {
  const int position = DrumRecordPosition(address);
  if (position < 0) return false;
  bytes_[static_cast<std::size_t>(position)] = value;
  return true;
}

DrumParameterBytes DrumNoteRecord::Parameters() const {
  DrumParameterBytes parameters{};
  for (std::size_t position = 0; position < kDrumParameterCount; ++position) {
    parameters[kDrumRecordAddressOrder[position]] = bytes_[position];
  }
  return parameters;
}

bool DrumNoteRecord::SetParameters(std::span<const std::uint8_t> addressOrdered) {
  if (addressOrdered.size() < kDrumParameterCount) return false;
  for (std::size_t position = 0; position < kDrumParameterCount; ++position) {
    bytes_[position] = addressOrdered[kDrumRecordAddressOrder[position]];
  }
  return true;
}

std::uint16_t DrumNoteRecord::KitWord() const {
  return static_cast<std::uint16_t>(bytes_[kDrumKitWordPosition] |
                                    (bytes_[kDrumKitWordPosition + 1] << 8));
}

void DrumNoteRecord::SetKitWord(std::uint16_t kitWord) {
  bytes_[kDrumKitWordPosition] = static_cast<std::uint8_t>(kitWord & 0xFF);
  bytes_[kDrumKitWordPosition + 1] = static_cast<std::uint8_t>(kitWord >> 8);
}

bool DrumNoteRecord::CopyTo(std::span<std::uint8_t> destination) const {
  if (destination.size() < kDrumNoteRecordSize) return false;
  std::copy(bytes_.begin(), bytes_.end(), destination.begin());
  return true;
}

}  // namespace ravlo
