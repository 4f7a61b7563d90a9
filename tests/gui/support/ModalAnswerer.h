#pragma once

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

namespace ravlo::test {

// Answers the real modal windows (message boxes, file dialogs) that the code
// under test opens, the Processing window aside, the way a musician would: each one is seen once,
// what it showed and which cursor was up is kept, then `answer` closes it.
class ModalAnswerer {
 public:
  struct Seen {
    QString className;
    QString text;                           // a message box's text
    std::optional<Qt::CursorShape> cursor;  // the override cursor while it was up
  };
  using Answer = std::function<void(QWidget& modal)>;

  explicit ModalAnswerer(Answer answer) : answer_(std::move(answer)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start();
  }

  const std::vector<Seen>& All() const { return seen_; }

 private:
  void Look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == last_) return;
    // The Processing window of a long action asks nothing: it is left to run.
    if (modal->inherits("ravlo::ProcessingProgress")) return;
    last_ = modal;
    Seen seen{QString::fromLatin1(modal->metaObject()->className()), {}, {}};
    if (auto* box = qobject_cast<QMessageBox*>(modal)) seen.text = box->text();
    if (const QCursor* cursor = QApplication::overrideCursor()) seen.cursor = cursor->shape();
    seen_.push_back(seen);
    answer_(*modal);
  }

  Answer answer_;
  QTimer timer_;
  QPointer<QWidget> last_;
  std::vector<Seen> seen_;
};

}  // namespace ravlo::test
