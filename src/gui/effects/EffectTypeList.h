#pragma once

#include "effects/EffectKind.h"

class QComboBox;
class QWidget;

namespace ravlo {

class EffectModel;

// The type list of an effect window: the kind's types, filled once.
QComboBox* MakeEffectTypeList(EffectKind kind, QWidget* parent);

// Selects the type the block runs, without telling the list's listeners.
// With Extended the later instruments' types follow the table's. A type no
// list holds shows as one extra entry, as it came, and leaves the list again
// once a listed type runs.
void ShowEffectType(QComboBox& list, const EffectModel& effects, EffectKind kind);

}  // namespace ravlo
