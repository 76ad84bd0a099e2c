#include "report/draw/painter_surface.h"

#include <QPaintDevice>
#include <numeric>

#include "report/emf/gdi_shapes.h"
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
  gdi::fillRect(painter_, left, top, right, bottom, color);
}

// A GDI shape without a pen fills one pixel less to the right and bottom;
// the surface promises l..r-1 whatever the pen, so the box grows by that pixel.
int PainterSurface::penlessGrowth() const { return pen_.style == Qt::NoPen ? 1 : 0; }

void PainterSurface::rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  gdi::rectangle(painter_, left, top, right + penlessGrowth(), bottom + penlessGrowth(), pen_, brush_);
}

void PainterSurface::ellipse(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  gdi::ellipse(painter_, left, top, right + penlessGrowth(), bottom + penlessGrowth(), pen_, brush_);
}

void PainterSurface::line(int x1, int y1, int x2, int y2) { gdi::line(painter_, x1, y1, x2, y2, pen_); }

void PainterSurface::textOut(int x, int y, TextAlign align, const QString& text) {
  if (text.isEmpty()) return;
  const QVector<int> advances = deviceAdvances(fontSpec_, text, dpiX_, dpiY_);
  const int width = std::accumulate(advances.cbegin(), advances.cend(), 0);
  int left = x;
  if (align == TextAlign::Right) left = x - width;
  if (align == TextAlign::Center) left = x - width / 2;
  drawGlyphs(painter_, font_, fontSpec_.color, left, y, text, advances);
}

QSize PainterSurface::textExtent(const QString& text) {
  return extentOf(fontSpec_, deviceAdvances(fontSpec_, text, dpiX_, dpiY_));
}

}  // namespace kopira::report
