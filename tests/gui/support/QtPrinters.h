#pragma once

// Failures print Qt geometry and text as themselves rather than as bytes.
#include <QDebug>
#include <QPoint>
#include <QRect>
#include <QString>
#include <ostream>

template <typename T>
void PrintQt(const T& value, std::ostream* out) {
  QString text;
  QDebug(&text).nospace() << value;
  *out << text.toStdString();
}

inline void PrintTo(const QRect& rect, std::ostream* out) {
  PrintQt(rect, out);
}
inline void PrintTo(const QPoint& point, std::ostream* out) {
  PrintQt(point, out);
}
inline void PrintTo(const QString& text, std::ostream* out) {
  PrintQt(text, out);
}
