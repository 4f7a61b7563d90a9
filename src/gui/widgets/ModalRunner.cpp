#include "widgets/ModalRunner.h"

#include <QDialog>

#include "widgets/WaitCursor.h"

namespace ravlo {

int RunModally(QDialog& dialog) {
  const ArrowWhileAsking arrow;
  return dialog.exec();
}

}  // namespace ravlo
