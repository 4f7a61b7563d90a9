#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "effects/EffectKind.h"
#include "effects/EffectRow.h"
#include "effects/EffectTypeTables.h"

namespace ravlo {

// The program's current values of all 70 effect types, kept per type so that switching a block
// to another type and back brings back the values as last edited; the block's type index (held
// elsewhere) says which row is live. Also the Variation settings of each of the 46 Variation
// types. Sends nothing: callers send, then store here.
class EffectRows {
 public:
  // Every row and every settings block at its defaults.
  EffectRows();

  // Every current row := its default row; every Variation settings block := the fixed defaults.
  void ResetAll();

  // A copy of the type's current row; nothing for a bad kind or index.
  std::optional<EffectRow> GetEffectRow(EffectKind kind, std::size_t type) const;

  // Reverb, Chorus: writes slots 2 .. end; the type MSB/LSB slots keep their values whatever the
  // row holds there. Variation: writes all 16 values. Refused (false, nothing written) for a bad
  // index, a row of the wrong length, or a Reverb/Chorus value outside 0..255.
  bool PutEffectRow(EffectKind kind, std::size_t type, const EffectRow& row);
  // One value of a stored row, taken as PutEffectRow would take it in its
  // row; gives the value it replaced, or nothing when refused.
  std::optional<int32_t> PutEffectValue(EffectKind kind, std::size_t type, std::size_t index,
                                        int32_t value);

  // Current row := default row, every slot.
  bool ResetEffectRow(EffectKind kind, std::size_t type);

  std::optional<VariationSettings> GetVariationSettings(std::size_t type) const;
  // Refused for a bad index or a size other than 11.
  bool PutVariationSettings(std::size_t type, std::span<const uint8_t> settings);
  bool ResetVariationSettings(std::size_t type);

  // Connection and part act as one global setting: written into the settings of all 46 types.
  void SpreadConnectionAndPart(uint8_t connection, uint8_t part);

 private:
  std::array<ReverbRow, kReverbTypeCount> reverb_{};
  std::array<ChorusRow, kChorusTypeCount> chorus_{};
  std::array<VariationRow, kVariationTypeCount> variation_{};
  std::array<VariationSettings, kVariationTypeCount> settings_{};
};

}  // namespace ravlo
