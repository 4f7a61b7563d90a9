#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QWidget;

namespace ravlo {

// One running copy per user. The first start listens on a per-user local
// socket named after the program; a second start finds it, asks the running
// copy to come forward and ends. The running copy brings its most recently
// active window to the front (or beeps when it has no window yet).
class SingleInstance final : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(const QString& name, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True for the first copy; false when another copy runs (it has been
  // asked to come forward).
  bool Claim();
  static QString UserScopedName(const QString& title);

  // The window to bring forward on an activation: the last one active.
  QWidget* LastActiveWindow() const { return lastActive_; }

 signals:
  void ActivationRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Activate();

  QString name_;
  QLocalServer* server_ = nullptr;
  QPointer<QWidget> lastActive_;
};

}  // namespace ravlo
