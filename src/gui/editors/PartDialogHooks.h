#pragma once

#include <QString>
#include <functional>

class QDialog;
class QLayout;
class QWidget;

namespace ravlo {

// Runs a modal part dialog and gives its result (QDialog::Accepted or
// Rejected). The window uses exec(); tests answer the dialog themselves.
using PartModalRunner = std::function<int(QDialog& dialog)>;

// Shows a prompt that only has an OK button.
using PartMessageShower = std::function<void(const QString& text)>;

// exec(), as a modal dialog normally runs.
int RunPartDialogModally(QDialog& dialog);
// A warning box with the program's name as its caption.
void ShowPartPrompt(QWidget* owner, const QString& text);

// Lays out a part sub-dialog: its controls, then "OK" (named "Ok", the
// default) and "Cancel" wired to the dialog's accept and reject.
void FinishPartDialog(QDialog& dialog, QLayout* controls);

}  // namespace ravlo
