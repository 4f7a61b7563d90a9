#include "app/SingleInstance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "instance/HandoverReader.h"

namespace ravlo {

namespace {

constexpr int kConnectTimeoutMs = 1000;

// A directory that is the user's alone: not a link, owned by the user, and
// closed to everybody else.
bool IsPrivateDirectory(const QByteArray& path) {
  struct stat status {};
  return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
         status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
}

// The user id of the process at the other end of a connected local socket.
bool PeerIsThisUser(const QLocalSocket& socket) {
  ucred peer{};
  socklen_t size = sizeof peer;
  const auto fd = static_cast<int>(socket.socketDescriptor());
  return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
         size == sizeof peer && peer.uid == ::getuid();
}

}  // namespace

SingleInstance::SingleInstance(const QString& socketPath, QObject* parent, int handoverTimeLimitMs)
    : QObject(parent), path_(socketPath), timeLimitMs_(handoverTimeLimitMs) {}

SingleInstance::~SingleInstance() {
  if (qApp != nullptr) qApp->removeEventFilter(this);
  if (server_ != nullptr) server_->close();
}

QString SingleInstance::SocketPath(const QString& title) {
  const QString name = QStringLiteral("%1-%2.socket").arg(title).arg(::getuid());
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && IsPrivateDirectory(runtime)) {
    return QFile::decodeName(runtime) + QLatin1Char('/') + name;
  }
  const QString own = QDir::tempPath() + QStringLiteral("/%1-%2").arg(title).arg(::getuid());
  const QByteArray encoded = QFile::encodeName(own);
  // Made here with the right mode, or found so; anything else under that
  // name may belong to somebody else, and no copy meets another there.
  ::mkdir(encoded.constData(), 0700);
  if (!IsPrivateDirectory(encoded)) return {};
  return own + QLatin1Char('/') + name;
}

bool SingleInstance::Claim(const QStringList& files) {
  if (path_.isEmpty()) return true;
  {
    QLocalSocket probe;
    probe.connectToServer(path_);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
      // Only a copy of the same user is handed anything: whoever else
      // listens there is left alone, and this copy runs on by itself.
      if (!PeerIsThisUser(probe)) return true;
      std::vector<std::string> paths;
      for (const QString& file : files) paths.push_back(file.toStdString());
      const std::string handover = BuildHandover(paths);
      probe.write(handover.data(), static_cast<qint64>(handover.size()));
      while (probe.bytesToWrite() > 0 && probe.waitForBytesWritten(kConnectTimeoutMs)) {
      }
      probe.disconnectFromServer();
      return false;
    }
  }
  // Nobody answered: a socket left by a copy that ended abnormally is stale.
  QLocalServer::removeServer(path_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(path_)) return true;  // run on, as the only copy that can be known
  Listen();
  qApp->installEventFilter(this);
  return true;
}

void SingleInstance::Listen() {
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) Serve(socket);
  });
}

void SingleInstance::Serve(QLocalSocket* socket) {
  connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  if (!PeerIsThisUser(*socket)) {
    socket->abort();
    return;
  }
  // What a connection may still send is bounded by the reader; Qt keeps no more.
  socket->setReadBufferSize(static_cast<qint64>(HandoverReader::kMaxBytes));
  auto reader = std::make_shared<HandoverReader>();
  QTimer::singleShot(timeLimitMs_, socket, [socket] { socket->abort(); });
  connect(socket, &QLocalSocket::readyRead, this, [this, socket, reader] {
    // A request may arrive in pieces: the files are kept until its last line.
    if (reader->Current() != HandoverReader::State::Reading) return;
    const QByteArray bytes = socket->readAll();
    switch (reader->Feed(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size())))) {
      case HandoverReader::State::Reading:
        return;
      case HandoverReader::State::Broken:
        socket->abort();
        return;
      case HandoverReader::State::Complete:
        break;
    }
    QStringList files;
    for (const std::string& file : reader->Files()) files << QString::fromStdString(file);
    socket->disconnectFromServer();
    Activate();
    if (!files.isEmpty()) emit OpenRequested(files);
  });
}

bool SingleInstance::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow()) lastActive_ = widget;
  }
  return QObject::eventFilter(watched, event);
}

void SingleInstance::Activate() {
  emit ActivationRequested();
  QWidget* window = lastActive_;
  if (window == nullptr || !window->isVisible()) {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* candidate : windows) {
      if (candidate->isVisible()) {
        window = candidate;
        break;
      }
    }
  }
  if (window == nullptr) {
    QApplication::beep();
    return;
  }
  if (window->isMinimized()) window->showNormal();
  window->raise();
  window->activateWindow();
}

}  // namespace ravlo
