#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

class QLabel;

namespace ravlo {

// The main bar's piano icon: the "off" keyboard while the piano is off; while
// it is on, the "on" keyboard blinking with the "off" one once a second.
class PianoIndicator final : public QObject {
  Q_OBJECT

 public:
  static constexpr int kBlinkIntervalMs = 1000;

  explicit PianoIndicator(QLabel* label = nullptr, int size = 24, QObject* parent = nullptr);

  // The label that shows the icon (none: only the signal tells).
  void SetLabel(QLabel* label);

  // On: shows the "on" icon and starts blinking. Off: stops, shows "off".
  void SetOn(bool on);
  bool IsOn() const { return on_; }
  // Which icon is showing now.
  bool ShowingOn() const { return showingOn_; }
  QPixmap Current() const { return showingOn_ ? onPixmap_ : offPixmap_; }
  const QTimer& Timer() const { return timer_; }

  // One blink: the other icon (what the timer does each second).
  void Blink();

 signals:
  void PixmapChanged(const QPixmap& pixmap);

 private:
  void Show(bool on);

  QPointer<QLabel> label_;
  QPixmap offPixmap_;
  QPixmap onPixmap_;
  QTimer timer_;
  bool on_ = false;
  bool showingOn_ = false;
};

}  // namespace ravlo
