#include "shell/FileOpenQueue.h"

#include <QApplication>
#include <QThread>

namespace ravlo {

namespace {

// How often a busy program is looked at again.
constexpr int kRetryMs = 100;

}  // namespace

FileOpenQueue::FileOpenQueue(Opener opener, QObject* parent)
    : QObject(parent), opener_(std::move(opener)) {
  retry_.setSingleShot(true);
  retry_.setInterval(kRetryMs);
  connect(&retry_, &QTimer::timeout, this, &FileOpenQueue::Run);
}

void FileOpenQueue::Add(const QStringList& paths, Way way) {
  for (const QString& path : paths) waiting_.push_back({path, way});
  // Never from inside the caller: a drop or a socket read is still being
  // handled, and an open may ask questions.
  if (!waiting_.empty()) QTimer::singleShot(0, this, &FileOpenQueue::Run);
}

bool FileOpenQueue::ProgramIsFree() {
  // The application's own loop is level 1; a modal dialog or the pause
  // between two sent messages runs a loop inside it. (Tests, which run no
  // loop of their own, are at level 0.)
  return QApplication::activeModalWidget() == nullptr && QThread::currentThread()->loopLevel() <= 1;
}

void FileOpenQueue::Run() {
  if (running_ || waiting_.empty()) return;
  if (!ProgramIsFree()) {
    retry_.start();
    return;
  }
  running_ = true;
  while (!waiting_.empty()) {
    const Entry entry = waiting_.front();
    waiting_.pop_front();
    opener_(entry.path, entry.way);
  }
  running_ = false;
}

}  // namespace ravlo
