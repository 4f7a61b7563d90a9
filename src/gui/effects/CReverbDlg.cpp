#include "effects/CReverbDlg.h"

namespace ravlo {

CReverbDlg::CReverbDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EffectBlockDlg(model, host, EffectKind::Reverb, EditorSlot::Reverb, QStringLiteral("Reverb"),
                     parent) {}

}  // namespace ravlo
