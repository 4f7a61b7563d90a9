#include "model/XgModel.h"

#include <algorithm>
#include <new>

#include "effects/EffectAddresses.h"
#include "effects/MultiEqParameters.h"
#include "model/ModelEvents.h"

namespace ravlo {

XgModel::XgModel(MidiOutDevice& midi, ModelEvents& events, Pauser& pauser, UnitNumber unit)
    : events_(events), emitter_(midi, pauser) {
  SetUnitNumber(unit);
}

XgModel::~XgModel() = default;

bool XgModel::Initialise(int partCount, int drumSetupCount) {
  try {
    system_ = std::make_unique<SystemModel>(*this);
    effects_ = std::make_unique<EffectModel>(*this);
    parts_ = std::make_unique<PartModel>(*this, partCount);
    drums_ = std::make_unique<DrumModel>(*this, drumSetupCount);
    channels_ = std::make_unique<ChannelModel>(*this);
    userVoices_ = std::make_unique<UserVoiceModel>(*this);
    extensions_ = std::make_unique<ExtensionModel>(*this);
    insertions_ = std::make_unique<InsertionEffectModel>(*this);
    multiEq_ = std::make_unique<AddressedBlock>(
        *this, ModelBlock::MultiEq, XgAddress{kMultiEqHigh, kMultiEqMid, 0}, kMultiEqParameters);
    displayText_ = std::make_unique<DisplayTextModel>(*this);
  } catch (const std::bad_alloc&) {
    system_.reset();
    effects_.reset();
    parts_.reset();
    drums_.reset();
    channels_.reset();
    userVoices_.reset();
    extensions_.reset();
    insertions_.reset();
    multiEq_.reset();
    displayText_.reset();
    return false;
  }
  ResetToDefaults();
  return true;
}

void XgModel::ResetToDefaults() {
  if (!IsInitialised()) return;
  channels_->ResetToDefaults();
  effects_->ResetToDefaults();
  parts_->ResetToDefaults();
  system_->ResetToDefaults();
  drums_->ResetToDefaults();
  extensions_->Clear();
  insertions_->ResetToDefaults();
  multiEq_->ResetToDefaults();
  displayText_->ResetToDefaults();
  for (ModelBlock block :
       {ModelBlock::System, ModelBlock::Reverb, ModelBlock::Chorus, ModelBlock::Variation,
        ModelBlock::Part, ModelBlock::Drum, ModelBlock::Channel}) {
    PublishWhole(block);
  }
  if (IsExtended()) {
    for (ModelBlock block : {ModelBlock::Insertion, ModelBlock::MultiEq, ModelBlock::DisplayText}) {
      PublishWhole(block);
    }
  }
}

void XgModel::SetInstrument(InstrumentModel instrument) {
  if (instrument == instrument_) return;
  if (IsInitialised() && instrument == InstrumentModel::Basic) KeepExtendedBlocksAsExtensions();
  instrument_ = instrument;
  if (IsInitialised() && instrument == InstrumentModel::Extended) TakeInExtensions();
}

void XgModel::TakeInExtensions() {
  std::vector<ExtensionModel::Parameter> kept;
  bool taken = false;
  for (ExtensionModel::Parameter& parameter : extensions_->Parameters()) {
    const XgAddress at = parameter.address;
    if (!KnowsExtendedAddress(at)) {
      kept.push_back(std::move(parameter));
      continue;
    }
    taken = true;
    if (at.high == InsertionEffectModel::kHigh) {
      insertions_->Store(at.mid, at.low, parameter.data);
    } else if (at.high == kMultiEqHigh) {
      multiEq_->StoreBytes(at.low, parameter.data);
    } else {
      displayText_->StoreLetters(at.low, parameter.data);
    }
  }
  if (!taken) return;
  extensions_->Clear();
  for (const ExtensionModel::Parameter& parameter : kept) {
    extensions_->StoreParameter(parameter.address, parameter.data);
  }
}

void XgModel::KeepExtendedBlocksAsExtensions() {
  // What a non-default send of the blocks would bring, kept by address.
  if (!BeginRecording()) return;
  for (int block = 0; block < InsertionEffectModel::kBlockCount; ++block) {
    insertions_->SendBlock(block, true, 0);
  }
  multiEq_->SendBlock(true, 0);
  displayText_->Send(0);
  const std::span<const std::uint8_t> recorded = TakeRecording();
  const std::vector<std::uint8_t> bytes(recorded.begin(), recorded.end());
  EndRecording();
  std::size_t start = 0;
  while (start + kChangeHeaderSize < bytes.size()) {
    std::size_t end = start;
    while (end < bytes.size() && bytes[end] != kSysexEnd) ++end;
    if (end >= bytes.size()) break;
    const std::span<const std::uint8_t> message(bytes.data() + start, end + 1 - start);
    extensions_->StoreParameter(
        {message[4], message[5], message[6]},
        message.subspan(kChangeHeaderSize, message.size() - kChangeHeaderSize - 1));
    start = end + 1;
  }
  insertions_->ResetToDefaults();
  multiEq_->ResetToDefaults();
  displayText_->ResetToDefaults();
}

bool XgModel::KnowsExtendedAddress(XgAddress address) const {
  const auto [high, mid, low] = address;
  if (high == InsertionEffectModel::kHigh) {
    return InsertionEffectModel::IsBlock(mid) && InsertionEffectModel::IsAddress(low);
  }
  if (high == kMultiEqHigh && mid == kMultiEqMid) return low < kMultiEqSize;
  return high == DisplayTextModel::kHigh && mid == DisplayTextModel::kMid &&
         low < DisplayTextModel::kLetterCount;
}

bool XgModel::KnowsAddress(XgAddress address) const {
  if (IsExtended() && KnowsExtendedAddress(address)) return true;
  const auto [high, mid, low] = address;
  if (xg_block::IsSystem(high, mid)) {
    // The first level takes the attenuator only in the block's dump: a change
    // of it alone is an extension there.
    const ParameterDescriptor* parameter = FindSystemParameter(low);
    if (parameter != nullptr) return system_->HasChange(*parameter);
    return low < kSystemBlockSize || low >= xg_block::kDrumSetupResetLow;
  }
  if (xg_block::IsEffect(high, mid)) return IsEffectAddress(low);
  if (high == xg_block::kPartHigh) {
    return parts_->IsPart(PartIndex::FromIndex(mid)) && parts_->IsParameterAddress(low);
  }
  if (xg_block::IsAd(high, mid)) return true;
  return xg_block::IsDrumSetup(high) && drums_->IsSetup(high & 0x0F) && DrumSetups::IsNote(mid) &&
         IsDrumAddress(low);
}

void XgModel::Subscribe(ModelObserver& observer) {
  if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end()) {
    observers_.push_back(&observer);
  }
}

void XgModel::Unsubscribe(ModelObserver& observer) {
  // While a notice is under way the place is only cleared, so that the
  // loop telling the others keeps its positions.
  std::replace(observers_.begin(), observers_.end(), &observer,
               static_cast<ModelObserver*>(nullptr));
  if (publishing_ == 0) std::erase(observers_, nullptr);
}

void XgModel::Notify(const ModelChange& change) {
  // By index, as an observer may subscribe another while it is told; the
  // places of those who left are cleared once no notice is under way.
  ++publishing_;
  for (std::size_t i = 0; i < observers_.size(); ++i) {
    if (ModelObserver* observer = observers_[i]) observer->ModelChanged(change);
  }
  if (--publishing_ == 0) std::erase(observers_, nullptr);
}

int XgModel::UserVoiceElementCount(int voice) const {
  const UserVoice* userVoice = userVoices_ ? userVoices_->Find(UserBank::Bank, voice) : nullptr;
  return userVoice != nullptr ? userVoice->ElementsOn() : 0;
}

}  // namespace ravlo
