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
    parts_ = std::make_unique<PartTable>(partCount);
    drums_ = std::make_unique<DrumSetups>(drumSetupCount);
    channels_ = std::make_unique<ChannelTables>();
    userVoices_ = std::make_unique<UserVoiceBanks>();
  } catch (const std::bad_alloc&) {
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
  effectTypes_ = {kDefaultReverbType, kDefaultChorusType, kDefaultVariationType};
  parts_->ResetToDefaults();
  system_.ResetToDefaults();
  drums_->ResetToDefaults();
}

int XgModel::EffectType(EffectKind kind) const {
  return effectTypes_[static_cast<std::size_t>(kind)];
}

void XgModel::SetEffectType(EffectKind kind, int typeIndex) {
  effectTypes_[static_cast<std::size_t>(kind)] = typeIndex;
}

int XgModel::UserVoiceElementCount(int voice) const {
  const UserVoice* userVoice = userVoices_ ? userVoices_->Find(UserBank::Bank, voice) : nullptr;
  return userVoice != nullptr ? userVoice->ElementsOn() : 0;
}

}  // namespace ravlo
