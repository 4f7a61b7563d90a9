#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "effects/EffectKind.h"
#include "effects/EffectParameters.h"
#include "effects/EffectRow.h"
#include "effects/EffectTypeTables.h"
#include "model/InstrumentModel.h"

namespace ravlo {

// Pure questions about the effect type tables. Indices outside a table give the "nothing"
// answer that each function names, never a read outside it.

// Shown for a type index that no table holds.
inline constexpr std::string_view kEffectTypeNoneText = "----";

// 12, 12, 46; 0 for a kind value outside the enumeration.
std::size_t EffectTypeCount(EffectKind kind);
// Values per row: Reverb 20 slots, Chorus 21 slots, Variation 16 parameters; 0 likewise.
std::size_t EffectRowLength(EffectKind kind);
// The type an XG reset selects: Reverb 1 "Hall 1", Chorus 1 "Chorus 1", Variation 20
// "Delay LCR".
std::size_t XgDefaultEffectType(EffectKind kind);

// The type's name; "----" for an index outside the kind's table.
std::string_view EffectTypeName(EffectKind kind, std::size_t type);

// The first type, counting from index 0, whose type number is (msb, lsb).
std::optional<std::size_t> FindEffectType(EffectKind kind, uint8_t msb, uint8_t lsb);

// The type number (MSB, LSB) that selects the type; 0 0 for a bad index.
std::array<std::uint8_t, 2> EffectTypeNumber(EffectKind kind, std::size_t type);

// A copy of the type's default row; nothing for a bad index.
std::optional<EffectRow> DefaultEffectRow(EffectKind kind, std::size_t type);

// The slots of a Reverb or Chorus row; none for the Variation kind, whose
// parameters depend on the type (VariationParameter).
std::span<const EffectSlot> EffectSlots(EffectKind kind);

// False for "None" and "Through", which have no parameters, and for an index outside the table.
bool VariationHasParams(std::size_t type);

// Descriptor number of parameter `param` (0..15) of a Variation type; 0 (not used) for a type
// of 46 or more or a parameter of 16 or more.
std::size_t VariationParamDescriptor(std::size_t type, std::size_t param);

// The descriptor's label. "Amp Type" is shown as the amp type that `ampType` (the current value
// of the parameter) selects; a value outside 0..3 keeps the plain label. Empty for a number
// outside the table.
std::string_view VariationParamLabel(std::size_t descriptor, int32_t ampType);

// The descriptor's minimum and maximum; nothing for 0 or a number outside the table.
std::optional<ParamRange> VariationParamRange(std::size_t descriptor);

// Variation parameter `param` (0..15) of a type as a descriptor: its address low, form, range,
// unit and label (the amp type's for "Amp Type"); no label, and the review name "*Unused*", for a
// parameter the type does not use. With the Extended model the later
// instruments' published ranges hold where they are wider.
ParameterDescriptor VariationParameter(std::size_t type, std::size_t param, int32_t ampType,
                                       InstrumentModel instrument = InstrumentModel::Basic);

// A parameter of a type the tables do not hold, as its raw value: "Parameter 3", the whole range
// the wire carries (0..16383 for Variation Params 1..10, else 0..127) and no unit, since nobody
// here knows what it means. `slotOrParam` is a Reverb or Chorus row slot or a Variation parameter
// index 0..15; the Reverb and Chorus slots that are none of Params 1..16 (Return, Pan, the send)
// keep their own descriptor, and the review keeps its names by address.
ParameterDescriptor UnknownTypeParameter(EffectKind kind, std::size_t slotOrParam);

// "Type_Off", "StackType", "ComboType", "TubeType" for 0..3.
std::optional<std::string_view> AmpTypeLabel(int32_t ampType);

}  // namespace ravlo
