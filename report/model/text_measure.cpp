#include "report/model/text_measure.h"

#include "report/emf/gdi_text.h"
#include "report/core/qr_units.h"
#include "report/core/rounding.h"

namespace kopira::report {

TextMeasure::TextMeasure(const TQRFont& font, int zoom)
    : font_(font.fontSpec(kScreenDpi)),
      zoom_(zoom),
      lineHeight_(textExtent(font_, QStringLiteral("W")).height()) {}

int TextMeasure::width(const QString& text) const {
  return mulDiv(textExtent(font_, text).width() + 1, zoom_, 100);
}

}  // namespace kopira::report
