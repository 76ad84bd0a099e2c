#pragma once
// DrawSurface over a QPainter on any paint device (QImage, QPrinter,
// QPdfWriter), with GDI's pixel rules: a rectangle (l, t, r, b) covers
// l..r-1 x t..b-1, a pen lies inside the outline, nothing is antialiased.
// Text is set with the font selected on the device at its own pixel height
// (device advances, see gdi_text.h), as a printer sets it; the caller's
// boxes keep the widths measured at 96 dpi.
#include <QFont>
#include <QPainter>

#include "report/core/surface.h"

namespace kopira::report {

class PainterSurface : public DrawSurface {
 public:
  // The painter must be active; the dpi are those of its device.
  explicit PainterSurface(QPainter& painter);

  int dpiX() const override { return dpiX_; }
  int dpiY() const override { return dpiY_; }
  void setFont(const FontSpec& font) override;
  void setPen(const PenSpec& pen) override { pen_ = pen; }
  void setBrush(const BrushSpec& brush) override { brush_ = brush; }
  void fillRect(int left, int top, int right, int bottom, const QColor& color) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void ellipse(int left, int top, int right, int bottom) override;
  void line(int x1, int y1, int x2, int y2) override;
  void textOut(int x, int y, TextAlign align, const QString& text) override;
  QSize textExtent(const QString& text) override;

 private:
  int penlessGrowth() const;

  QPainter& painter_;
  int dpiX_;
  int dpiY_;
  FontSpec fontSpec_;
  QFont font_;
  PenSpec pen_;
  BrushSpec brush_;
};

}  // namespace kopira::report
