#include "report/model/qr_band.h"

#include "report/draw/destination.h"

namespace kopira::report {

int printRank(TQRBandType type) {
  switch (type) {
    case TQRBandType::rbPageHeader:
      return 0;
    case TQRBandType::rbTitle:
      return 1;
    case TQRBandType::rbGroupHeader:
      return 2;
    case TQRBandType::rbDetail:
      return 3;
    case TQRBandType::rbGroupFooter:
      return 4;
    case TQRBandType::rbSummary:
      return 5;
    case TQRBandType::rbPageFooter:
      return 6;
  }
  return 7;
}

void TQRBand::print(ReportDestination& destination, double x, double y) const {
  const int left = destination.ToDeviceX(x);
  const int top = destination.ToDeviceY(y);
  const int right = destination.ToDeviceX(x + width);
  const int bottom = destination.ToDeviceY(y + height);
  destination.surface().fillRect(left, top, right, bottom, color);
  for (const auto& element : elements_) element->PrintAt(destination, x, y);
  frame.draw(destination, left, top, right, bottom);
}

}  // namespace kopira::report
