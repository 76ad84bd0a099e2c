#pragma once
// Text measurement for line breaking: the element's font at its point size
// at 96 dpi, widths scaled by the zoom. Uses the same whole-pixel advances as
// drawing, so what is measured is what is drawn.
#include <QString>

#include "report/model/qr_font.h"

namespace kopira::report {

class TextMeasure {
 public:
  TextMeasure(const TQRFont& font, int zoom);

  // Text extent + 1 pixel, times zoom / 100 (integer multiply-divide).
  int width(const QString& text) const;
  // Height of "W" at 96 dpi, unscaled.
  int lineHeight() const { return lineHeight_; }

 private:
  FontSpec font_;
  int zoom_;
  int lineHeight_;
};

}  // namespace kopira::report
