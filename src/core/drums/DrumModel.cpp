#include "drums/DrumModel.h"

#include "model/XgModel.h"

namespace ravlo {

bool DrumModel::SetKitVoice(int setup, const DrumKitVoice& voice) {
  DrumSetup* drumSetup = Setup(setup);
  if (drumSetup == nullptr) return false;
  drumSetup->kitVoice = voice;
  LoadKitKind(setup);
  return ResetNotes(setup);
}

}  // namespace ravlo
