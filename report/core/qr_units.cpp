#include "report/core/qr_units.h"

namespace kopira::report {
namespace {

// Presented value per 0.1 mm.
double scale(TQRUnit unit, ValueDirection direction, const UnitContext& context) {
  switch (unit) {
    case TQRUnit::MM:
      return 1.0 / 10.0;
    case TQRUnit::Inches:
      return 1.0 / 254.0;
    case TQRUnit::Pixels:
      return nativeToPixels(1.0, context.zoom);
    case TQRUnit::Characters: {
      const double character = direction == ValueDirection::Horizontal
                                   ? context.characterSize.width()
                                   : context.characterSize.height();
      return character > 0 ? 1.0 / character / 10.0 : 0.0;
    }
    case TQRUnit::Native:
      break;
  }
  return 1.0;
}

}  // namespace

double toPresented(double native, TQRUnit unit, ValueDirection direction,
                   const UnitContext& context) {
  return native * scale(unit, direction, context);
}

double fromPresented(double presented, TQRUnit unit, ValueDirection direction,
                     const UnitContext& context) {
  const double s = scale(unit, direction, context);
  return s != 0 ? presented / s : 0.0;
}

}  // namespace kopira::report
