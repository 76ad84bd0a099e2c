#include "report/emf/gdi_shapes.h"

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace kopira::report::gdi {
namespace {

bool isThinSolid(const PenSpec& pen) { return pen.style == Qt::SolidLine && pen.width <= 1; }

// A GDI pen wider than one pixel is geometric: round caps and joins.
QPen toQPen(const PenSpec& pen) {
  QPen qpen(pen.color, std::max(1, pen.width), pen.style);
  const bool wide = pen.width > 1;
  qpen.setCapStyle(wide ? Qt::RoundCap : Qt::FlatCap);
  qpen.setJoinStyle(wide ? Qt::RoundJoin : Qt::MiterJoin);
  return qpen;
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
  normalise(left, top, right, bottom);
  if (right > left && bottom > top) painter.fillRect(left, top, right - left, bottom - top, color);
}

void rectangle(QPainter& painter, int left, int top, int right, int bottom, const PenSpec& pen,
               const BrushSpec& brush) {
  normalise(left, top, right, bottom);
  if (right <= left || bottom <= top) return;
  const bool outlined = pen.style != Qt::NoPen;
  // The brush fills inside the edge pixels, or up to right-1/bottom-1 without a pen.
  if (brush.style != Qt::NoBrush) {
    const QRect inside = outlined ? QRect(QPoint(left + 1, top + 1), QPoint(right - 2, bottom - 2))
                                  : QRect(QPoint(left, top), QPoint(right - 2, bottom - 2));
    if (inside.isValid()) painter.fillRect(inside, QBrush(brush.color, brush.style));
  }
  if (!outlined) return;
  if (isThinSolid(pen)) {
    fillRect(painter, left, top, right, top + 1, pen.color);
    fillRect(painter, left, bottom - 1, right, bottom, pen.color);
    fillRect(painter, left, top, left + 1, bottom, pen.color);
    fillRect(painter, right - 1, top, right, bottom, pen.color);
    return;
  }
  PainterGuard guard(painter);
  painter.setPen(toQPen(pen));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

void ellipse(QPainter& painter, int left, int top, int right, int bottom, const PenSpec& pen,
             const BrushSpec& brush) {
  normalise(left, top, right, bottom);
  if (right - left < 2 || bottom - top < 2) return;
  PainterGuard guard(painter);
  painter.setPen(pen.style == Qt::NoPen ? QPen(Qt::NoPen) : toQPen(pen));
  painter.setBrush(brush.style == Qt::NoBrush ? QBrush() : QBrush(brush.color, brush.style));
  painter.drawEllipse(QRectF(left, top, right - left - 1, bottom - top - 1));
}

void line(QPainter& painter, int x1, int y1, int x2, int y2, const PenSpec& pen) {
  if (pen.style == Qt::NoPen || (x1 == x2 && y1 == y2)) return;
  const int dx = x2 - x1;
  const int dy = y2 - y1;
  if (isThinSolid(pen) && (dx == 0 || dy == 0)) {
    // Axis-parallel: the pixels from the start up to, not including, the end.
    const int stepX = dx > 0 ? 1 : (dx < 0 ? -1 : 0);
    const int stepY = dy > 0 ? 1 : (dy < 0 ? -1 : 0);
    const int lastX = x2 - stepX;
    const int lastY = y2 - stepY;
    fillRect(painter, std::min(x1, lastX), std::min(y1, lastY), std::max(x1, lastX) + 1,
             std::max(y1, lastY) + 1, pen.color);
    return;
  }
  PainterGuard guard(painter);
  painter.setPen(toQPen(pen));
  QLineF segment(x1 + 0.5, y1 + 0.5, x2 + 0.5, y2 + 0.5);
  if (pen.width <= 1) {
    // Stop one pixel short along the major axis, where GDI stops.
    const double major = std::max(std::abs(dx), std::abs(dy));
    segment.setP2(segment.p2() - QPointF(dx / major, dy / major));
  }
  painter.drawLine(segment);
}

}  // namespace kopira::report::gdi
