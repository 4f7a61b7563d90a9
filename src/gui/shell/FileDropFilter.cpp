#include "shell/FileDropFilter.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <algorithm>

namespace ravlo {

FileDropFilter::FileDropFilter(Receiver receiver, QObject* parent)
    : QObject(parent), receiver_(std::move(receiver)) {
  // Watched on the application, so that the drag is seen before the widget
  // under the pointer handles it.
  qApp->installEventFilter(this);
}

FileDropFilter::~FileDropFilter() {
  if (qApp != nullptr) qApp->removeEventFilter(this);
}

void FileDropFilter::Watch(QWidget* window) {
  window->setAcceptDrops(true);
  windows_.emplace_back(window);
}

QStringList FileDropFilter::OpenablePaths(const QMimeData* data) {
  QStringList paths;
  if (data == nullptr || !data->hasUrls()) return paths;
  static const QStringList kSuffixes{QStringLiteral("syx"), QStringLiteral("mid"),
                                     QStringLiteral("q3v")};
  const QList<QUrl> urls = data->urls();
  for (const QUrl& url : urls) {
    if (!url.isLocalFile()) continue;
    const QFileInfo file(url.toLocalFile());
    if (kSuffixes.contains(file.suffix(), Qt::CaseInsensitive)) paths << file.absoluteFilePath();
  }
  return paths;
}

bool FileDropFilter::Watches(QObject* object) const {
  if (!object->isWidgetType()) return false;
  const QWidget* window = static_cast<QWidget*>(object)->window();
  return std::any_of(windows_.begin(), windows_.end(),
                     [window](const QPointer<QWidget>& watched) { return watched == window; });
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  if (!Watches(watched)) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  // Always a copy: a file manager told "moved" would take the file away.
  if (!drop->possibleActions().testFlag(Qt::CopyAction)) return false;
  const QStringList paths = OpenablePaths(drop->mimeData());
  if (paths.isEmpty()) return false;
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  if (type == QEvent::Drop) receiver_(paths);
  return true;
}

}  // namespace ravlo
