#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace ravlo {

// One running copy per user. The first start listens on a local socket in a
// directory only the user can enter; a second start finds it, makes sure the
// copy listening runs as the same user, hands it the files it was given
// (BuildHandover), asks it to come forward and ends. The running copy takes
// handovers only from the same user and within bounds (HandoverReader, and a
// few seconds for each), brings its most recently active window to the
// front (or beeps when it has no window yet), then asks for the files to be
// opened. A socket left by a copy that crashed is replaced.
class SingleInstance final : public QObject {
  Q_OBJECT

 public:
  static constexpr int kHandoverTimeLimitMs = 5000;

  // `socketPath`: where the copies meet (SocketPath() for the program). An
  // empty path claims nothing: every start runs.
  explicit SingleInstance(const QString& socketPath, QObject* parent = nullptr,
                          int handoverTimeLimitMs = kHandoverTimeLimitMs);
  ~SingleInstance() override;

  // True for the first copy; false when another copy of this user runs (it
  // has been handed `files` and asked to come forward).
  bool Claim(const QStringList& files = {});
  // The program's socket for this user: named after `title` and the user's
  // id, in the user's runtime directory ($XDG_RUNTIME_DIR) or, where there
  // is none, in a directory of the user's own with mode 0700 under the
  // temporary directory. Empty when neither is the user's alone.
  static QString SocketPath(const QString& title);

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
  void Serve(QLocalSocket* socket);

  QString path_;
  int timeLimitMs_;
  QLocalServer* server_ = nullptr;
  QPointer<QWidget> lastActive_;
};

}  // namespace ravlo
