#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

namespace ravlo {

// Files to open that come from outside any command: the command line, a
// second start, a drop. They wait until the program is between commands
// (no modal window up, no pause of a send under way), then open one after
// another in the order they came; files that come while one is opening join
// the end of the line.
class FileOpenQueue final : public QObject {
  Q_OBJECT

 public:
  // How a file came: a dropped voice bank asks where its files go.
  enum class Way { AsFileOpen, Dropped };
  using Opener = std::function<void(const QString& path, Way way)>;

  explicit FileOpenQueue(Opener opener, QObject* parent = nullptr);

  void Add(const QStringList& paths, Way way);
  bool Empty() const { return waiting_.empty() && !running_; }

 private:
  void Run();
  static bool ProgramIsFree();

  struct Entry {
    QString path;
    Way way;
  };
  Opener opener_;
  std::deque<Entry> waiting_;
  QTimer retry_;
  bool running_ = false;
};

}  // namespace ravlo
