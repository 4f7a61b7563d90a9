#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <vector>

class QMimeData;
class QWidget;

namespace ravlo {

// Files dropped on the program's windows. A drag of .syx, .mid or .q3v files
// is taken wherever it is over a watched window, an edit field included (which
// would otherwise take the path as text), and the local paths are handed on;
// every other drag goes its usual way.
class FileDropFilter final : public QObject {
  Q_OBJECT

 public:
  using Receiver = std::function<void(const QStringList& paths)>;

  explicit FileDropFilter(Receiver receiver, QObject* parent = nullptr);
  ~FileDropFilter() override;

  // The window and everything in it take file drops from now on.
  void Watch(QWidget* window);
  // The local files of a drag that the program opens, in the drag's order.
  static QStringList OpenablePaths(const QMimeData* data);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Watches(QObject* object) const;

  Receiver receiver_;
  std::vector<QPointer<QWidget>> windows_;
};

}  // namespace ravlo
