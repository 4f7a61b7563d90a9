#pragma once

#include "effects/EffectKind.h"

namespace ravlo {

// The editors that keep a working copy store it before their block is sent.
// With no editor open the model already holds everything: the defaults do
// nothing.
class SendPassHooks {
 public:
  virtual ~SendPassHooks() = default;
  virtual void StoreSystemEditor() {}
  virtual void StoreControllersEditor() {}
  // Saves the effect editor's display into its row and names the type it
  // shows; -1 when no editor has a say (the model's current type is sent).
  virtual int SaveEffectEditor(EffectKind) { return -1; }
};

}  // namespace ravlo
