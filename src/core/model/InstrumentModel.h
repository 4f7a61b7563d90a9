#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ravlo {

// Which XG instrument the image stands for. Basic: the blocks and ranges of
// the first XG level (two drum setups, Reverb, Chorus and Variation). Extended:
// the later instruments' blocks and published ranges on top (insertion
// effects, multi EQ, four drum setups, part EQ, the display text, more
// effect types and voices).
enum class InstrumentModel : std::uint8_t { Basic, Extended };

// The names settings and the command line use.
constexpr std::string_view InstrumentModelName(InstrumentModel model) {
  return model == InstrumentModel::Extended ? "extended" : "basic";
}

constexpr std::optional<InstrumentModel> InstrumentModelFromName(std::string_view name) {
  if (name == "basic") return InstrumentModel::Basic;
  if (name == "extended") return InstrumentModel::Extended;
  return std::nullopt;
}

}  // namespace ravlo
