#include "midi/ShortMessage.h"

#include "parameters/ParameterDisplay.h"

namespace ravlo {

ShortMessage::ShortMessage(std::uint32_t packed)
    : bytes_{static_cast<std::uint8_t>(packed & 0xFF),
             static_cast<std::uint8_t>((packed >> 8) & 0x7F),
             static_cast<std::uint8_t>((packed >> 16) & 0x7F)},
      size_(LengthForStatus(bytes_[0])) {}

std::size_t ShortMessage::LengthForStatus(std::uint8_t status) {
  if (status < 0x80) return 0;
  if (status < 0xC0) return 3;  // note off/on, poly pressure, control change
  if (status < 0xE0) return 2;  // program change, channel pressure
  if (status < 0xF0) return 3;  // pitch bend
  switch (status) {
    case 0xF1:
    case 0xF3:
      return 2;
    case 0xF2:
      return 3;
    case 0xF0:
    case 0xF7:
      return 0;  // sysex never travels as a short message
    default:
      return 1;
  }
}

std::string ShortMessage::Describe() const {
  if (size_ == 0) return {};
  const std::uint8_t status = bytes_[0];
  if (status >= 0xF0) return "System";
  static constexpr const char* kKinds[] = {"Note Off",       "Note On",        "Poly Pressure",
                                           "Control Change", "Program Change", "Channel Pressure",
                                           "Pitch Bend"};
  std::string text = kKinds[(status >> 4) - 8];
  text += "\tch ";
  text += std::to_string((status & 0x0F) + 1);
  // Note messages name their note beside its number, as a keyboard reads it.
  const bool note = status < 0xB0;
  for (std::size_t i = 1; i < size_; ++i) {
    text += '\t';
    text += std::to_string(bytes_[i]);
    if (note && i == 1) {
      text += " (";
      text += NoteName(bytes_[i]);
      text += ')';
    }
  }
  return text;
}

}  // namespace ravlo
