// The main bar's Edit menu: the edit history's steps taken back and done
// again, from every window of the program.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "history/EditHistory.h"
#include "model/XgModel.h"
#include "shell/EditorDialog.h"
#include "shell/MainBar.h"

namespace ravlo {

namespace {

QString StepText(const QString& verb, std::string_view step) {
  if (step.empty()) return verb;
  return verb + QLatin1Char(' ') + QString::fromUtf8(step.data(), static_cast<qsizetype>(step.size()));
}

}  // namespace

void MainBar::BuildEditMenu() {
  history_ = std::make_unique<EditHistory>(*model_);
  history_->SetListener([this] { ShowHistory(); });
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  undoAction_ = edit->addAction(QStringLiteral("&Undo"), this, &MainBar::UndoCommand);
  undoAction_->setObjectName(QStringLiteral("UndoAction"));
  undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redoAction_ = edit->addAction(QStringLiteral("&Redo"), this, &MainBar::RedoCommand);
  redoAction_->setObjectName(QStringLiteral("RedoAction"));
  redoAction_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  // The keys work in the editors too, not only here.
  for (QAction* action : {undoAction_, redoAction_}) {
    action->setShortcutContext(Qt::ApplicationShortcut);
  }
  ShowHistory();
}

void MainBar::ShowHistory() {
  if (undoAction_ == nullptr) return;
  undoAction_->setText(StepText(QStringLiteral("&Undo"), history_->UndoName()));
  redoAction_->setText(StepText(QStringLiteral("&Redo"), history_->RedoName()));
  undoAction_->setEnabled(history_->CanUndo());
  redoAction_->setEnabled(history_->CanRedo());
}

bool MainBar::UndoCommand() {
  // What is being typed is an edit too: it goes first, and is what comes back.
  CommitOpenEditors();
  if (!history_->CanUndo()) return false;
  return AfterHistoryMove(history_->Undo());
}

bool MainBar::RedoCommand() {
  CommitOpenEditors();
  if (!history_->CanRedo()) return false;
  return AfterHistoryMove(history_->Redo());
}

bool MainBar::AfterHistoryMove(bool moved) {
  // A stopped undo changed the model as far as it went.
  const bool modified = !moved || !history_->AtSavePoint();
  if (modified != modified_) {
    modified_ = modified;
    UpdateTitle();
  }
  ShowHistory();
  return moved;
}

bool MainBar::RecordEdit(const std::string& name, const StepReplay& replay,
                         const std::function<bool()>& edit, StepJoin join) {
  return history_->Record(name, replay, edit, join);
}

void MainBar::ForgetHistory() {
  history_->Clear(!modified_);
}

}  // namespace ravlo
