#pragma once

#include <QDialog>

class QComboBox;

namespace ravlo {

class KeyboardPiano;
class PianoKeyboardView;

// The piano on screen, opened with Options > Piano: five octaves of keys to
// click, with the piano's octave and channel to choose. The computer
// keyboard plays on as before, and its keys light up here as they sound.
class PianoKeyboardWindow final : public QDialog {
  Q_OBJECT

 public:
  static inline const QString kTitle = QStringLiteral("Keyboard");

  explicit PianoKeyboardWindow(KeyboardPiano& piano, QWidget* parent = nullptr);

  // Shows the piano's octave, channel and sounding keys again.
  void Refresh();

  PianoKeyboardView& Keys() { return *keys_; }
  QComboBox& OctaveList() { return *octave_; }
  QComboBox& ChannelList() { return *channel_; }

 private:
  KeyboardPiano& piano_;
  PianoKeyboardView* keys_;
  QComboBox* octave_;
  QComboBox* channel_;
};

}  // namespace ravlo
