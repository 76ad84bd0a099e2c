#pragma once
// TQRShape: a rectangle, circle or lines drawn with its pen and brush.
#include "report/model/qr_printable.h"
#include "report/core/surface.h"

namespace kopira::report {

enum class TQRShapeType {
  qrsRectangle, qrsCircle, qrsVertLine, qrsHorLine, qrsTopAndBottom, qrsRightAndLeft
};

class TQRShape : public TQRPrintable {
 public:
  using TQRPrintable::TQRPrintable;

  TQRShapeType shape = TQRShapeType::qrsRectangle;
  PenSpec pen;      // width in device pixels
  BrushSpec brush;  // Qt::NoBrush draws no inside

  void PrintAt(ReportDestination& destination, double offsetX, double offsetY) override;
};

}  // namespace kopira::report
