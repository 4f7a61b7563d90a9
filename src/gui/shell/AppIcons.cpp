#include "shell/AppIcons.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace ravlo {

namespace {

constexpr int kSize = 32;

// A strip of keyboard: white keys with the black keys between them.
QPixmap Keyboard(const QColor& frame, const QColor& white, const QColor& black) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(frame);
  painter.setPen(Qt::NoPen);
  painter.drawRoundedRect(1, 5, 30, 22, 3, 3);
  painter.setPen(QPen(QColor(60, 60, 60), 1));
  painter.setBrush(white);
  for (int key = 0; key < 5; ++key) painter.drawRect(3 + key * 5 + key, 8, 5, 17);
  painter.setPen(Qt::NoPen);
  painter.setBrush(black);
  for (int key : {0, 1, 3}) painter.drawRect(6 + key * 6, 8, 4, 10);
  return pixmap;
}

// Colours and letters by slot, in the window table's order.
constexpr std::array<const char*, kEditorSlotCount> kLetters{
    "R", "C", "S", "V", "Rv", "Ch", "Va", "P", "D", "U", "M", "?", "In", "EQ", "Tx"};

}  // namespace

QIcon AppIcons::Application() {
  return QIcon(Keyboard(QColor(0, 128, 128), Qt::white, Qt::black));
}

QIcon AppIcons::PianoOff() {
  return QIcon(Keyboard(QColor(90, 90, 90), QColor(200, 200, 200), QColor(60, 60, 60)));
}

QIcon AppIcons::PianoOn() {
  return QIcon(Keyboard(QColor(200, 40, 40), Qt::white, Qt::black));
}

QIcon AppIcons::Editor(EditorSlot slot) {
  const int index = static_cast<int>(slot);
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor colour = QColor::fromHsv((index * 33) % 360, 150, 200);
  painter.setBrush(colour);
  painter.setPen(QPen(colour.darker(160), 2));
  painter.drawEllipse(2, 2, 28, 28);
  painter.setPen(Qt::black);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(13);
  painter.setFont(font);
  painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter,
                   QString::fromUtf8(kLetters[static_cast<std::size_t>(index)]));
  return QIcon(pixmap);
}

}  // namespace ravlo
