#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "effects/EffectKind.h"

namespace ravlo {

// Which blocks may run a type: a mask of EffectKind bits. The insertion
// effects run the Variation block's types.
enum class EffectBlocks : std::uint8_t {
  Reverb = 1 << static_cast<int>(EffectKind::Reverb),
  Chorus = 1 << static_cast<int>(EffectKind::Chorus),
  Variation = 1 << static_cast<int>(EffectKind::Variation),
};

// One effect type that the later XG instruments add to the first level's
// tables. The tables give no default values for these types: a block that
// runs one keeps the values as they came or were edited.
struct ExtendedEffectType {
  std::string_view name;
  std::uint8_t msb;
  std::uint8_t lsb;
  std::uint8_t blocks;  // EffectBlocks bits

  constexpr bool RunsIn(EffectKind kind) const {
    return (blocks & (1u << static_cast<unsigned>(kind))) != 0;
  }
};

inline constexpr std::size_t kExtendedEffectTypeCount = 40;

// Every extended type, in type number order.
std::span<const ExtendedEffectType> ExtendedEffectTypes();

// The extended type a block of `kind` runs with that type number; none for a
// number of the first level's tables or one no list names.
std::optional<ExtendedEffectType> FindExtendedEffectType(EffectKind kind, std::uint8_t msb,
                                                         std::uint8_t lsb);

// The types an insertion effect can run, as its window lists them: the
// Variation table's types first, then the extended ones that run there.
std::size_t InsertionTypeCount();
std::string_view InsertionTypeName(std::size_t index);
// MSB, LSB; 00 00 past the list.
std::array<std::uint8_t, 2> InsertionTypeNumber(std::size_t index);
std::optional<std::size_t> FindInsertionType(std::uint8_t msb, std::uint8_t lsb);

}  // namespace ravlo
