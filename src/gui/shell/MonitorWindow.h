#pragma once

#include <QDialog>
#include <cstdint>

class QPlainTextEdit;

namespace ravlo {

class MonitorBackend;
class XgModel;

// What went through the built-in "Ravlo Monitor" pair, newest last: the
// time, the direction ("->" sent to it, "<-" its answers), the bytes and
// what they mean. A musician without a synthesizer sees here what Ravlo
// would have sent, and what a read-back brought.
class MonitorWindow final : public QDialog {
  Q_OBJECT

 public:
  MonitorWindow(MonitorBackend& monitor, const XgModel& model, QWidget* parent = nullptr);
  ~MonitorWindow() override;

  // Appends what arrived since the last look.
  void Refresh();
  void Clear();
  QString Text() const;

 private:
  MonitorBackend& monitor_;
  const XgModel& model_;
  QPlainTextEdit* list_;
  std::uint64_t shown_ = 0;
  bool refreshQueued_ = false;
};

}  // namespace ravlo
