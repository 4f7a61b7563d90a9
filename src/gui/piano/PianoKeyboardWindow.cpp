#include "piano/PianoKeyboardWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "parameters/ParameterDisplay.h"
#include "piano/KeyboardPiano.h"
#include "piano/PianoKeyboardView.h"

namespace ravlo {

namespace {

constexpr int kChannelCount = 16;

}  // namespace

PianoKeyboardWindow::PianoKeyboardWindow(KeyboardPiano& piano, QWidget* parent)
    : QDialog(parent, Qt::Window),
      piano_(piano),
      keys_(new PianoKeyboardView(piano, this)),
      octave_(new QComboBox(this)),
      channel_(new QComboBox(this)) {
  setWindowTitle(kTitle);
  setObjectName(QStringLiteral("KeyboardWindow"));
  // Lists rather than number boxes: typed digits belong to the piano.
  octave_->setObjectName(QStringLiteral("KeyboardOctave"));
  channel_->setObjectName(QStringLiteral("KeyboardChannel"));
  // Each octave named by its lowest key, where the keys here and Z start.
  for (int octave = 0; octave <= KeyboardPiano::kMaxOctave; ++octave)
    octave_->addItem(QString::fromStdString(NoteName(octave * 12)));
  for (int channel = 1; channel <= kChannelCount; ++channel)
    channel_->addItem(QString::number(channel));
  connect(octave_, &QComboBox::activated, this, [this](int octave) { piano_.SetOctave(octave); });
  connect(channel_, &QComboBox::activated, this,
          [this](int channel) { piano_.ChooseChannel(channel); });

  auto* choices = new QHBoxLayout;
  const auto labelled = [this, choices](const QString& text, QComboBox* list) {
    auto* label = new QLabel(text, this);
    label->setBuddy(list);
    choices->addWidget(label);
    choices->addWidget(list);
  };
  labelled(QStringLiteral("&Octave"), octave_);
  labelled(QStringLiteral("C&hannel"), channel_);
  choices->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(keys_, 1);
  Refresh();
}

void PianoKeyboardWindow::Refresh() {
  {
    const QSignalBlocker quietOctave(octave_);
    const QSignalBlocker quietChannel(channel_);
    octave_->setCurrentIndex(piano_.Octave());
    channel_->setCurrentIndex(piano_.Channel());
  }
  keys_->update();
}

}  // namespace ravlo
