#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;

namespace ravlo {

// The keys that work in every one of the program's windows, a number or text
// box with the focus included (a box would otherwise keep them for its own
// typing): Control+Z undoes, Control+Shift+Z and Control+Y redo, Control+M
// brings up the mixer. A modal dialog keeps them. One filter for the whole
// program; the undo keys work whatever the Edit menu shows, so that a value
// being typed can go first and be taken back.
class ProgramKeysFilter final : public QObject {
  Q_OBJECT

 public:
  using Command = std::function<void()>;
  ProgramKeysFilter(Command undo, Command redo, Command mixer);

  static bool IsUndoKey(const QKeyEvent& key);
  static bool IsRedoKey(const QKeyEvent& key);
  static bool IsMixerKey(const QKeyEvent& key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Command undo_;
  Command redo_;
  Command mixer_;
};

}  // namespace ravlo
