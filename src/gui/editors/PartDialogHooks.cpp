#include "editors/PartDialogHooks.h"

#include <QDialog>
#include <QMessageBox>

namespace ravlo {

int RunPartDialogModally(QDialog& dialog) {
  return dialog.exec();
}

void ShowPartPrompt(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Ravlo"), text, QMessageBox::Ok, owner);
  box.exec();
}

}  // namespace ravlo
