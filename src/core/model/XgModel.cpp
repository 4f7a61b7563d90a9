#include "model/XgModel.h"

#include <algorithm>
#include <new>

#include "effects/EffectAddresses.h"
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
  } catch (const std::bad_alloc&) {
    system_.reset();
    effects_.reset();
    parts_.reset();
    drums_.reset();
    channels_.reset();
    userVoices_.reset();
    extensions_.reset();
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
  for (ModelBlock block :
       {ModelBlock::System, ModelBlock::Reverb, ModelBlock::Chorus, ModelBlock::Variation,
        ModelBlock::Part, ModelBlock::Drum, ModelBlock::Channel}) {
    PublishWhole(block);
  }
}

bool XgModel::KnowsAddress(XgAddress address) const {
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
