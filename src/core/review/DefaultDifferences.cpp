#include "review/DefaultDifferences.h"

#include <optional>
#include <utility>

#include "effects/EffectLookups.h"
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
    const std::string_view label = parameter.label.empty() ? parameter.reviewName : parameter.label;
    out_.push_back(
        {where, std::string(label), parameter.Stored(*shown), ValueText(parameter, *shown)});
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
    ParameterDescriptor parameter = VariationParameter(type, param, ampType);
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
    if (!HasParameterChange(parameter)) continue;
    const auto which = static_cast<SystemParameter>(&parameter - kSystemParameters.data());
    lister.Compare("system", parameter, model.System().Value(which),
                   defaults.System().Value(which));
  }
  ListEffect(lister, EffectKind::Reverb, "reverb", model, defaults);
  ListEffect(lister, EffectKind::Chorus, "chorus", model, defaults);
  ListEffect(lister, EffectKind::Variation, "variation", model, defaults);
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
