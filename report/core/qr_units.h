#pragma once
// Presentation units of a report. Lengths are always stored in 0.1 mm
// (Native); a unit only changes how a length is shown and entered.
#include <QSizeF>

namespace kopira::report {

enum class TQRUnit { MM, Inches, Pixels, Characters, Native };
enum class ValueDirection { Horizontal, Vertical };

// Screen pixels per inch behind the Pixels unit and the layouts' pixel
// geometry.
inline constexpr int kScreenDpi = 96;

struct UnitContext {
  int zoom = 100;               // percent
  QSizeF characterSize{7, 12};  // report font: character width and height, pixels
};

double toPresented(double native, TQRUnit unit, ValueDirection direction,
                   const UnitContext& context);
double fromPresented(double presented, TQRUnit unit, ValueDirection direction,
                     const UnitContext& context);

// Screen pixels at a zoom for a length in 0.1 mm, unrounded.
inline double nativeToPixels(double native, int zoom) {
  return native / (254.0 / kScreenDpi) * zoom / 100.0;
}
inline double pixelsToNative(double pixels, int zoom) {
  return pixels * (254.0 / kScreenDpi) * 100.0 / zoom;
}

}  // namespace kopira::report
