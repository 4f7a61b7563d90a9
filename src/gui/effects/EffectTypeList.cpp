#include "effects/EffectTypeList.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "effects/EffectLookups.h"
#include "effects/EffectModel.h"
#include "widgets/QtText.h"

namespace ravlo {

QComboBox* MakeEffectTypeList(EffectKind kind, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QStringLiteral("TypeList"));
  // A type the tables lack ("Unknown (5E 00)") is added later and shows whole.
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  const std::size_t count = EffectTypeCount(kind);
  for (std::size_t type = 0; type < count; ++type) {
    list->addItem(ToQString(EffectTypeName(kind, type)));
  }
  return list;
}

void ShowEffectType(QComboBox& list, const EffectModel& effects, EffectKind kind) {
  const QSignalBlocker blocker(list);
  const auto known = static_cast<int>(EffectTypeCount(kind));
  while (list.count() > known) list.removeItem(known);
  for (const ExtendedEffectType& type : effects.ExtendedTypes(kind)) {
    list.addItem(ToQString(type.name));
  }
  const std::optional<int> listed = effects.ListedType(kind);
  if (!listed) list.addItem(QString::fromStdString(effects.TypeDisplayName(kind)));
  list.setCurrentIndex(listed.value_or(list.count() - 1));
}

}  // namespace ravlo
