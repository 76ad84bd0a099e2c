#include "report/model/qr_frame.h"

#include "report/draw/destination.h"
#include "report/core/rounding.h"

namespace kopira::report {
namespace {

// Bar thickness in pixels for a device factor (pixels per 0.1 mm).
int thickness(double factor, double width) {
  if (width == -1) return 1;
  const int t = roundHalfEven(factor * 254.0 / 72.0 * width);
  return (t <= 0 && width > 0) ? 1 : t;
}

}  // namespace

int TQRFrame::nativeWidth() const { return roundHalfEven(width * 254.0 / 72.0); }

void TQRFrame::draw(ReportDestination& destination, int left, int top, int right,
                    int bottom) const {
  if (!present()) return;
  DrawSurface& surface = destination.surface();
  const int w = thickness(destination.xFactor(), width);
  const int h = thickness(destination.yFactor(), width);
  if (drawTop) surface.fillRect(left, top, right, top + h, color);
  if (drawBottom) surface.fillRect(left, bottom - h, right, bottom, color);
  if (drawLeft) surface.fillRect(left, top, left + w, bottom, color);
  if (drawRight) surface.fillRect(right - w, top, right, bottom, color);
  surface.setBrush(BrushSpec{color, Qt::NoBrush});
}

}  // namespace kopira::report
