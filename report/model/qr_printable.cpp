#include "report/model/qr_printable.h"

#include "report/draw/destination.h"
#include "report/core/qr_units.h"
#include "report/core/rounding.h"

namespace kopira::report {

int TQRPrintable::zoom() const { return owner_ != nullptr ? owner_->zoom() : 100; }

void TQRPrintable::setSize(const TQRPrintableSize& size) {
  size_ = size;
  recomputePixelBounds();
}

void TQRPrintable::recomputePixelBounds() {
  const int z = zoom();
  pixelBounds_ = QRect(roundHalfEven(nativeToPixels(size_.left, z)),
                       roundHalfEven(nativeToPixels(size_.top, z)),
                       roundHalfEven(nativeToPixels(size_.width, z)),
                       roundHalfEven(nativeToPixels(size_.height, z)));
}

void TQRPrintable::setPixelBounds(const QRect& bounds) {
  if (bounds == pixelBounds_) return;
  pixelBounds_ = bounds;
  const int z = zoom();
  size_ = TQRPrintableSize{pixelsToNative(bounds.height(), z), pixelsToNative(bounds.left(), z),
                           pixelsToNative(bounds.top(), z), pixelsToNative(bounds.width(), z)};
}

DeviceRect TQRPrintable::deviceBox(const ReportDestination& destination, double left,
                                   double top, double width, double height) {
  return DeviceRect{destination.ToDeviceX(left), destination.ToDeviceY(top),
                    destination.ToDeviceX(left + width), destination.ToDeviceY(top + height)};
}

}  // namespace kopira::report
