#pragma once

#include <QObject>

class QKeyEvent;

namespace ravlo {

// Control+Z, Control+Shift+Z and Control+Y belong to the Edit menu in every
// one of the program's windows: a text box would otherwise keep them for an
// undo of its own typing. One filter for the whole program.
class UndoKeysFilter final : public QObject {
  Q_OBJECT

 public:
  UndoKeysFilter();

  static bool IsUndoKey(const QKeyEvent& key);
  static bool IsRedoKey(const QKeyEvent& key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ravlo
