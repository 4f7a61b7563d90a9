#include "app/SingleInstance.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <utility>

namespace ravlo {

namespace {

constexpr int kConnectTimeoutMs = 1000;
const QByteArray kOpen = QByteArrayLiteral("open ");
const QByteArray kActivate = QByteArrayLiteral("activate");

}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name) {}

SingleInstance::~SingleInstance() {
  if (qApp != nullptr) qApp->removeEventFilter(this);
  if (server_ != nullptr) server_->close();
}

QString SingleInstance::UserScopedName(const QString& title) {
  QString user =
      qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", QStringLiteral("user")));
  return title + QLatin1Char('-') + user;
}

bool SingleInstance::Claim(const QStringList& files) {
  {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
      QByteArray request;
      for (const QString& file : files) {
        request += kOpen + QUrl::toPercentEncoding(file) + '\n';
      }
      request += kActivate + '\n';
      probe.write(request);
      while (probe.bytesToWrite() > 0 && probe.waitForBytesWritten(kConnectTimeoutMs)) {
      }
      probe.disconnectFromServer();
      return false;
    }
  }
  // Nobody answered: a socket left by a copy that ended abnormally is stale.
  QLocalServer::removeServer(name_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name_)) return true;  // run on, as the only copy that can be known
  Listen();
  qApp->installEventFilter(this);
  return true;
}

void SingleInstance::Listen() {
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      // A request may arrive in pieces: the files are kept until its last line.
      auto files = std::make_shared<QStringList>();
      connect(socket, &QLocalSocket::readyRead, this, [this, socket, files] {
        while (socket->canReadLine()) {
          const QByteArray line = socket->readLine().trimmed();
          if (line.startsWith(kOpen)) {
            *files << QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(kOpen.size())));
          } else if (line == kActivate) {
            Activate();
            if (!files->isEmpty()) emit OpenRequested(std::exchange(*files, {}));
          }
        }
      });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
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
