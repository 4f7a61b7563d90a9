#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QLocalServer;
class QWidget;

namespace ravlo {

// One running copy per user. The first start listens on a per-user local
// socket named after the program; a second start finds it, hands it the
// files it was given, asks it to come forward and ends. The running copy
// brings its most recently active window to the front (or beeps when it has
// no window yet), then asks for the files to be opened.
//
// What goes over the socket: a line "open PATH" per file, the path UTF-8 and
// percent-encoded, then the line "activate".
class SingleInstance final : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(const QString& name, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True for the first copy; false when another copy runs (it has been
  // handed `files` and asked to come forward).
  bool Claim(const QStringList& files = {});
  static QString UserScopedName(const QString& title);

  // The window to bring forward on an activation: the last one active.
  QWidget* LastActiveWindow() const { return lastActive_; }

 signals:
  void ActivationRequested();
  // A second start was given these files; the window came forward first.
  void OpenRequested(const QStringList& files);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Activate();
  void Listen();

  QString name_;
  QLocalServer* server_ = nullptr;
  QPointer<QWidget> lastActive_;
};

}  // namespace ravlo
