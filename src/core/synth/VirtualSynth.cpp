#include "synth/VirtualSynth.h"

#include "effects/EffectAddresses.h"
#include "effects/EffectTypeTables.h"
#include "effects/MultiEqParameters.h"
#include "messages/XgMessages.h"
#include "parts/PartParameterTable.h"
#include "receive/ImageBlock.h"
#include "sound/ModelSound.h"
#include "system/SystemParameters.h"

namespace ravlo {

namespace {

bool IsDrumNoteAddress(XgAddress address) {
  return xg_block::IsDrumSetup(address.high) && DrumNote::FromMidiNote(address.mid).IsValid();
}

// The dump whose data hold the byte at `address`: one of a block's, or a drum
// note's, any note 13..91, in its setup's kit or not.
std::optional<XgMessage> DumpHolding(const XgModel& image, XgAddress address) {
  if (IsDrumNoteAddress(address)) {
    if (address.low >= kDrumParameterCount) return std::nullopt;
    return image.Drums().NoteDump(address.high - xg_block::kDrumSetupHigh,
                                  DrumNote::FromMidiNote(address.mid));
  }
  for (const ImageBlock& block : ImageBlocks(image)) {
    if (block.kind == ImageBlock::Kind::DrumSetup) continue;
    for (const XgMessage& dump : block.Dumps(image)) {
      // A value a block gives as a parameter change holds its own address only.
      if (const std::optional<XgAddress> parameter = ParameterChangeAddress(dump.Bytes())) {
        if (*parameter == address) return dump;
        continue;
      }
      const XgAddress start = *BulkAddress(dump.Bytes());
      const std::size_t count = *BulkByteCount(dump.Bytes());
      if (start.high == address.high && start.mid == address.mid && address.low >= start.low &&
          address.low < start.low + count) {
        return dump;
      }
    }
  }
  return std::nullopt;
}

// The dump that starts at `address`; a request for any other address is no
// block's.
std::optional<XgMessage> DumpStartingAt(const XgModel& image, XgAddress address) {
  std::optional<XgMessage> dump = DumpHolding(image, address);
  if (dump && (ParameterChangeAddress(dump->Bytes()) || *BulkAddress(dump->Bytes()) != address)) {
    dump.reset();
  }
  return dump;
}

// How many data bytes the parameter starting at `address` has: none where no
// parameter with a change of its own starts.
std::optional<std::size_t> ParameterSize(const XgModel& image, XgAddress address) {
  const std::uint8_t low = address.low;
  if (image.IsExtended() && image.KnowsAddress(address)) {
    if (address.high == InsertionEffectModel::kHigh)
      return InsertionEffectModel::ParameterSize(low);
    if (address.high == kMultiEqHigh && address.mid == kMultiEqMid) {
      return image.MultiEq().Parameter(low) != nullptr ? std::optional<std::size_t>(1)
                                                       : std::nullopt;
    }
    return std::nullopt;  // the display text is only shown, never asked for
  }
  if (xg_block::IsSystem(address.high, address.mid)) {
    const ParameterDescriptor* parameter = FindSystemParameter(low);
    if (parameter == nullptr || !HasParameterChange(*parameter)) return std::nullopt;
    return static_cast<std::size_t>(parameter->ByteCount());
  }
  if (xg_block::IsEffect(address.high, address.mid)) {
    if (low == kReverbTypeAddressLow || low == kChorusTypeAddressLow ||
        low == kVariationTypeAddressLow) {
      return 2;
    }
    if (const auto param = VariationParamForAddress(low)) {
      return *param <= kVariationTwoByteParamCount ? 2 : 1;
    }
    const bool slot = EffectSlotForAddress(EffectKind::Reverb, low).has_value() ||
                      EffectSlotForAddress(EffectKind::Chorus, low).has_value() ||
                      VariationSettingForAddress(low).has_value();
    return slot ? std::optional<std::size_t>(1) : std::nullopt;
  }
  if (address.high == xg_block::kPartHigh) {
    const PartParameter* parameter = FindPartParameter(low);
    if (parameter == nullptr) return std::nullopt;
    return static_cast<std::size_t>(parameter->parameter.ByteCount());
  }
  if (IsDrumNoteAddress(address) && low < kDrumParameterCount) return 1;
  return std::nullopt;
}

std::optional<XgMessage> ParameterAt(const XgModel& image, XgAddress address) {
  const std::optional<XgMessage> dump = DumpHolding(image, address);
  if (dump && ParameterChangeAddress(dump->Bytes())) return dump;
  const std::optional<std::size_t> size = ParameterSize(image, address);
  if (!size || !dump) return std::nullopt;
  const std::size_t offset = address.low - BulkAddress(dump->Bytes())->low;
  const auto data = dump->Bytes().subspan(kBulkHeaderSize, *BulkByteCount(dump->Bytes()));
  if (offset + *size > data.size()) return std::nullopt;
  return BuildParameterChange(image.Unit(), address, data.subspan(offset, *size));
}

}  // namespace

VirtualSynth::VirtualSynth(std::optional<UnitNumber> unit, InstrumentModel instrument)
    : unit_(unit),
      model_(device_, *this, pauser_, unit.value_or(UnitNumber::FromValue(0))),
      intake_(model_, prompts_, progress_, *this) {
  model_.Initialise();
  model_.SetInstrument(instrument);
  device_.Open(0);
  intake_.SetUnrecognisedPolicy(SysexIntake::UnrecognisedPolicy::Report);
  intake_.SetMessagePause(0);
  StartChannels();
}

// The sound goes first: it follows the model.
VirtualSynth::~VirtualSynth() {
  sound_.reset();
}

void VirtualSynth::AttachSound(SoundEngine* engine) {
  sound_.reset();
  if (engine != nullptr) sound_ = std::make_unique<ModelSound>(model_, *engine);
}

std::optional<HeardPreset> VirtualSynth::Heard(PartIndex part) const {
  if (!sound_) return std::nullopt;
  return sound_->Heard(part);
}

std::optional<XgMessage> VirtualSynth::Receive(std::span<const std::uint8_t> message) {
  if (message.empty()) return std::nullopt;
  if (message[0] != kSysexStart) {
    ReceiveChannelMessage(message);
    return std::nullopt;
  }
  if (IsIdentityRequest(message)) return BuildIdentityReply(Identity(model_.Instrument()));
  if (ForAnotherUnit(message)) return std::nullopt;
  if (const std::optional<XgRequest> request = ParseXgRequest(message)) {
    if (request->modelId != kXgModelId) return std::nullopt;
    // The answer carries the unit that was asked.
    model_.SetUnitNumber(request->unit);
    return request->kind == XgRequest::Kind::BulkDump ? DumpStartingAt(model_, request->address)
                                                      : ParameterAt(model_, request->address);
  }
  intake_.ApplyReceived(message);
  return std::nullopt;
}

bool VirtualSynth::AsksForAnswer(std::span<const std::uint8_t> message) {
  return !message.empty() && message[0] == kSysexStart &&
         (IsIdentityRequest(message) || ParseXgRequest(message).has_value());
}

DeviceIdentity VirtualSynth::Identity(InstrumentModel instrument) {
  // The XG instruments' maker and family; the member code says which of the
  // two models this one stands for, and names no instrument.
  DeviceIdentity identity;
  identity.maker = {kYamahaId};
  identity.family = 0x41 << 7;
  identity.member = instrument == InstrumentModel::Extended ? 1 : 0;
  identity.version = {0, 0, 0, 1};
  return identity;
}

IntakeResult VirtualSynth::TakeIn(std::span<std::uint8_t> image) {
  return intake_.TakeIn(image);
}

bool VirtualSynth::ForAnotherUnit(std::span<const std::uint8_t> message) const {
  return unit_ && message.size() > 3 && message[1] == kYamahaId && IsXgFamilyModel(message[3]) &&
         (message[2] & 0x0F) != unit_->Value();
}

void VirtualSynth::ReceiveChannelMessage(std::span<const std::uint8_t> message) {
  if (message[0] >= kSysexStart || message.size() < 2) return;
  channels_->Apply(message[0], message[1] & 0x7F, message.size() > 2 ? message[2] & 0x7F : 0);
  if (sound_) sound_->Perform(message);
}

void VirtualSynth::ResetRequested() {
  model_.ResetToDefaults();
  StartChannels();
}

void VirtualSynth::StartChannels() {
  channels_.emplace(model_, [] {});
}

}  // namespace ravlo
