#pragma once
// A frame: up to four sides drawn as filled bars inside a device rectangle.
#include <QColor>

namespace kopira::report {

class ReportDestination;

struct TQRFrame {
  QColor color = Qt::black;
  bool drawTop = false;
  bool drawBottom = false;
  bool drawLeft = false;
  bool drawRight = false;
  double width = 1;  // points; -1 is one device pixel
  Qt::PenStyle style = Qt::SolidLine;

  bool present() const { return drawTop || drawBottom || drawLeft || drawRight; }
  // The width in 0.1 mm, to the nearest whole unit (what a framed label
  // moves its text by).
  int nativeWidth() const;
  // Draws the sides inside (left, top, right, bottom), in device pixels, with
  // the destination's factors.
  void draw(ReportDestination& destination, int left, int top, int right, int bottom) const;
};

}  // namespace kopira::report
