#include "effects/CChorusDlg.h"

namespace ravlo {

CChorusDlg::CChorusDlg(XgModel& model, EditorHost& host, QWidget* parent)
    : EffectBlockDlg(model, host, EffectKind::Chorus, EditorSlot::Chorus, QStringLiteral("Chorus"),
                     parent) {}

}  // namespace ravlo
