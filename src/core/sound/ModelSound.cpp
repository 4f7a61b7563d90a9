#include "sound/ModelSound.h"

#include <cmath>

#include "channels/ControllerSlots.h"
#include "drums/DrumKits.h"
#include "effects/EffectModel.h"
#include "midi/MidiNumbers.h"
#include "model/XgModel.h"
#include "parts/PartParameterTable.h"

namespace ravlo {

namespace {

namespace address {
constexpr int kMonoPoly = 0x05;
constexpr int kNoteShift = 0x08;
constexpr int kDetune = 0x09;
constexpr int kVelocityDepth = 0x0C;
constexpr int kVelocityOffset = 0x0D;
constexpr int kPan = 0x0E;
constexpr int kLowNote = 0x0F;
constexpr int kHighNote = 0x10;
constexpr int kReceivePitchBend = 0x30;
constexpr int kReceiveChannelPressure = 0x31;
constexpr int kReceiveControlChange = 0x33;
constexpr int kReceiveKeyPressure = 0x34;
constexpr int kReceiveNote = 0x35;
constexpr int kReceiveHold = 0x3C;
constexpr int kReceivePortamento = 0x3D;
constexpr int kReceiveSostenuto = 0x3E;
constexpr int kReceiveSoftPedal = 0x3F;
constexpr int kScaleTuneC = 0x41;
constexpr int kLowVelocity = 0x6D;
constexpr int kHighVelocity = 0x6E;
}  // namespace address

constexpr int kMono = 0;
constexpr int kRandomPan = 0;
constexpr int kCentre = 0x40;

int Slot(ControllerSlot slot) {
  return static_cast<int>(slot);
}

}  // namespace

ModelSound::ModelSound(XgModel& model, SoundEngine& engine) : model_(model), engine_(engine) {
  monoNote_.fill(kNoNote);
  model_.Subscribe(*this);
  ApplyAll();
}

ModelSound::~ModelSound() {
  model_.Unsubscribe(*this);
  for (int channel = 0; channel < SoundEngine::kPartChannels; ++channel) {
    engine_.Controller(channel, midi::kAllSoundOff, 0);
  }
}

const std::optional<HeardPreset>& ModelSound::Heard(PartIndex part) const {
  static const std::optional<HeardPreset> kNone;
  return part.Index() >= 0 && part.Index() < kPartCount
             ? heard_[static_cast<std::size_t>(part.Index())]
             : kNone;
}

int ModelSound::Value(PartIndex part, int address) const {
  const PartRecord* record = model_.Parts().Record(part);
  const std::uint8_t value = record != nullptr ? (*record)[static_cast<std::size_t>(address)] : 0;
  if (value != kNoParameter) return value;
  return kPartParameters[static_cast<std::size_t>(address)].parameter.defaultValue;
}

bool ModelSound::IsDrums(PartIndex part) const {
  // Plain drum mode (1) plays a kit as the drum setup modes do.
  return Value(part, part_address::kPartMode) != 0;
}

bool ModelSound::Playing(PartIndex part) const {
  return model_.Parts().IsPart(part) && part.Index() < SoundEngine::kPartChannels;
}

// --- Following the model ---------------------------------------------------------

void ModelSound::ApplyAll() {
  if (!model_.IsInitialised()) return;
  for (int index = 0; index < model_.Parts().Count(); ++index) {
    ApplyPart(PartIndex::FromIndex(index));
  }
  ApplySystem();
  ApplyReverb();
  ApplyChorus();
}

void ModelSound::ModelChanged(const ModelChange& change) {
  switch (change.block) {
    case ModelBlock::System:
      ApplySystem();
      return;
    case ModelBlock::Reverb:
      ApplyReverb();
      return;
    case ModelBlock::Chorus:
      ApplyChorus();
      return;
    case ModelBlock::Part:
      break;
    case ModelBlock::Channel:
      if (change.IsWhole() || change.index == ModelChange::kAll) {
        for (int index = 0; index < model_.Parts().Count(); ++index) {
          ApplyChannelRow(PartIndex::FromIndex(index));
        }
      } else if (change.address->low == Slot(ControllerSlot::Expression) ||
                 change.address->low == Slot(ControllerSlot::Modulation)) {
        ApplyChannelRows(MidiChannel::FromIndex(change.index));
      }
      return;
    default:
      // Variation, drums and user voices: a drum note's values are read as it
      // sounds; the rest is not played.
      return;
  }
  if (change.index == ModelChange::kAll) {
    for (int index = 0; index < model_.Parts().Count(); ++index) {
      ApplyPart(PartIndex::FromIndex(index));
    }
    return;
  }
  const PartIndex part = PartIndex::FromIndex(change.index);
  if (change.IsWhole()) {
    ApplyPart(part);
    return;
  }
  const PartSoundRow* row = FindPartSoundRow(change.address->low);
  if (row == nullptr || !Playing(part)) return;
  switch (row->sound) {
    case PartSound::Voice:
      ApplyVoice(part);
      break;
    case PartSound::Routing:
      // The notes it held would never hear their note-off on the new channel.
      engine_.Controller(part.Index(), midi::kAllNotesOff, 0);
      monoNote_[static_cast<std::size_t>(part.Index())] = kNoNote;
      ApplyChannelRow(part);
      break;
    case PartSound::Channel:
      ApplyPartRow(part, *row);
      break;
    case PartSound::Tuning:
      ApplyTuning(part);
      break;
    case PartSound::OnNote:
      break;
  }
}

void ModelSound::ApplyPart(PartIndex part) {
  if (!Playing(part)) return;
  ApplyVoice(part);
  for (const PartSoundRow& row : kPartSoundRows) {
    if (row.sound == PartSound::Channel) ApplyPartRow(part, row);
  }
  ApplyChannelRow(part);
}

void ModelSound::ApplyPartRow(PartIndex part, const PartSoundRow& row) {
  engine_.SetChannel(part.Index(), row.setting, row.convert(Value(part, row.address)));
}

void ModelSound::ApplyVoice(PartIndex part) {
  const XgVoice voice{Value(part, part_address::kBankMsb), Value(part, part_address::kBankLsb),
                      Value(part, part_address::kProgram), IsDrums(part)};
  std::optional<HeardPreset>& heard = heard_[static_cast<std::size_t>(part.Index())];
  heard = ChoosePreset(engine_, voice);
  if (heard) engine_.SelectPreset(part.Index(), heard->preset, voice.drums);
  // Transpose leaves the drums where they are.
  ApplyTuning(part);
}

void ModelSound::ApplyTuning(PartIndex part) {
  const int transpose = IsDrums(part) ? 0 : model_.System().Value(SystemParameter::Transpose);
  engine_.SetChannel(part.Index(), ChannelSetting::CoarseTune,
                     xg_sound::Centred(Value(part, address::kNoteShift)) + transpose);
  engine_.SetChannel(part.Index(), ChannelSetting::FineTune,
                     xg_sound::MasterTuneCents(model_.System().Value(SystemParameter::Tune)));
}

void ModelSound::ApplyChannelRow(PartIndex part) {
  if (!Playing(part)) return;
  const int channel = Value(part, part_address::kReceiveChannel);
  if (channel >= MidiChannel::kCount) return;
  const ChannelModel& rows = model_.Channels();
  const MidiChannel midi = MidiChannel::FromIndex(channel);
  engine_.SetChannel(part.Index(), ChannelSetting::Expression,
                     rows.Controller(midi, Slot(ControllerSlot::Expression)));
  engine_.SetChannel(part.Index(), ChannelSetting::Modulation,
                     rows.Controller(midi, Slot(ControllerSlot::Modulation)));
}

void ModelSound::ApplyChannelRows(MidiChannel channel) {
  for (int index = 0; index < model_.Parts().Count(); ++index) {
    const PartIndex part = PartIndex::FromIndex(index);
    if (Value(part, part_address::kReceiveChannel) == channel.Index()) ApplyChannelRow(part);
  }
}

void ModelSound::ApplySystem() {
  engine_.SetGlobal(GlobalSetting::MasterGain,
                    xg_sound::LevelGain(model_.System().Value(SystemParameter::Volume)));
  for (int index = 0; index < model_.Parts().Count(); ++index) {
    const PartIndex part = PartIndex::FromIndex(index);
    if (Playing(part)) ApplyTuning(part);
  }
}

void ModelSound::ApplyReverb() {
  const EffectModel& effects = model_.Effects();
  const EffectRow row = effects.CurrentRow(EffectKind::Reverb);
  for (const EffectSoundRow& sound : kReverbSoundRows) {
    engine_.SetGlobal(sound.setting, sound.convert(row[sound.slot]));
  }
  // No reverb is a reverb nobody hears.
  if (effects.Type(EffectKind::Reverb) == static_cast<int>(ReverbType::None)) {
    engine_.SetGlobal(GlobalSetting::ReverbReturn, 0);
  }
}

void ModelSound::ApplyChorus() {
  const EffectModel& effects = model_.Effects();
  const EffectRow row = effects.CurrentRow(EffectKind::Chorus);
  for (const EffectSoundRow& sound : kChorusSoundRows) {
    engine_.SetGlobal(sound.setting, sound.convert(row[sound.slot]));
  }
  // A type of a larger instrument sounds as a chorus of three.
  const int type = effects.Type(EffectKind::Chorus);
  const int voices = effects.IsKnownType(EffectKind::Chorus)
                         ? kChorusTypeVoices[static_cast<std::size_t>(type)]
                         : kChorusTypeVoices[static_cast<std::size_t>(ChorusType::Chorus1)];
  if (voices == 0) {
    engine_.SetGlobal(GlobalSetting::ChorusReturn, 0);
  } else {
    engine_.SetGlobal(GlobalSetting::ChorusVoices, voices);
  }
}

// --- Playing -------------------------------------------------------------------

void ModelSound::Perform(std::span<const std::uint8_t> message) {
  if (message.empty() || message[0] < midi::kNoteOff || message[0] >= 0xF0) return;
  const std::uint8_t kind = message[0] & 0xF0;
  const int channel = message[0] & 0x0F;
  const int data1 = message.size() > 1 ? message[1] & 0x7F : 0;
  const int data2 = message.size() > 2 ? message[2] & 0x7F : 0;
  if (!model_.IsInitialised()) return;
  for (int index = 0; index < model_.Parts().Count(); ++index) {
    const PartIndex part = PartIndex::FromIndex(index);
    if (Playing(part) && Value(part, part_address::kReceiveChannel) == channel) {
      PerformOnPart(part, kind, data1, data2);
    }
  }
}

void ModelSound::PerformOnPart(PartIndex part, std::uint8_t kind, int data1, int data2) {
  const int channel = part.Index();
  switch (kind) {
    case midi::kNoteOn:
      if (data2 > 0) {
        NoteOn(part, data1, data2);
        break;
      }
      [[fallthrough]];
    case midi::kNoteOff:
      NoteOff(part, data1);
      break;
    case midi::kKeyPressure:
      if (Receives(part, address::kReceiveKeyPressure)) engine_.KeyPressure(channel, data1, data2);
      break;
    case midi::kControlChange:
      if (Receives(part, address::kReceiveControlChange)) PerformController(part, data1, data2);
      break;
    case midi::kChannelPressure:
      if (Receives(part, address::kReceiveChannelPressure)) engine_.ChannelPressure(channel, data1);
      break;
    case midi::kPitchBend:
      if (Receives(part, address::kReceivePitchBend)) {
        engine_.PitchBend(channel, data1 | data2 << 7);
      }
      break;
    default:
      break;
  }
}

void ModelSound::PerformController(PartIndex part, int controller, int value) {
  const auto gate = [&]() -> std::optional<int> {
    switch (controller) {
      case midi::kHold:
        return address::kReceiveHold;
      case midi::kPortamento:
      case midi::kPortamentoTime:
      case midi::kPortamentoControl:
        return address::kReceivePortamento;
      case midi::kSostenuto:
        return address::kReceiveSostenuto;
      case midi::kSoftPedal:
        return address::kReceiveSoftPedal;
      default:
        return std::nullopt;
    }
  }();
  if (gate) {
    if (Receives(part, *gate)) engine_.Controller(part.Index(), controller, value);
    return;
  }
  if (controller == midi::kAllSoundOff || controller == midi::kResetAllControllers ||
      controller == midi::kAllNotesOff) {
    engine_.Controller(part.Index(), controller, value);
  } else if (controller > midi::kAllNotesOff && controller <= midi::kPolyOn) {
    // Omni and mono/poly messages end the notes as all notes off does.
    engine_.Controller(part.Index(), midi::kAllNotesOff, 0);
  }
  if (controller >= midi::kAllSoundOff) monoNote_[static_cast<std::size_t>(part.Index())] = kNoNote;
}

void ModelSound::NoteOn(PartIndex part, int key, int velocity) {
  if (!Receives(part, address::kReceiveNote) || key < Value(part, address::kLowNote) ||
      key > Value(part, address::kHighNote) || velocity < Value(part, address::kLowVelocity) ||
      velocity > Value(part, address::kHighVelocity)) {
    return;
  }
  const std::optional<DrumNoteValues> drum = DrumValues(part, key);
  if (drum && drum->current[static_cast<std::size_t>(DrumParameter::RcvNoteOn)] == 0) return;
  int& held = monoNote_[static_cast<std::size_t>(part.Index())];
  if (!IsDrums(part) && Value(part, address::kMonoPoly) == kMono) {
    if (held != kNoNote) engine_.NoteOff(part.Index(), held);
    held = key;
  }
  const int sensed = xg_sound::SensedVelocity(velocity, Value(part, address::kVelocityDepth),
                                              Value(part, address::kVelocityOffset));
  engine_.NoteOn(part.Index(), key, sensed, ShapeOf(part, key, drum));
}

void ModelSound::NoteOff(PartIndex part, int key) {
  if (!Receives(part, address::kReceiveNote)) return;
  const std::optional<DrumNoteValues> drum = DrumValues(part, key);
  // Most drums ring on whatever the key does.
  if (drum && drum->current[static_cast<std::size_t>(DrumParameter::RcvNoteOff)] == 0) return;
  int& held = monoNote_[static_cast<std::size_t>(part.Index())];
  if (held == key) held = kNoNote;
  engine_.NoteOff(part.Index(), key);
}

std::optional<ModelSound::DrumNoteValues> ModelSound::DrumValues(PartIndex part, int key) const {
  const int mode = Value(part, part_address::kPartMode);
  if (mode == 0 || !DrumNote::FromMidiNote(key).IsValid()) return std::nullopt;
  const DrumModel& drums = model_.Drums();
  const int setup = mode - kFirstDrumMode;
  if (drums.IsSetup(setup)) {
    const DrumSetup& kit = *drums.Setup(setup);
    const auto defaults = DrumNoteDefaultParameters(kit.kitMask, key);
    DrumParameterBytes current{};
    if (!defaults || !drums.GetDrumNote(setup, DrumNote::FromMidiNote(key), current)) {
      return std::nullopt;
    }
    return DrumNoteValues{current, *defaults};
  }
  const auto defaults = DrumNoteDefaultParameters(
      KitMaskForVoice(Value(part, part_address::kBankMsb), Value(part, part_address::kProgram)),
      key);
  if (!defaults) return std::nullopt;
  return DrumNoteValues{*defaults, *defaults};
}

double ModelSound::RandomPlace() {
  return std::uniform_real_distribution<double>(-1.0, 1.0)(random_);
}

NoteShape ModelSound::ShapeOf(PartIndex part, int key, const std::optional<DrumNoteValues>& drum) {
  NoteShape shape;
  if (Value(part, address::kPan) == kRandomPan) shape.pan = RandomPlace();
  if (drum) {
    // A drum note's level, pan and pitch, as the setup moved them from its kit's.
    const auto byte = [&](const DrumParameterBytes& bytes, DrumParameter parameter) {
      return static_cast<int>(bytes[static_cast<std::size_t>(parameter)]);
    };
    const int level = byte(drum->current, DrumParameter::Level);
    const int kitLevel = byte(drum->kit, DrumParameter::Level);
    if (level != kitLevel) {
      shape.attenuation =
          level == 0 ? 144.0
                     : -40.0 * std::log10(static_cast<double>(level) / std::max(kitLevel, 1));
    }
    const int pan = byte(drum->current, DrumParameter::Pan);
    const int kitPan = byte(drum->kit, DrumParameter::Pan);
    if (pan == kRandomPan && kitPan != kRandomPan) {
      shape.pan += RandomPlace();
    } else if (pan != kitPan && kitPan != kRandomPan) {
      shape.pan += (pan - kitPan) / 63.0;
    }
    shape.semitones = byte(drum->current, DrumParameter::PitchCoarse) - kCentre;
    shape.cents = byte(drum->current, DrumParameter::PitchFine) - kCentre;
    return shape;
  }
  shape.cents = Value(part, address::kScaleTuneC + key % 12) - kCentre;
  const int detune =
      (Value(part, address::kDetune) & 0x0F) << 4 | (Value(part, part_address::kDetuneLsb) & 0x0F);
  shape.cents += xg_sound::DetuneCents(detune, key);
  return shape;
}

}  // namespace ravlo
