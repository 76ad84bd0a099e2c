#include "report/model/qr_shape.h"

#include "report/draw/destination.h"

namespace kopira::report {

void TQRShape::PrintAt(ReportDestination& destination, double offsetX, double offsetY) {
  if (!enabled) return;
  DrawSurface& surface = destination.surface();
  surface.setPen(pen);
  surface.setBrush(brush);
  const double left = size().left + offsetX;
  const double top = size().top + offsetY;
  const double width = size().width;
  const double height = size().height;
  const int x1 = destination.ToDeviceX(left);
  const int x2 = destination.ToDeviceX(left + width);
  const int y1 = destination.ToDeviceY(top);
  const int y2 = destination.ToDeviceY(top + height);
  switch (shape) {
    case TQRShapeType::qrsRectangle:
      surface.rectangle(x1, y1, x2, y2);
      break;
    case TQRShapeType::qrsCircle:
      surface.ellipse(x1, y1, x2, y2);
      break;
    case TQRShapeType::qrsVertLine: {
      const int x = destination.ToDeviceX(left + width / 2);
      surface.line(x, y1, x, y2);
      break;
    }
    case TQRShapeType::qrsHorLine: {
      const int y = destination.ToDeviceY(top + height / 2);
      surface.line(x1, y, x2, y);
      break;
    }
    case TQRShapeType::qrsTopAndBottom:
      surface.line(x1, y1, x2, y1);
      surface.line(x1, y2, x2, y2);
      break;
    case TQRShapeType::qrsRightAndLeft:
      surface.line(x1, y1, x1, y2);
      surface.line(x2, y1, x2, y2);
      break;
  }
}

}  // namespace kopira::report
