#pragma once

#include "effects/EffectBlockDlg.h"

namespace ravlo {

// The Reverb block's editor.
class CReverbDlg final : public EffectBlockDlg {
  Q_OBJECT

 public:
  CReverbDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);
};

}  // namespace ravlo
