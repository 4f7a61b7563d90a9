#pragma once

#include <functional>

class QDialog;

namespace ravlo {

// Runs a modal dialog and gives its result (QDialog::Accepted or not).
// Windows that run dialogs take one, so that tests can answer them.
using ModalRunner = std::function<int(QDialog& dialog)>;

// exec(), under the normal arrow while the dialog is up.
int RunModally(QDialog& dialog);

}  // namespace ravlo
