#include "app/controls/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace kopira::pictures {
namespace {

QPixmap blank(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// An arrow pointing up in a 32x32 square; turned over for down.
QPixmap arrow(const QColor& colour, bool pointsDown) {
  QPixmap pixmap = blank(32, 32);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  if (pointsDown) painter.setTransform(QTransform(1, 0, 0, -1, 0, 32));
  const QPolygon shape({{16, 3}, {29, 16}, {21, 16}, {21, 29}, {11, 29}, {11, 16}, {3, 16}});
  painter.setPen(QPen(colour.darker(160), 1));
  painter.setBrush(colour);
  painter.drawPolygon(shape);
  return pixmap;
}

}  // namespace

QPixmap faceIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(QColor(255, 255, 0));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);
  painter.setPen(QPen(Qt::black, 2));
  painter.setBrush(QColor(255, 224, 189));
  painter.drawEllipse(QRectF(4, 3, 24, 26));
  painter.setBrush(Qt::black);
  painter.drawEllipse(QRectF(10.5, 11, 2.5, 3));
  painter.drawEllipse(QRectF(19, 11, 2.5, 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(10, 14, 12, 9), 200 * 16, 140 * 16);
  return pixmap;
}

QPixmap upArrow() { return arrow(QColor(0, 0, 255), false); }

QPixmap downArrow() { return arrow(QColor(0, 160, 0), true); }

QPixmap portrait() {
  QPixmap pixmap = blank(31, 29);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(64, 64, 64), 1));
  painter.setBrush(QColor(0, 0, 128));
  QPainterPath shoulders;
  shoulders.moveTo(3, 29);
  shoulders.cubicTo(3, 19, 28, 19, 28, 29);
  painter.drawPath(shoulders);
  painter.setBrush(QColor(255, 224, 189));
  painter.drawEllipse(QRectF(9.5, 2, 12, 15));
  painter.setBrush(QColor(60, 40, 20));
  painter.drawChord(QRectF(9.5, 1, 12, 10), 0, 180 * 16);
  return pixmap;
}

QPixmap redCross() {
  QPixmap pixmap = blank(32, 32);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(220, 0, 0), 6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(7, 7), QPointF(25, 25));
  painter.drawLine(QPointF(25, 7), QPointF(7, 25));
  return pixmap;
}

QPixmap printer() {
  QPixmap pixmap = blank(32, 32);
  QPainter painter(&pixmap);
  painter.setPen(QPen(QColor(64, 64, 64), 1));
  // The sheet stands out of the paper slot at the back.
  painter.setBrush(Qt::white);
  painter.drawRect(9, 2, 14, 14);
  painter.setPen(QColor(0, 0, 128));
  for (int y = 5; y <= 11; y += 3) painter.drawLine(11, y, 20, y);
  // The body, with its output tray and a green lamp.
  painter.setPen(QPen(QColor(64, 64, 64), 1));
  painter.setBrush(QColor(192, 192, 192));
  painter.drawRect(2, 14, 27, 11);
  painter.setBrush(QColor(128, 128, 128));
  painter.drawRect(6, 25, 19, 4);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 192, 0));
  painter.drawRect(24, 17, 3, 2);
  return pixmap;
}

}  // namespace kopira::pictures
