#pragma once

#include "effects/EffectBlockDlg.h"

namespace ravlo {

// The Chorus block's editor.
class CChorusDlg final : public EffectBlockDlg {
  Q_OBJECT

 public:
  CChorusDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);
};

}  // namespace ravlo
