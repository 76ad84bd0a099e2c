#include "report/emf/gdi_shapes.h"

#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <utility>

namespace kopira::report::gdi {
namespace {

int strokeWidth(const PenSpec& pen) { return std::max(1, pen.width); }

QPen toQPen(const PenSpec& pen) { return QPen(pen.color, strokeWidth(pen), pen.style, Qt::FlatCap, Qt::MiterJoin); }

QBrush toQBrush(const BrushSpec& brush) {
  return brush.style == Qt::NoBrush ? QBrush(Qt::NoBrush) : QBrush(brush.color, brush.style);
}

// Orders the edges as GDI does before drawing.
void normalise(int& left, int& top, int& right, int& bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

class PainterGuard {
 public:
  explicit PainterGuard(QPainter& painter) : painter_(painter) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
  }
  ~PainterGuard() { painter_.restore(); }
  PainterGuard(const PainterGuard&) = delete;
  PainterGuard& operator=(const PainterGuard&) = delete;

 private:
  QPainter& painter_;
};

}  // namespace

void fillRect(QPainter& painter, int left, int top, int right, int bottom, const QColor& color) {
  if (right > left && bottom > top) painter.fillRect(left, top, right - left, bottom - top, color);
}

void rectangle(QPainter& painter, int left, int top, int right, int bottom, const PenSpec& pen,
               const BrushSpec& brush) {
  normalise(left, top, right, bottom);
  const bool outlined = pen.style != Qt::NoPen;
  const int fillRight = outlined ? right : right - 1;
  const int fillBottom = outlined ? bottom : bottom - 1;
  if (brush.style != Qt::NoBrush && fillRight > left && fillBottom > top) {
    painter.fillRect(QRect(left, top, fillRight - left, fillBottom - top), toQBrush(brush));
  }
  if (!outlined || right <= left || bottom <= top) return;
  // The pen lies inside the box.
  const int w = strokeWidth(pen);
  if (pen.style == Qt::SolidLine) {
    fillRect(painter, left, top, right, top + w, pen.color);
    fillRect(painter, left, bottom - w, right, bottom, pen.color);
    fillRect(painter, left, top, left + w, bottom, pen.color);
    fillRect(painter, right - w, top, right, bottom, pen.color);
    return;
  }
  PainterGuard guard(painter);
  painter.setPen(toQPen(pen));
  painter.setBrush(Qt::NoBrush);
  const double half = w / 2.0;
  painter.drawRect(QRectF(left + half, top + half, right - left - w, bottom - top - w));
}

void ellipse(QPainter& painter, int left, int top, int right, int bottom, const PenSpec& pen,
             const BrushSpec& brush) {
  normalise(left, top, right, bottom);
  if (right <= left || bottom <= top) return;
  PainterGuard guard(painter);
  painter.setBrush(toQBrush(brush));
  if (pen.style == Qt::NoPen) {
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(left, top, right - left - 1, bottom - top - 1));
    return;
  }
  const int w = strokeWidth(pen);
  const double half = w / 2.0;
  painter.setPen(toQPen(pen));
  painter.drawEllipse(QRectF(left + half, top + half, right - left - w, bottom - top - w));
}

void line(QPainter& painter, int x1, int y1, int x2, int y2, const PenSpec& pen) {
  if (pen.style == Qt::NoPen || (x1 == x2 && y1 == y2)) return;
  const int w = strokeWidth(pen);
  const int before = w / 2;
  // Axis-parallel solid lines are strips from the start up to the end pixel.
  if (pen.style == Qt::SolidLine && y1 == y2) {
    fillRect(painter, std::min(x1, x2 + 1), y1 - before, std::max(x1 + 1, x2), y1 - before + w, pen.color);
    return;
  }
  if (pen.style == Qt::SolidLine && x1 == x2) {
    fillRect(painter, x1 - before, std::min(y1, y2 + 1), x1 - before + w, std::max(y1 + 1, y2), pen.color);
    return;
  }
  PainterGuard guard(painter);
  painter.setPen(toQPen(pen));
  painter.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
}

}  // namespace kopira::report::gdi
