#include "effects/EffectLookups.h"

#include "effects/EffectAddresses.h"

namespace ravlo {
namespace {

template <typename Records>
std::optional<std::size_t> FindByteRowType(const Records& records, uint8_t msb, uint8_t lsb) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const auto& row = records[i].defaults;
    if (row[0] == msb && row[1] == lsb) return i;
  }
  return std::nullopt;
}

// The names of an unknown type's parameters, by number from 1.
constexpr std::array<std::string_view, kVariationParamCount> kRawParameterLabels = {
    "Parameter 1",  "Parameter 2",  "Parameter 3",  "Parameter 4",  "Parameter 5",  "Parameter 6",
    "Parameter 7",  "Parameter 8",  "Parameter 9",  "Parameter 10", "Parameter 11", "Parameter 12",
    "Parameter 13", "Parameter 14", "Parameter 15", "Parameter 16"};

// The parameter number 1..16 a Reverb or Chorus slot holds; 0 for the type
// number, Return, Pan and the send to Reverb.
std::size_t SlotParamNumber(EffectKind kind, std::size_t slot) {
  const std::size_t tail = kind == EffectKind::Reverb
                               ? static_cast<std::size_t>(ReverbSlot::Param11)
                               : static_cast<std::size_t>(ChorusSlot::Param11);
  if (slot >= kFirstEffectParamSlot && slot < kFirstEffectParamSlot + kVariationTwoByteParamCount) {
    return slot - kFirstEffectParamSlot + 1;
  }
  if (slot >= tail && slot < EffectRowLength(kind)) {
    return slot - tail + kVariationTwoByteParamCount + 1;
  }
  return 0;
}

}  // namespace

std::size_t EffectTypeCount(EffectKind kind) {
  switch (kind) {
    case EffectKind::Reverb:
      return kReverbTypeCount;
    case EffectKind::Chorus:
      return kChorusTypeCount;
    case EffectKind::Variation:
      return kVariationTypeCount;
  }
  return 0;
}

std::size_t EffectRowLength(EffectKind kind) {
  switch (kind) {
    case EffectKind::Reverb:
      return kReverbSlotCount;
    case EffectKind::Chorus:
      return kChorusSlotCount;
    case EffectKind::Variation:
      return kVariationParamCount;
  }
  return 0;
}

std::size_t XgDefaultEffectType(EffectKind kind) {
  switch (kind) {
    case EffectKind::Reverb:
      return static_cast<std::size_t>(ReverbType::Hall1);
    case EffectKind::Chorus:
      return static_cast<std::size_t>(ChorusType::Chorus1);
    case EffectKind::Variation:
      return static_cast<std::size_t>(VariationType::DelayLcr);
  }
  return 0;
}

std::string_view EffectTypeName(EffectKind kind, std::size_t type) {
  if (type >= EffectTypeCount(kind)) return kEffectTypeNoneText;
  switch (kind) {
    case EffectKind::Reverb:
      return kReverbTypes[type].name;
    case EffectKind::Chorus:
      return kChorusTypes[type].name;
    case EffectKind::Variation:
      return kVariationTypes[type].name;
  }
  return kEffectTypeNoneText;
}

std::optional<std::size_t> FindEffectType(EffectKind kind, uint8_t msb, uint8_t lsb) {
  switch (kind) {
    case EffectKind::Reverb:
      return FindByteRowType(kReverbTypes, msb, lsb);
    case EffectKind::Chorus:
      return FindByteRowType(kChorusTypes, msb, lsb);
    case EffectKind::Variation:
      for (std::size_t i = 0; i < kVariationTypes.size(); ++i) {
        if (kVariationTypes[i].typeMsb == msb && kVariationTypes[i].typeLsb == lsb) return i;
      }
      return std::nullopt;
  }
  return std::nullopt;
}

std::array<std::uint8_t, 2> EffectTypeNumber(EffectKind kind, std::size_t type) {
  if (type >= EffectTypeCount(kind)) return {0, 0};
  switch (kind) {
    case EffectKind::Reverb:
      return {kReverbTypes[type].defaults[0], kReverbTypes[type].defaults[1]};
    case EffectKind::Chorus:
      return {kChorusTypes[type].defaults[0], kChorusTypes[type].defaults[1]};
    case EffectKind::Variation:
      return {kVariationTypes[type].typeMsb, kVariationTypes[type].typeLsb};
  }
  return {0, 0};
}

std::optional<EffectRow> DefaultEffectRow(EffectKind kind, std::size_t type) {
  if (type >= EffectTypeCount(kind)) return std::nullopt;
  switch (kind) {
    case EffectKind::Reverb:
      return EffectRow(kReverbTypes[type].defaults);
    case EffectKind::Chorus:
      return EffectRow(kChorusTypes[type].defaults);
    case EffectKind::Variation:
      return EffectRow(kVariationDefaultRows[type]);
  }
  return std::nullopt;
}

std::span<const EffectSlot> EffectSlots(EffectKind kind) {
  switch (kind) {
    case EffectKind::Reverb:
      return kReverbSlots;
    case EffectKind::Chorus:
      return kChorusSlots;
    case EffectKind::Variation:
      break;
  }
  return {};
}

bool VariationHasParams(std::size_t type) {
  return type < kVariationTypeCount && type != static_cast<std::size_t>(VariationType::None) &&
         type != static_cast<std::size_t>(VariationType::Through);
}

std::size_t VariationParamDescriptor(std::size_t type, std::size_t param) {
  if (type >= kVariationTypeCount || param >= kVariationParamCount) return 0;
  const uint32_t layout = kVariationTypes[type].layout;
  if (layout >= kParamLayouts.size()) return 0;
  return kParamLayouts[layout].descriptors[param];
}

std::string_view VariationParamLabel(std::size_t descriptor, int32_t ampType) {
  if (descriptor >= kParamDescriptors.size()) return {};
  if (descriptor == kAmpTypeDescriptor) {
    if (const auto label = AmpTypeLabel(ampType)) return *label;
  }
  return kParamDescriptors[descriptor].label;
}

std::optional<ParamRange> VariationParamRange(std::size_t descriptor) {
  if (descriptor < 1 || descriptor >= kParamDescriptors.size()) return std::nullopt;
  const ParamDescriptor& entry = kParamDescriptors[descriptor];
  return ParamRange{entry.minimum, entry.maximum};
}

namespace {

// Where the later instruments' data lists publish a wider range than the
// first level's table: the initial delay of Early Reflection, Gate Reverb and
// Reverse Gate (0..127), and the EQ mid frequency of Distortion, Overdrive
// and 3 Band EQ (from 14, 100 Hz).
struct ExtendedRange {
  std::uint32_t layout;
  std::size_t param;
  ParamRange range;
};
constexpr std::array<ExtendedRange, 4> kExtendedRanges = {{
    {8, 3, {0, 127}},
    {9, 3, {0, 127}},
    {17, 6, {14, 54}},
    {19, 1, {14, 54}},
}};

}  // namespace

ParameterDescriptor VariationParameter(std::size_t type, std::size_t param, int32_t ampType,
                                       InstrumentModel instrument) {
  ParameterDescriptor parameter;
  parameter.address = VariationParamAddress(param + 1).value_or(0);
  parameter.form = param < kVariationTwoByteParamCount ? WireForm::SevenBitPair : WireForm::Byte;
  parameter.defaultFrom = DefaultFrom::TypeRow;
  const std::size_t descriptor = VariationParamDescriptor(type, param);
  const auto range = VariationParamRange(descriptor);
  if (range && descriptor < kParamDescriptors.size()) {
    parameter.minimum = range->minimum;
    parameter.maximum = range->maximum;
    parameter.label = VariationParamLabel(descriptor, ampType);
    parameter.unit = kParamDescriptors[descriptor].unit;
    parameter.choices = kParamDescriptors[descriptor].choices;
  }
  parameter.reviewName = descriptor == 0 ? std::string_view("*Unused*") : parameter.label;
  if (instrument == InstrumentModel::Extended && descriptor != 0) {
    for (const ExtendedRange& wider : kExtendedRanges) {
      if (wider.layout != kVariationTypes[type].layout || wider.param != param) continue;
      parameter.minimum = wider.range.minimum;
      parameter.maximum = wider.range.maximum;
    }
  }
  return parameter;
}

ParameterDescriptor UnknownTypeParameter(EffectKind kind, std::size_t slotOrParam) {
  ParameterDescriptor parameter;
  std::size_t number = 0;
  if (kind == EffectKind::Variation) {
    if (slotOrParam >= kVariationParamCount) return parameter;
    parameter = VariationParameter(kVariationTypeCount, slotOrParam, -1);
    number = slotOrParam + 1;
    parameter.maximum = slotOrParam < kVariationTwoByteParamCount ? 0x3FFF : 0x7F;
    parameter.reviewName = kRawParameterLabels[number - 1];
  } else {
    const std::span<const EffectSlot> slots = EffectSlots(kind);
    if (slotOrParam >= slots.size()) return parameter;
    parameter = slots[slotOrParam].parameter;
    number = SlotParamNumber(kind, slotOrParam);
    if (number == 0) return parameter;
    parameter.maximum = 0x7F;
  }
  parameter.minimum = 0;
  parameter.label = kRawParameterLabels[number - 1];
  parameter.unit = Unit::Number;
  parameter.choices = {};
  return parameter;
}

std::optional<std::string_view> AmpTypeLabel(int32_t ampType) {
  if (ampType < 0 || static_cast<std::size_t>(ampType) >= kAmpTypeLabels.size()) {
    return std::nullopt;
  }
  return kAmpTypeLabels[static_cast<std::size_t>(ampType)];
}

}  // namespace ravlo
