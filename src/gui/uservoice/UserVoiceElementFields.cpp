#include "uservoice/UserVoiceElementFields.h"

#include <algorithm>

namespace ravlo {

namespace {

constexpr int kSevenBits = 128;

}  // namespace

PanView PanViewOf(int panByte) {
  if (panByte == kPanScaling) return {true, 0};
  return {false, std::clamp(panByte, 0, kPanSliderMaximum)};
}

int PanByteOf(const PanView& view) {
  return view.scaling ? kPanScaling : std::clamp(view.slider, 0, kPanSliderMaximum);
}

int FieldWidth(const ElementField& field) {
  return field.kind == FieldKind::Pair ? 2 : 1;
}

int ReadField(const ElementField& field, const UserVoiceElement& element) {
  const auto at = static_cast<std::size_t>(field.offset);
  if (field.kind == FieldKind::Pair)
    return (element[at] & 0x7F) * kSevenBits + (element[at + 1] & 0x7F);
  return element[at];
}

bool WriteField(const ElementField& field, int value, UserVoiceElement& element) {
  if (value < field.minimum || value > field.maximum) return false;
  const auto at = static_cast<std::size_t>(field.offset);
  if (field.kind == FieldKind::Pair) {
    element[at] = static_cast<std::uint8_t>(value / kSevenBits);
    element[at + 1] = static_cast<std::uint8_t>(value % kSevenBits);
  } else {
    element[at] = static_cast<std::uint8_t>(value);
  }
  return true;
}

std::span<const ElementField> FieldsOf(ElementPage page) {
  // The table keeps each dialog's fields together.
  const auto first = std::find_if(kElementFields.begin(), kElementFields.end(),
                                  [page](const ElementField& f) { return f.page == page; });
  const auto last = std::find_if(first, kElementFields.end(),
                                 [page](const ElementField& f) { return f.page != page; });
  return {first, last};
}

}  // namespace ravlo
