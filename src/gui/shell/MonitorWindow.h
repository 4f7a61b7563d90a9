#pragma once

#include <QDialog>
#include <cstdint>

class QPlainTextEdit;

namespace ravlo {

class MonitorBackend;
class XgModel;

// What the built-in "Ravlo Monitor" port received, newest last: the time,
// the bytes and what they mean. A musician without a synthesizer sees here
// what Ravlo would have sent.
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
