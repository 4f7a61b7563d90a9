#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;

namespace ravlo {

// Control+Z undoes, and Control+Shift+Z and Control+Y redo, in every one of
// the program's windows, a number or text box with the focus included (a box
// would otherwise keep them for its own typing). A modal dialog keeps them.
// One filter for the whole program; the keys work whatever the Edit menu
// shows, so that a value being typed can go first and be taken back.
class UndoKeysFilter final : public QObject {
  Q_OBJECT

 public:
  using Command = std::function<void()>;
  UndoKeysFilter(Command undo, Command redo);

  static bool IsUndoKey(const QKeyEvent& key);
  static bool IsRedoKey(const QKeyEvent& key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Command undo_;
  Command redo_;
};

}  // namespace ravlo
