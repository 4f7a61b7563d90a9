#include "parts/PartMuting.h"

#include <array>
#include <cstdint>
#include <vector>

#include "parts/PartModel.h"

namespace ravlo::part_muting {

namespace {

constexpr std::uint8_t kNotesOff = 0;
constexpr std::uint8_t kNotesOn = 1;

PartIndex PartAt(int index) {
  return PartIndex::FromIndex(index);
}

}  // namespace

bool IsMuted(const PartModel& parts, PartIndex part) {
  std::uint8_t value = kNotesOn;
  return parts.GetPartByte(part, kReceiveNoteAddress, value) && value == kNotesOff;
}

bool AnyMuted(const PartModel& parts) {
  for (int index = 0; index < parts.Count(); ++index) {
    if (IsMuted(parts, PartAt(index))) return true;
  }
  return false;
}

bool IsSoloed(const PartModel& parts, PartIndex part) {
  if (!parts.IsPart(part) || IsMuted(parts, part) || parts.Count() < 2) return false;
  for (int index = 0; index < parts.Count(); ++index) {
    if (index != part.Index() && !IsMuted(parts, PartAt(index))) return false;
  }
  return true;
}

bool SetMuted(PartModel& parts, PartIndex part, bool muted) {
  if (!parts.IsPart(part)) return false;
  if (IsMuted(parts, part) == muted) return true;
  return parts.SetPartParameter(part, kReceiveNoteAddress, muted ? kNotesOff : kNotesOn);
}

bool SetSoloed(PartModel& parts, PartIndex part, bool soloed) {
  if (!parts.IsPart(part)) return false;
  for (int index = 0; index < parts.Count(); ++index) {
    const bool muted = soloed && index != part.Index();
    if (!SetMuted(parts, PartAt(index), muted)) return false;
  }
  return true;
}

void WithMutesLifted(PartModel& parts, const std::function<void()>& save) {
  std::vector<PartIndex> muted;
  for (int index = 0; index < parts.Count(); ++index) {
    if (IsMuted(parts, PartAt(index))) muted.push_back(PartAt(index));
  }
  const auto store = [&parts, &muted](std::uint8_t value) {
    const std::array<std::uint8_t, 1> bytes{value};
    for (PartIndex part : muted) parts.StorePartBytes(part, kReceiveNoteAddress, bytes);
  };
  store(kNotesOn);
  save();
  store(kNotesOff);
}

}  // namespace ravlo::part_muting
