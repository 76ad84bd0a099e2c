#include "report/model/qr_font.h"

#include "report/core/rounding.h"

namespace kopira::report {

FontSpec TQRFont::fontSpec(int dpiY) const {
  FontSpec s;
  s.face = name;
  s.pixelHeight = roundHalfEven(static_cast<double>(size) * dpiY / 72.0);
  s.bold = bold;
  s.italic = italic;
  s.underline = underline;
  s.strikeOut = strikeOut;
  s.color = color;
  s.charset = charset;
  return s;
}

}  // namespace kopira::report
