#pragma once

#include <QString>
#include <functional>

class QDialog;
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

}  // namespace ravlo
