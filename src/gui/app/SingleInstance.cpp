#include "app/SingleInstance.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace ravlo {

namespace {

constexpr int kConnectTimeoutMs = 1000;

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

bool SingleInstance::Claim() {
  {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
      probe.write("activate\n");
      probe.waitForBytesWritten(kConnectTimeoutMs);
      probe.disconnectFromServer();
      return false;
    }
  }
  // Nobody answered: a socket left by a copy that ended abnormally is stale.
  QLocalServer::removeServer(name_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name_)) return true;  // run on, as the only copy that can be known
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        socket->readAll();
        Activate();
      });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
  qApp->installEventFilter(this);
  return true;
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
