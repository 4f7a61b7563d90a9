#include "editors/PartDialogHooks.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ModalRunner.h"
#include "widgets/WholeTitle.h"

namespace ravlo {

void ShowPartPrompt(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Ravlo"), text, QMessageBox::Ok, owner);
  RunModally(box);
}

void FinishPartDialog(QDialog& dialog, QLayout* controls) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
  ok->setObjectName(QStringLiteral("Ok"));
  cancel->setObjectName(QStringLiteral("Cancel"));
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  ok->setDefault(true);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(controls);
  layout->addWidget(buttons);
  // The titles name the part, and some dialogs are small.
  KeepTitleWhole(dialog);
}

}  // namespace ravlo
