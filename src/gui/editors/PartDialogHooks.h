#pragma once

#include <QString>
#include <functional>

class QDialog;
class QLayout;
class QWidget;

namespace ravlo {

// Shows a prompt that only has an OK button.
using PartMessageShower = std::function<void(const QString& text)>;

// A warning box with the program's name as its caption.
void ShowPartPrompt(QWidget* owner, const QString& text);

// Lays out a part sub-dialog: its controls, then "OK" (named "Ok", the
// default) and "Cancel" wired to the dialog's accept and reject, at least
// as wide as its title.
void FinishPartDialog(QDialog& dialog, QLayout* controls);

}  // namespace ravlo
