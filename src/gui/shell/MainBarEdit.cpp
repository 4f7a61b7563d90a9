// The main bar's Edit menu: the edit history's steps taken back and done
// again, from every window of the program.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "history/EditHistory.h"
#include "model/XgModel.h"
#include "shell/EditorDialog.h"
#include "shell/MainBar.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {

namespace {

// "&Undo Part 3 Volume", with its key in the menu's key column (the keys
// themselves are the ProgramKeysFilter's, in every window).
QString StepText(const QString& verb, std::string_view step, const QString& keys) {
  QString text = verb;
  if (!step.empty()) {
    text += QLatin1Char(' ') + QString::fromUtf8(step.data(), static_cast<qsizetype>(step.size()));
  }
  return text + QLatin1Char('\t') + keys;
}

}  // namespace

void MainBar::BuildEditMenu() {
  history_ = std::make_unique<EditHistory>(*model_);
  history_->SetListener([this] { ShowHistory(); });
  // "Voic&e" has E; the menu gives way.
  QMenu* edit = menuBar()->addMenu(QStringLiteral("Edi&t"));
  edit->setObjectName(QStringLiteral("EditMenu"));
  undoAction_ = edit->addAction(QStringLiteral("&Undo"), this, &MainBar::UndoCommand);
  undoAction_->setObjectName(QStringLiteral("UndoAction"));
  redoAction_ = edit->addAction(QStringLiteral("&Redo"), this, &MainBar::RedoCommand);
  redoAction_->setObjectName(QStringLiteral("RedoAction"));
  ShowHistory();
}

void MainBar::ShowHistory() {
  if (undoAction_ == nullptr) return;
  const QString undoKeys = QKeySequence(Qt::CTRL | Qt::Key_Z).toString(QKeySequence::NativeText);
  const QString redoKeys =
      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z).toString(QKeySequence::NativeText);
  undoAction_->setText(StepText(QStringLiteral("&Undo"), history_->UndoName(), undoKeys));
  redoAction_->setText(StepText(QStringLiteral("&Redo"), history_->RedoName(), redoKeys));
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
  // The notches of one turn of the wheel over a field are one step.
  if (join == StepJoin::Separate) {
    switch (EditSpinPair::Turning()) {
      case EditSpinPair::WheelTurn::Starts:
        join = StepJoin::Opens;
        break;
      case EditSpinPair::WheelTurn::GoesOn:
        join = StepJoin::WithSameName;
        break;
      case EditSpinPair::WheelTurn::None:
        break;
    }
  }
  return history_->Record(name, replay, edit, join);
}

void MainBar::ForgetHistory() {
  history_->Clear(!modified_);
}

}  // namespace ravlo
