#include "review/DefaultDifferences.h"

#include <optional>
#include <utility>

#include "effects/EffectLookups.h"
#include "effects/MultiEqParameters.h"
#include "model/XgModel.h"
#include "parameters/ParameterDisplay.h"

namespace ravlo {

namespace {

class Lister {
 public:
  explicit Lister(std::vector<Difference>& out) : out_(out) {}

  // Adds the parameter when both have it and the values differ, under its
  // label, or its review name where the editors give it none.
  void Compare(const std::string& where, const ParameterDescriptor& parameter,
               std::optional<int> shown, std::optional<int> defaultShown) {
    if (!shown || !defaultShown || *shown == *defaultShown) return;
    List(where, parameter, *shown);
  }

  // Adds the parameter with its value, whatever it is.
  void List(const std::string& where, const ParameterDescriptor& parameter, int shown) {
    const std::string_view label = parameter.label.empty() ? parameter.reviewName : parameter.label;
    out_.push_back(
        {where, std::string(label), parameter.Stored(shown), ValueText(parameter, shown)});
  }

  void Add(Difference difference) { out_.push_back(std::move(difference)); }

 private:
  std::vector<Difference>& out_;
};

// A value the type leaves out (255) is no parameter.
std::optional<int> Used(std::int32_t value) {
  if (value == kEffectParamUnused) return std::nullopt;
  return value;
}

// A type the tables lack: each value that came, raw, and the Variation
// settings off their defaults.
void ListUnknownType(Lister& lister, EffectKind kind, const char* where,
                     const EffectModel& effects) {
  const EffectRow row = effects.CurrentRow(kind);
  const bool variation = kind == EffectKind::Variation;
  for (std::size_t i = variation ? 0 : kFirstEffectParamSlot; i < row.Size(); ++i) {
    if (!effects.UnknownValueCame(kind, i)) continue;
    const ParameterDescriptor parameter =
        variation ? effects.CurrentVariationParameter(i) : effects.CurrentSlotParameter(kind, i);
    const std::string_view label = parameter.label.empty() ? parameter.reviewName : parameter.label;
    lister.Add({where, std::string(label), row[i], std::to_string(row[i])});
  }
  if (!variation) return;
  const VariationSettings settings = effects.CurrentVariationSettings();
  for (std::size_t s = 0; s < kVariationSettingCount; ++s) {
    const ParameterDescriptor& parameter = kVariationSettings[s].parameter;
    lister.Compare(where, parameter, parameter.Shown(settings[s]),
                   parameter.Shown(kVariationSettingsDefaults[s]));
  }
}

void ListEffect(Lister& lister, EffectKind kind, const char* where, const XgModel& model,
                const XgModel& defaults) {
  const EffectModel& effects = model.Effects();
  const std::array<std::uint8_t, 2> number = effects.TypeNumber(kind);
  if (number != defaults.Effects().TypeNumber(kind)) {
    lister.Add({where, "Type", number[0] * 128 + number[1], effects.TypeDisplayName(kind)});
  }
  if (!effects.IsKnownType(kind)) {
    ListUnknownType(lister, kind, where, effects);
    return;
  }
  const auto type = static_cast<std::size_t>(effects.Type(kind));
  const auto row = effects.GetEffectRow(kind, type);
  const auto defaultRow = defaults.Effects().GetEffectRow(kind, type);
  if (!row || !defaultRow) return;
  const std::span<const std::int32_t> values = row->Values();
  const std::span<const std::int32_t> defaultValues = defaultRow->Values();
  if (kind != EffectKind::Variation) {
    const std::span<const EffectSlot> slots = EffectSlots(kind);
    for (std::size_t slot = kFirstEffectParamSlot; slot < slots.size(); ++slot) {
      lister.Compare(where, slots[slot].parameter, Used(values[slot]), Used(defaultValues[slot]));
    }
    return;
  }
  const std::int32_t ampType = values[1];
  for (std::size_t param = 0; param < kVariationParamCount; ++param) {
    ParameterDescriptor parameter = VariationParameter(type, param, ampType, model.Instrument());
    lister.Compare(where, parameter, Used(values[param]), Used(defaultValues[param]));
  }
  const auto settings = effects.GetVariationSettings(type);
  const auto defaultSettings = defaults.Effects().GetVariationSettings(type);
  if (!settings || !defaultSettings) return;
  for (std::size_t s = 0; s < kVariationSettingCount; ++s) {
    const ParameterDescriptor& parameter = kVariationSettings[s].parameter;
    lister.Compare(where, parameter, parameter.Shown((*settings)[s]),
                   parameter.Shown((*defaultSettings)[s]));
  }
}

void ListInsertions(Lister& lister, const XgModel& model, const XgModel& defaults) {
  const InsertionEffectModel& insertions = model.Insertions();
  for (int block = 0; block < InsertionEffectModel::kBlockCount; ++block) {
    const std::string where = "insertion " + std::to_string(block + 1);
    const auto number = insertions.TypeNumber(block);
    const bool sameType = number == defaults.Insertions().TypeNumber(block);
    if (!sameType) {
      lister.Add({where, "Type", number[0] * 128 + number[1], insertions.TypeName(block)});
    }
    // A value differs from what the type starts with there; a later type's
    // values count once they are known.
    const std::optional<std::size_t> index = insertions.TypeIndex(block);
    const std::optional<EffectRow> start =
        index ? DefaultEffectRow(EffectKind::Variation, *index) : std::nullopt;
    for (std::size_t param = 0; param < InsertionEffectModel::kParamCount; ++param) {
      const std::optional<int> value = Used(insertions.Value(block, param));
      if (!insertions.IsKnown(block, param) || !value) continue;
      const ParameterDescriptor parameter = insertions.Parameter(block, param);
      if (start) {
        lister.Compare(where, parameter, value, Used(start->Values()[param]));
      } else {
        lister.List(where, parameter, *value);
      }
    }
    const ParameterDescriptor& part = InsertionEffectModel::PartParameter();
    lister.Compare(where, part, part.Shown(insertions.Part(block)),
                   part.Shown(defaults.Insertions().Part(block)));
    for (std::size_t depth = 0; depth < InsertionEffectModel::kDepthCount; ++depth) {
      lister.Compare(where, InsertionEffectModel::DepthParameter(depth),
                     insertions.Depth(block, depth), defaults.Insertions().Depth(block, depth));
    }
  }
}

void ListMultiEq(Lister& lister, const XgModel& model, const XgModel& defaults) {
  for (const ParameterDescriptor& parameter : model.MultiEq().Parameters()) {
    if (parameter.defaultValue == kNoParameter) continue;
    lister.Compare("multi eq", parameter, model.MultiEq().Value(parameter.address),
                   defaults.MultiEq().Value(parameter.address));
  }
  const std::string text = model.DisplayText().Text();
  if (text != defaults.DisplayText().Text()) {
    lister.Add({"display", "Text", static_cast<int>(text.size()), text});
  }
}

void ListParts(Lister& lister, const XgModel& model, const XgModel& defaults) {
  for (int index = 0; index < model.Parts().Count(); ++index) {
    const PartIndex part = PartIndex::FromIndex(index);
    const std::string where = "part " + std::to_string(part.Number());
    for (const PartParameter& entry : kPartParameters) {
      const ParameterDescriptor& parameter = entry.parameter;
      // Addresses of no parameter, and the second byte of the detune pair.
      if (parameter.reviewName.empty() || parameter.address == part_address::kDetuneLsb) continue;
      lister.Compare(where, parameter, model.Parts().PartValue(part, parameter.address),
                     defaults.Parts().PartValue(part, parameter.address));
    }
    // The extended instrument's part EQ (PartValue has none on the first level).
    for (const PartParameter& entry : kPartEqParameters) {
      const int address = entry.parameter.address;
      lister.Compare(where, entry.parameter, model.Parts().PartValue(part, address),
                     defaults.Parts().PartValue(part, address));
    }
  }
}

void ListDrums(Lister& lister, const XgModel& model, const XgModel& defaults) {
  for (int setup = 0; setup < model.Drums().Count(); ++setup) {
    for (int midiNote = DrumNote::kFirst; midiNote <= DrumNote::kLast; ++midiNote) {
      const DrumNote note = DrumNote::FromMidiNote(midiNote);
      const std::string where =
          "drum " + std::to_string(setup + 1) + " note " + std::to_string(midiNote);
      for (const ParameterDescriptor& parameter : kDrumParameters) {
        lister.Compare(where, parameter, model.Drums().DrumValue(setup, note, parameter.address),
                       defaults.Drums().DrumValue(setup, note, parameter.address));
      }
    }
  }
}

void ListChannels(Lister& lister, const XgModel& model, const XgModel& defaults) {
  for (int index = 0; index < MidiChannel::kCount; ++index) {
    const MidiChannel channel = MidiChannel::FromIndex(index);
    const std::string where = "channel " + std::to_string(channel.Number());
    const ChannelVoice voice = model.Channels().Voice(channel);
    const ChannelVoice defaultVoice = defaults.Channels().Voice(channel);
    const std::pair<const char*, std::uint8_t ChannelVoice::*> voiceParts[] = {
        {"Bank MSB", &ChannelVoice::bankMsb},
        {"Bank LSB", &ChannelVoice::bankLsb},
        {"Program", &ChannelVoice::program}};
    for (const auto& [label, member] : voiceParts) {
      if (voice.*member == defaultVoice.*member) continue;
      lister.Add({where, label, voice.*member, std::to_string(voice.*member)});
    }
    for (const ControllerSlotInfo& slot : kControllerSlots) {
      const int number = slot.parameter.address;
      lister.Compare(where, slot.parameter, model.Channels().Controller(channel, number),
                     defaults.Channels().Controller(channel, number));
    }
  }
}

}  // namespace

std::vector<Difference> ListDifferences(const XgModel& model, const XgModel& defaults) {
  std::vector<Difference> out;
  Lister lister(out);
  for (const ParameterDescriptor& parameter : kSystemParameters) {
    if (!model.System().HasChange(parameter)) continue;
    const auto which = static_cast<SystemParameter>(&parameter - kSystemParameters.data());
    lister.Compare("system", parameter, model.System().Value(which),
                   defaults.System().Value(which));
  }
  ListEffect(lister, EffectKind::Reverb, "reverb", model, defaults);
  ListEffect(lister, EffectKind::Chorus, "chorus", model, defaults);
  ListEffect(lister, EffectKind::Variation, "variation", model, defaults);
  if (model.IsExtended()) {
    ListInsertions(lister, model, defaults);
    ListMultiEq(lister, model, defaults);
  }
  ListParts(lister, model, defaults);
  ListDrums(lister, model, defaults);
  ListChannels(lister, model, defaults);
  return out;
}

std::string DifferenceLine(const Difference& difference) {
  return difference.where + ": " + difference.label + " = " + std::to_string(difference.raw) +
         " (" + difference.value + ")";
}

}  // namespace ravlo
