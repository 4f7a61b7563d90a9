#include "shell/EditorDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "model/XgModel.h"
#include "shell/AppIcons.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {

EditorDialog::EditorDialog(EditorHost& host, EditorSlot slot, const QString& kind, QWidget* parent)
    : QDialog(parent, Qt::Window), host_(host), slot_(slot), kind_(kind) {
  setModal(false);
  setWindowTitle(kind_);
  setWindowIcon(AppIcons::Editor(slot));
}

EditorDialog::~EditorDialog() {
  if (followed_ != nullptr) followed_->Unsubscribe(*this);
  // The window proper is gone; hiding the dialog still takes the focus out
  // of a box, whose setter and getter reach into that window.
  for (EditSpinPair* field : findChildren<EditSpinPair*>()) field->Detach();
}

void EditorDialog::Follow(XgModel& model) {
  followed_ = &model;
  model.Subscribe(*this);
}

void EditorDialog::ModelChanged(const ModelChange& change) {
  // A closed window shows the model afresh when it opens.
  if (isVisible()) ShowChange(change);
}

bool EditorDialog::OpenWindow(const std::function<void()>& place) {
  WindowStart();
  // Placed before it shows, so the window manager puts its frame there.
  if (place) place();
  show();
  raise();
  activateWindow();
  return true;
}

void EditorDialog::CommitPendingEdit() {
  QWidget* focused = focusWidget();
  if (focused == nullptr) return;
  auto* field = qobject_cast<EditSpinPair*>(focused->parentWidget());
  if (field != nullptr && field->Edit() == focused) field->Commit();
}

void EditorDialog::CloseWindow() {
  if (!isVisible()) return;
  CommitPendingEdit();
  HideAndReport();
}

void EditorDialog::HideAndReport() {
  closing_ = true;
  hide();
  closing_ = false;
  host_.EditorClosed(slot_);
}

void EditorDialog::SetSelectionCaption(const QString& selection) {
  setWindowTitle(selection.isEmpty() ? kind_ : kind_ + " -- " + selection);
}

void EditorDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      CloseWindow();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return;  // Enter never closes an editor
    default:
      QDialog::keyPressEvent(event);
  }
}

void EditorDialog::closeEvent(QCloseEvent* event) {
  if (!closing_ && isVisible()) {
    event->ignore();  // the close box closes as Escape does
    CloseWindow();
    return;
  }
  QDialog::closeEvent(event);
}

void EditorDialog::reject() {
  CloseWindow();
}

}  // namespace ravlo
