#include "report/painter_surface.h"

#include <QPaintDevice>
#include <numeric>

#include "report/emf/gdi_text.h"

namespace kopira::report {

PainterSurface::PainterSurface(QPainter& painter)
    : painter_(painter),
      dpiX_(painter.device()->logicalDpiX()),
      dpiY_(painter.device()->logicalDpiY()),
      font_(toQFont(fontSpec_)) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void PainterSurface::setFont(const FontSpec& font) {
  if (font == fontSpec_) return;
  fontSpec_ = font;
  font_ = toQFont(font);
}

void PainterSurface::fillRect(int left, int top, int right, int bottom, const QColor& color) {
  if (right <= left || bottom <= top) return;
  painter_.fillRect(QRect(left, top, right - left, bottom - top), color);
}

QPen PainterSurface::strokePen() const {
  QPen pen(pen_.color, penWidth(), pen_.style, Qt::FlatCap, Qt::MiterJoin);
  return pen;
}

void PainterSurface::rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  if (brush_.style != Qt::NoBrush) {
    painter_.fillRect(QRect(left, top, right - left, bottom - top),
                      QBrush(brush_.color, brush_.style));
  }
  if (pen_.style == Qt::NoPen) return;
  const int w = penWidth();
  if (pen_.style == Qt::SolidLine) {
    fillRect(left, top, right, top + w, pen_.color);
    fillRect(left, bottom - w, right, bottom, pen_.color);
    fillRect(left, top, left + w, bottom, pen_.color);
    fillRect(right - w, top, right, bottom, pen_.color);
    return;
  }
  const double half = w / 2.0;
  painter_.setPen(strokePen());
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRectF(left + half, top + half, right - left - w, bottom - top - w));
}

void PainterSurface::ellipse(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  const int w = pen_.style == Qt::NoPen ? 0 : penWidth();
  const double half = w / 2.0;
  painter_.setPen(w > 0 ? strokePen() : QPen(Qt::NoPen));
  painter_.setBrush(brush_.style == Qt::NoBrush ? QBrush(Qt::NoBrush)
                                                : QBrush(brush_.color, brush_.style));
  painter_.drawEllipse(QRectF(left + half, top + half, right - left - w, bottom - top - w));
}

void PainterSurface::line(int x1, int y1, int x2, int y2) {
  if (pen_.style == Qt::NoPen) return;
  const int w = penWidth();
  const int before = w / 2;
  if (pen_.style == Qt::SolidLine && y1 == y2) {
    fillRect(std::min(x1, x2 + 1), y1 - before, std::max(x1 + 1, x2), y1 - before + w, pen_.color);
    return;
  }
  if (pen_.style == Qt::SolidLine && x1 == x2) {
    fillRect(x1 - before, std::min(y1, y2 + 1), x1 - before + w, std::max(y1 + 1, y2), pen_.color);
    return;
  }
  painter_.setPen(strokePen());
  painter_.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
}

void PainterSurface::textOut(int x, int y, TextAlign align, const QString& text) {
  if (text.isEmpty()) return;
  const QVector<int> advances = glyphAdvances(font_, text);
  const int width = std::accumulate(advances.cbegin(), advances.cend(), 0);
  int left = x;
  if (align == TextAlign::Right) left = x - width;
  if (align == TextAlign::Center) left = x - width / 2;
  drawGlyphs(painter_, font_, fontSpec_.color, left, y, text, advances);
}

QSize PainterSurface::textExtent(const QString& text) {
  return kopira::report::textExtent(font_, text);
}

}  // namespace kopira::report
