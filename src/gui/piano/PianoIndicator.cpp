#include "piano/PianoIndicator.h"

#include <QLabel>

#include "shell/AppIcons.h"

namespace ravlo {

PianoIndicator::PianoIndicator(QLabel* label, int size, QObject* parent)
    : QObject(parent),
      offPixmap_(AppIcons::PianoOff().pixmap(size, size)),
      onPixmap_(AppIcons::PianoOn().pixmap(size, size)) {
  timer_.setInterval(kBlinkIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &PianoIndicator::Blink);
  SetLabel(label);
}

void PianoIndicator::SetLabel(QLabel* label) {
  label_ = label;
  if (label_ != nullptr) label_->setPixmap(Current());
}

void PianoIndicator::SetOn(bool on) {
  on_ = on;
  if (on) {
    timer_.start();
  } else {
    timer_.stop();
  }
  Show(on);
}

void PianoIndicator::Blink() {
  if (on_) Show(!showingOn_);
}

void PianoIndicator::Show(bool on) {
  showingOn_ = on;
  if (label_ != nullptr) label_->setPixmap(Current());
  emit PixmapChanged(Current());
}

}  // namespace ravlo
