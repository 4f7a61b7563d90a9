#include "model/XgModel.h"

#include <new>

#include "model/ModelEvents.h"

namespace ravlo {

XgModel::XgModel(MidiOutDevice& midi, ModelEvents& events, Pauser& pauser, int unitNumber)
    : events_(events), emitter_(midi, pauser) {
  SetUnitNumber(unitNumber);
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
  } catch (const std::bad_alloc&) {
    system_.reset();
    effects_.reset();
    parts_.reset();
    drums_.reset();
    channels_.reset();
    userVoices_.reset();
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
}

int XgModel::UserVoiceElementCount(int voice) const {
  const UserVoice* userVoice = userVoices_ ? userVoices_->Find(UserBank::Bank, voice) : nullptr;
  return userVoice != nullptr ? userVoice->ElementsOn() : 0;
}

}  // namespace ravlo
