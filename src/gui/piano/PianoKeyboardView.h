#pragma once

#include <QWidget>
#include <optional>

namespace ravlo {

class KeyboardPiano;

// Five octaves of piano keys on screen, from the C of the piano's octave.
// A click plays the key under the mouse on the piano's channel, softer
// towards the far end of the key and louder towards the player, as on a
// real keyboard; dragging plays the keys passed over. A key sounding from
// the piano (clicked, or played on the computer keyboard) is lit. The view
// holds no notes of its own: it draws what the piano says sounds.
class PianoKeyboardView final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kOctaves = 5;
  // Five octaves and the top C.
  static constexpr int kKeyCount = kOctaves * 12 + 1;

  explicit PianoKeyboardView(KeyboardPiano& piano, QWidget* parent = nullptr);

  // The note of the leftmost key.
  int FirstNote() const;
  // Where a key lies; empty for a note not shown.
  QRectF KeyRect(int note) const;
  // The note under a point; none off the keys or past the last MIDI note.
  std::optional<int> NoteAt(QPointF point) const;
  // The velocity (1..127) a click at the point plays.
  int VelocityAt(QPointF point) const;
  bool IsLit(int note) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  double WhiteWidth() const;
  double BlackHeight() const;
  void Play(QPointF point);
  void LetGo();

  KeyboardPiano& piano_;
  // The key the mouse holds down, to release it where the mouse lets go.
  std::optional<int> held_;
};

}  // namespace ravlo
