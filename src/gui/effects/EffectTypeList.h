#pragma once

#include "effects/EffectKind.h"

class QComboBox;
class QWidget;

namespace ravlo {

class EffectModel;

// The type list of an effect window: the kind's types, filled once.
QComboBox* MakeEffectTypeList(EffectKind kind, QWidget* parent);

// Selects the type the block runs, without telling the list's listeners. A
// type the tables lack shows as one extra entry, as it came, and leaves the
// list again once a known type runs.
void ShowEffectType(QComboBox& list, const EffectModel& effects, EffectKind kind);

}  // namespace ravlo
