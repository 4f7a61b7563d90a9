#include "piano/PianoKeyboardView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "parameters/ParameterDisplay.h"
#include "piano/KeyboardPiano.h"

namespace ravlo {

namespace {

constexpr int kWhiteKeysPerOctave = 7;
constexpr int kWhiteKeyCount = PianoKeyboardView::kOctaves * kWhiteKeysPerOctave + 1;
constexpr int kLastNote = 127;
constexpr int kMaxVelocity = 127;

// Per semitone of the octave: the white key it is, or the white key a black
// key stands to the right of.
constexpr std::array<int, 12> kWhiteIndex = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
constexpr std::array<bool, 12> kBlack = {false, true,  false, true,  false, false,
                                         true,  false, true,  false, true,  false};

constexpr double kBlackWidthShare = 0.6;
constexpr double kBlackHeightShare = 0.62;

bool IsBlack(int offset) {
  return kBlack[static_cast<std::size_t>(offset % 12)];
}

}  // namespace

PianoKeyboardView::PianoKeyboardView(KeyboardPiano& piano, QWidget* parent)
    : QWidget(parent), piano_(piano) {
  setObjectName(QStringLiteral("KeyboardKeys"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int PianoKeyboardView::FirstNote() const {
  return piano_.Octave() * 12;
}

double PianoKeyboardView::WhiteWidth() const {
  return static_cast<double>(width()) / kWhiteKeyCount;
}

double PianoKeyboardView::BlackHeight() const {
  return height() * kBlackHeightShare;
}

QRectF PianoKeyboardView::KeyRect(int note) const {
  const int offset = note - FirstNote();
  if (offset < 0 || offset >= kKeyCount) return {};
  const double white = WhiteWidth();
  const double left =
      ((offset / 12) * kWhiteKeysPerOctave + kWhiteIndex[static_cast<std::size_t>(offset % 12)]) *
      white;
  if (!IsBlack(offset)) return {left, 0.0, white, static_cast<double>(height())};
  const double black = white * kBlackWidthShare;
  return {left + white - black / 2, 0.0, black, BlackHeight()};
}

std::optional<int> PianoKeyboardView::NoteAt(QPointF point) const {
  if (!rect().contains(point.toPoint())) return std::nullopt;
  std::optional<int> found;
  // The black keys lie over the white ones.
  for (int offset = 0; offset < kKeyCount && !found; ++offset) {
    if (IsBlack(offset) && KeyRect(FirstNote() + offset).contains(point))
      found = FirstNote() + offset;
  }
  for (int offset = 0; offset < kKeyCount && !found; ++offset) {
    if (!IsBlack(offset) && KeyRect(FirstNote() + offset).contains(point))
      found = FirstNote() + offset;
  }
  if (found && *found > kLastNote) return std::nullopt;
  return found;
}

int PianoKeyboardView::VelocityAt(QPointF point) const {
  const std::optional<int> note = NoteAt(point);
  if (!note) return 0;
  const QRectF key = KeyRect(*note);
  const double share = std::clamp((point.y() - key.top()) / key.height(), 0.0, 1.0);
  return std::clamp(1 + static_cast<int>(std::lround(share * (kMaxVelocity - 1))), 1, kMaxVelocity);
}

bool PianoKeyboardView::IsLit(int note) const {
  return piano_.IsSounding(note);
}

QSize PianoKeyboardView::sizeHint() const {
  return {kWhiteKeyCount * 22, 120};
}

QSize PianoKeyboardView::minimumSizeHint() const {
  return {kWhiteKeyCount * 10, 60};
}

void PianoKeyboardView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette& colours = palette();
  const QColor lit = colours.color(QPalette::Highlight);
  const QColor outline = colours.color(QPalette::Shadow);
  painter.fillRect(rect(), colours.color(QPalette::Window));
  const auto keyColour = [&](int note, const QColor& plain) {
    if (note > kLastNote) return colours.color(QPalette::Disabled, QPalette::Button);
    return IsLit(note) ? lit : plain;
  };
  for (bool black : {false, true}) {
    for (int offset = 0; offset < kKeyCount; ++offset) {
      if (IsBlack(offset) != black) continue;
      const int note = FirstNote() + offset;
      const QRectF key = KeyRect(note);
      painter.setPen(QPen(outline, 1));
      painter.setBrush(keyColour(note, black ? QColor(30, 30, 30) : QColor(Qt::white)));
      painter.drawRect(key.adjusted(0.5, 0.5, -0.5, -0.5));
      // The Cs carry their names (60 = C3), to find one's way.
      if (offset % 12 == 0 && note <= kLastNote) {
        painter.setPen(IsLit(note) ? colours.color(QPalette::HighlightedText) : QColor(Qt::black));
        painter.drawText(key.adjusted(0, 0, 0, -3), Qt::AlignHCenter | Qt::AlignBottom,
                         QString::fromStdString(NoteName(note)));
      }
    }
  }
}

void PianoKeyboardView::Play(QPointF point) {
  const std::optional<int> note = NoteAt(point);
  if (note == held_) return;
  LetGo();
  if (note && piano_.PressNote(*note, VelocityAt(point))) held_ = note;
}

void PianoKeyboardView::LetGo() {
  if (held_) piano_.ReleaseNote(*held_);
  held_.reset();
}

void PianoKeyboardView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Play(event->position());
}

void PianoKeyboardView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) Play(event->position());
}

void PianoKeyboardView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) LetGo();
}

}  // namespace ravlo
