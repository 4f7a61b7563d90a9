#include "effects/ExtendedEffectTypes.h"

#include <algorithm>

#include "effects/EffectLookups.h"
#include "effects/EffectTypeTables.h"

namespace ravlo {

namespace {

constexpr std::uint8_t R = static_cast<std::uint8_t>(EffectBlocks::Reverb);
constexpr std::uint8_t C = static_cast<std::uint8_t>(EffectBlocks::Chorus);
constexpr std::uint8_t V = static_cast<std::uint8_t>(EffectBlocks::Variation);

// The types the later instruments add, from the Effect Type List of their XG
// data lists (Reverb, Chorus and Variation/Insertion columns), in type number
// order. A type of the first level's tables keeps its own entry there.
constexpr std::array<ExtendedEffectType, kExtendedEffectTypeCount> kTypes = {{
    {"Hall M", 0x01, 0x06, R | V},
    {"Hall L", 0x01, 0x07, R | V},
    {"Room S", 0x02, 0x05, R | V},
    {"Room M", 0x02, 0x06, R | V},
    {"Room L", 0x02, 0x07, R | V},
    {"GM Plate", 0x04, 0x07, R | V},
    {"Canyon", 0x12, 0x00, R},
    {"Thru", 0x40, 0x00, C},
    {"GM Chorus 1", 0x41, 0x03, C | V},
    {"GM Chorus 2", 0x41, 0x04, C | V},
    {"GM Chorus 3", 0x41, 0x05, C | V},
    {"GM Chorus 4", 0x41, 0x06, C | V},
    {"FB Chorus", 0x41, 0x07, C | V},
    {"GM Flanger", 0x43, 0x07, C | V},
    {"Symphonic", 0x44, 0x00, C},
    {"Phaser 1", 0x48, 0x00, C},
    {"Auto Wah+Dist", 0x4E, 0x01, V},
    {"Auto Wah+OD", 0x4E, 0x02, V},
    {"Pitch Change 2", 0x50, 0x01, V},
    {"Harmonic Enhancer", 0x51, 0x00, V},
    {"Touch Wah 1", 0x52, 0x00, V},
    {"Touch Wah+Dist", 0x52, 0x01, V},
    {"Touch Wah 2", 0x52, 0x02, V},
    {"Touch Wah+OD", 0x52, 0x03, V},
    {"Compressor", 0x53, 0x00, V},
    {"Noise Gate", 0x54, 0x00, V},
    {"2-Way Rotary", 0x56, 0x00, V},
    {"Dist+2-Way Rotary", 0x56, 0x01, V},
    {"OD+2-Way Rotary", 0x56, 0x02, V},
    {"AmpSim+2-Way Rotary", 0x56, 0x03, V},
    {"Ensemble Detune", 0x57, 0x00, C | V},
    {"Ambience", 0x58, 0x00, V},
    {"Talking Modulation", 0x5D, 0x00, V},
    {"Lo-Fi", 0x5E, 0x00, V},
    {"Dist+Delay", 0x5F, 0x00, V},
    {"OD+Delay", 0x5F, 0x01, V},
    {"Comp+Dist+Delay", 0x60, 0x00, V},
    {"Comp+OD+Delay", 0x60, 0x01, V},
    {"Wah+Dist+Delay", 0x61, 0x00, V},
    {"Wah+OD+Delay", 0x61, 0x01, V},
}};

constexpr bool InNumberOrder() {
  for (std::size_t i = 1; i < kTypes.size(); ++i) {
    const int before = kTypes[i - 1].msb * 128 + kTypes[i - 1].lsb;
    if (before >= kTypes[i].msb * 128 + kTypes[i].lsb) return false;
  }
  return true;
}
static_assert(InNumberOrder(), "one entry per type number, in order");

// The extended types an insertion can run, in table order.
constexpr std::size_t kExtendedInsertionCount = static_cast<std::size_t>(std::count_if(
    kTypes.begin(), kTypes.end(), [](const ExtendedEffectType& t) { return (t.blocks & V) != 0; }));

const ExtendedEffectType* ExtendedInsertion(std::size_t index) {
  for (const ExtendedEffectType& type : kTypes) {
    if (!type.RunsIn(EffectKind::Variation)) continue;
    if (index-- == 0) return &type;
  }
  return nullptr;
}

}  // namespace

std::span<const ExtendedEffectType> ExtendedEffectTypes() {
  return kTypes;
}

std::optional<ExtendedEffectType> FindExtendedEffectType(EffectKind kind, std::uint8_t msb,
                                                         std::uint8_t lsb) {
  if (FindEffectType(kind, msb, lsb)) return std::nullopt;
  for (const ExtendedEffectType& type : kTypes) {
    if (type.msb == msb && type.lsb == lsb && type.RunsIn(kind)) return type;
  }
  return std::nullopt;
}

std::size_t InsertionTypeCount() {
  return kVariationTypeCount + kExtendedInsertionCount;
}

std::string_view InsertionTypeName(std::size_t index) {
  if (index < kVariationTypeCount) return EffectTypeName(EffectKind::Variation, index);
  const ExtendedEffectType* type = ExtendedInsertion(index - kVariationTypeCount);
  return type != nullptr ? type->name : kEffectTypeNoneText;
}

std::array<std::uint8_t, 2> InsertionTypeNumber(std::size_t index) {
  if (index < kVariationTypeCount) return EffectTypeNumber(EffectKind::Variation, index);
  const ExtendedEffectType* type = ExtendedInsertion(index - kVariationTypeCount);
  if (type == nullptr) return {0, 0};
  return {type->msb, type->lsb};
}

std::optional<std::size_t> FindInsertionType(std::uint8_t msb, std::uint8_t lsb) {
  if (const auto basic = FindEffectType(EffectKind::Variation, msb, lsb)) return basic;
  for (std::size_t i = 0; i < kExtendedInsertionCount; ++i) {
    const ExtendedEffectType* type = ExtendedInsertion(i);
    if (type->msb == msb && type->lsb == lsb) return kVariationTypeCount + i;
  }
  return std::nullopt;
}

}  // namespace ravlo
