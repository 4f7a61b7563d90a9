#include "shell/ColorScheme.h"

#include <QApplication>
#include <QBrush>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace ravlo {

QPixmap ColorScheme::BackgroundTile() {
  // A small basket weave in greys: quiet enough for white labels on top.
  QPixmap tile(16, 16);
  tile.fill(QColor(72, 72, 80));
  QPainter painter(&tile);
  const QColor light(96, 96, 106);
  const QColor dark(56, 56, 62);
  for (int i = 0; i < 4; ++i) {
    const int offset = i * 4;
    const bool across = (i % 2) == 0;
    painter.fillRect(across ? QRect(0, offset, 8, 2) : QRect(offset, 8, 2, 8), light);
    painter.fillRect(across ? QRect(8, offset + 2, 8, 2) : QRect(offset + 2, 0, 2, 8), dark);
  }
  return tile;
}

void ColorScheme::Apply(QApplication& application) {
  QPalette palette = application.palette();
  const QBrush background(BackgroundTile());
  palette.setBrush(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, kStaticText);
  palette.setColor(QPalette::Base, kEditBackground);
  palette.setColor(QPalette::Text, kEditText);
  palette.setColor(QPalette::Button, QColor(96, 96, 106));
  palette.setColor(QPalette::ButtonText, kStaticText);
  palette.setColor(QPalette::Highlight, QColor(0, 128, 128));
  palette.setColor(QPalette::HighlightedText, kStaticText);
  // The help page's links sit on the black edit background too.
  palette.setColor(QPalette::Link, kLinkText);
  palette.setColor(QPalette::LinkVisited, kLinkText);
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(64, 128, 128));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(170, 170, 170));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 150, 150));
  application.setPalette(palette);
}

}  // namespace ravlo
