#include "effects/EffectModel.h"

#include "effects/EffectLookups.h"
#include "model/XgModel.h"

namespace ravlo {

void EffectModel::ResetToDefaults() {
  ResetAll();
  types_ = {kDefaultReverbType, kDefaultChorusType, kDefaultVariationType};
}

bool EffectModel::SetType(EffectKind kind, int typeIndex) {
  if (typeIndex < 0 || static_cast<std::size_t>(typeIndex) >= EffectTypeCount(kind)) return false;
  types_[static_cast<std::size_t>(kind)] = typeIndex;
  return true;
}

}  // namespace ravlo
