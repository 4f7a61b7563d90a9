#include "editors/PendingEdit.h"

#include <QLineEdit>
#include <QWidget>

#include "widgets/EditSpinPair.h"

namespace ravlo {

void CommitPendingEdit(QWidget& window) {
  QWidget* focused = window.focusWidget();
  if (focused == nullptr) return;
  auto* field = qobject_cast<EditSpinPair*>(focused->parentWidget());
  if (field != nullptr && field->Edit() == focused) field->Commit();
}

}  // namespace ravlo
