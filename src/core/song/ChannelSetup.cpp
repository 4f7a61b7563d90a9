#include "song/ChannelSetup.h"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

#include "channels/ControllerSlots.h"
#include "drums/DrumParameterTable.h"
#include "midi/MidiNumbers.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"
#include "parts/PartParameterTable.h"
#include "parts/PartRecord.h"

namespace ravlo {

namespace {

// A Mono message names how many channels go mono; up to 16 it sets this one.
constexpr int kMonoLimit = 16;

constexpr std::uint8_t kMonoPolyAddress = 0x05;
// The part record holds the portamento switch and time; the switch is on
// from 64, as MIDI reads a switch controller.
constexpr std::uint8_t kPortamentoAddress = 0x67;
constexpr std::uint8_t kPortamentoTimeAddress = 0x68;
constexpr int kSwitchOn = 64;
constexpr std::uint8_t kMono = 0;
constexpr std::uint8_t kPoly = 1;
// Registered parameter 00 00, pitch bend sensitivity in semitones, is the
// part's Bend Pitch Control (stored around 40).
constexpr std::uint8_t kBendSensitivityMsb = 0x00;
constexpr std::uint8_t kBendSensitivityLsb = 0x00;
constexpr std::uint8_t kBendPitchAddress = 0x23;
constexpr int kCentre = 0x40;

// The XG non-registered parameters (the MU-series "MIDI data format"
// tables, NRPN). MSB 01 sets a multi part parameter of every part on the
// channel; the data entry is the parameter's own stored value, 40 its centre.
struct PartNrpn {
  std::uint8_t lsb;
  std::uint8_t partAddress;
};
constexpr std::uint8_t kPartNrpnMsb = 0x01;
enum class PartNrpnKind {
  VibratoRate,
  VibratoDepth,
  VibratoDelay,
  FilterCutoff,
  FilterResonance,
  EgAttack,
  EgDecay,
  EgRelease,
  // The extended instrument's part EQ; the first level leaves them out.
  EqBassGain,
  EqTrebleGain,
  EqBassFrequency,
  EqTrebleFrequency,
  kCount
};
constexpr std::array<PartNrpn, static_cast<std::size_t>(PartNrpnKind::kCount)> kPartNrpns{{
    {0x08, 0x15},
    {0x09, 0x16},
    {0x0A, 0x17},
    {0x20, 0x18},
    {0x21, 0x19},
    {0x63, 0x1A},
    {0x64, 0x1B},
    {0x66, 0x1C},
    {0x30, part_eq::kBassGain},
    {0x31, part_eq::kTrebleGain},
    {0x34, part_eq::kBassFrequency},
    {0x35, part_eq::kTrebleFrequency},
}};

// MSB 14 .. 1F with the note as LSB set a drum instrument's parameter in the
// setup of a part in a drum setup mode; EG decay sets both decays.
using D = DrumParameter;
struct DrumNrpn {
  std::uint8_t msb;
  std::array<std::uint8_t, 2> addresses;
  std::size_t count;
};
constexpr std::uint8_t Address(D parameter) {
  return static_cast<std::uint8_t>(parameter);
}
enum class DrumNrpnKind {
  FilterCutoff,
  FilterResonance,
  EgAttack,
  EgDecay,
  PitchCoarse,
  PitchFine,
  Level,
  Pan,
  ReverbSend,
  ChorusSend,
  VariationSend,
  kCount
};
constexpr std::array<DrumNrpn, static_cast<std::size_t>(DrumNrpnKind::kCount)> kDrumNrpns{{
    {0x14, {Address(D::FilterCutoff)}, 1},
    {0x15, {Address(D::FilterResonance)}, 1},
    {0x16, {Address(D::EgAttack)}, 1},
    {0x17, {Address(D::EgDecay1), Address(D::EgDecay2)}, 2},
    {0x18, {Address(D::PitchCoarse)}, 1},
    {0x19, {Address(D::PitchFine)}, 1},
    {0x1A, {Address(D::Level)}, 1},
    {0x1C, {Address(D::Pan)}, 1},
    {0x1D, {Address(D::ReverbSend)}, 1},
    {0x1E, {Address(D::ChorusSend)}, 1},
    {0x1F, {Address(D::VariationSend)}, 1},
}};

std::optional<int> SlotOfController(int controller) {
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    if (kControllerSlots[slot].controlChange == controller) return static_cast<int>(slot);
  }
  return std::nullopt;
}

bool IsNull(std::uint8_t msb, std::uint8_t lsb) {
  return msb == 0x7F && lsb == 0x7F;
}

}  // namespace

ChannelSetup::ChannelSetup(XgModel& model, std::function<void()> beforeChange)
    : model_(model), beforeChange_(std::move(beforeChange)) {}

ChannelSetup::Outcome ChannelSetup::Apply(std::uint8_t status, std::uint8_t data1,
                                          std::uint8_t data2) {
  const MidiChannel channel = MidiChannel::FromIndex(status & 0x0F);
  switch (status & 0xF0) {
    case 0xB0:
      return ControlChange(channel, data1, data2);
    case 0xC0:
      return ProgramChange(channel, data1);
    default:
      return Outcome::Ignored;
  }
}

ChannelSetup::Outcome ChannelSetup::Changed(bool done) {
  if (!done) return Outcome::Left;
  model_.Events().RaiseMark(RefreshMark::Part, 0);
  return Outcome::Taken;
}

ChannelSetup::Outcome ChannelSetup::ControlChange(MidiChannel channel, int controller, int value) {
  ChannelState& state = channels_[static_cast<std::size_t>(channel.Index())];
  ChannelModel& channels = model_.Channels();
  if (const std::optional<int> slot = SlotOfController(controller)) {
    beforeChange_();
    return Changed(channels.SetController(channel, *slot, value));
  }
  const auto byte = static_cast<std::uint8_t>(value);
  switch (controller) {
    case midi::kBankSelectMsb:
      state.bankMsb = byte;
      return Outcome::Taken;
    case midi::kBankSelectLsb:
      state.bankLsb = byte;
      return Outcome::Taken;
    case midi::kRpnMsb:
    case midi::kRpnLsb:
      (controller == midi::kRpnMsb ? state.rpn.msb : state.rpn.lsb) = byte;
      state.registered = true;
      return Outcome::Taken;
    case midi::kNrpnMsb:
    case midi::kNrpnLsb:
      (controller == midi::kNrpnMsb ? state.nrpn.msb : state.nrpn.lsb) = byte;
      state.registered = false;
      return Outcome::Taken;
    case midi::kDataEntryMsb:
      return DataEntry(channel, value);
    case midi::kDataEntryLsb:
      // Every parameter taken here uses the MSB alone.
      return Outcome::Ignored;
    case midi::kResetAllControllers: {
      // Of what the message resets, the model keeps these two; a parameter
      // number chosen before is forgotten.
      state.rpn = {};
      state.nrpn = {};
      beforeChange_();
      const auto reset = [&](ControllerSlot slot) {
        const auto index = static_cast<std::size_t>(slot);
        return channels.SetController(channel, static_cast<int>(index),
                                      kControllerSlots[index].parameter.defaultValue);
      };
      return Changed(reset(ControllerSlot::Expression) && reset(ControllerSlot::Modulation));
    }
    case midi::kPortamento:
      return SetParts(channel, kPortamentoAddress, value >= kSwitchOn ? 1 : 0);
    case midi::kPortamentoTime:
      return SetParts(channel, kPortamentoTimeAddress, value);
    case midi::kMonoOn:
      return value <= kMonoLimit ? SetParts(channel, kMonoPolyAddress, kMono) : Outcome::Left;
    case midi::kPolyOn:
      return SetParts(channel, kMonoPolyAddress, kPoly);
    default:
      // All Sound Off .. Omni On stop notes; a setup has none sounding yet.
      return controller >= midi::kAllSoundOff && controller < midi::kMonoOn ? Outcome::Ignored
                                                                            : Outcome::Left;
  }
}

ChannelSetup::Outcome ChannelSetup::ProgramChange(MidiChannel channel, int program) {
  ChannelState& state = channels_[static_cast<std::size_t>(channel.Index())];
  // A program change without a bank select keeps the bank the part plays.
  ChannelVoice voice = model_.Channels().Voice(channel);
  if (const std::optional<PartIndex> part = model_.Parts().FindPartByChannel(channel)) {
    const PartRecord& record = *model_.Parts().Record(*part);
    voice.bankMsb = record[part_address::kBankMsb];
    voice.bankLsb = record[part_address::kBankLsb];
  }
  voice.bankMsb = state.bankMsb.value_or(voice.bankMsb);
  voice.bankLsb = state.bankLsb.value_or(voice.bankLsb);
  voice.program = static_cast<std::uint8_t>(program + 1);
  state.bankMsb.reset();
  state.bankLsb.reset();
  beforeChange_();
  return Changed(model_.Channels().SetChannelVoice(channel, voice));
}

ChannelSetup::Outcome ChannelSetup::DataEntry(MidiChannel channel, int value) {
  const ChannelState& state = channels_[static_cast<std::size_t>(channel.Index())];
  const ParameterNumber number = state.registered ? state.rpn : state.nrpn;
  if (IsNull(number.msb, number.lsb)) return Outcome::Left;
  if (state.registered) {
    // Fine and coarse tuning have no multi part parameter: the part's note
    // shift and detune are other values, added to them.
    if (number.msb != kBendSensitivityMsb || number.lsb != kBendSensitivityLsb) {
      return Outcome::Left;
    }
    return SetParts(channel, kBendPitchAddress, kCentre + value);
  }
  if (number.msb == kPartNrpnMsb) {
    const auto found = std::find_if(kPartNrpns.begin(), kPartNrpns.end(),
                                    [&](const PartNrpn& nrpn) { return nrpn.lsb == number.lsb; });
    return found != kPartNrpns.end() ? SetParts(channel, found->partAddress, value) : Outcome::Left;
  }
  const auto drum = std::find_if(kDrumNrpns.begin(), kDrumNrpns.end(),
                                 [&](const DrumNrpn& nrpn) { return nrpn.msb == number.msb; });
  if (drum == kDrumNrpns.end()) return Outcome::Left;
  return SetDrumNote(channel, number.lsb, std::span(drum->addresses).first(drum->count), value);
}

ChannelSetup::Outcome ChannelSetup::SetParts(MidiChannel channel, int address, int stored) {
  PartModel& parts = model_.Parts();
  const PartParameter* entry = parts.Parameter(address);
  // A parameter the instrument lacks (the part EQ on the first level).
  if (entry == nullptr) return Outcome::Left;
  const ParameterDescriptor& info = entry->parameter;
  std::vector<PartIndex> takers;
  for (int index = 0; index < parts.Count(); ++index) {
    const PartIndex part = PartIndex::FromIndex(index);
    if ((*parts.Record(part))[part_address::kReceiveChannel] != channel.Index()) continue;
    if (parts.HasParameter(part, address) && info.InRange(info.Shown(stored))) {
      takers.push_back(part);
    }
  }
  if (takers.empty()) return Outcome::Left;
  beforeChange_();
  bool set = true;
  for (const PartIndex part : takers)
    set = parts.SetPartValue(part, address, info.Shown(stored)) && set;
  return Changed(set);
}

ChannelSetup::Outcome ChannelSetup::SetDrumNote(MidiChannel channel, int note,
                                                std::span<const std::uint8_t> addresses,
                                                int stored) {
  PartModel& parts = model_.Parts();
  DrumModel& drums = model_.Drums();
  std::vector<int> setups;
  for (int index = 0; index < parts.Count(); ++index) {
    const PartRecord& record = *parts.Record(PartIndex::FromIndex(index));
    const int setup = record[part_address::kPartMode] - kFirstDrumMode;
    if (record[part_address::kReceiveChannel] != channel.Index() || !drums.IsSetup(setup) ||
        drums.Note(setup, DrumNote::FromMidiNote(note)) == nullptr) {
      continue;
    }
    const bool fits = std::all_of(addresses.begin(), addresses.end(), [&](std::uint8_t address) {
      const ParameterDescriptor& info = *FindDrumParameter(address);
      return info.InRange(info.Shown(stored));
    });
    if (fits && std::find(setups.begin(), setups.end(), setup) == setups.end()) {
      setups.push_back(setup);
    }
  }
  if (setups.empty()) return Outcome::Left;
  beforeChange_();
  bool set = true;
  for (const int setup : setups) {
    for (const std::uint8_t address : addresses) {
      set = drums.SetDrumParameter(setup, DrumNote::FromMidiNote(note), address,
                                   static_cast<std::uint8_t>(stored)) &&
            set;
    }
  }
  if (set) model_.Events().RaiseMark(RefreshMark::Drum, 0);
  return Changed(set);
}

}  // namespace ravlo
