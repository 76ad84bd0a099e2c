#pragma once
// The font of a label or memo: the point size (FontSize) is authoritative;
// the pixel height on a device follows the device's vertical resolution.
#include <QColor>
#include <QString>

#include "report/core/surface.h"

namespace kopira::report {

struct TQRFont {
  QString name = QStringLiteral("ＭＳ Ｐゴシック");
  int size = 9;       // points (FontSize)
  int height = -12;   // stored pixel height at 96 dpi, kept for reference
  int charset = 128;  // SHIFTJIS_CHARSET
  QColor color = Qt::black;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;

  // The font at a device resolution: round(size x dpiY / 72) pixels high.
  FontSpec fontSpec(int dpiY) const;
  bool operator==(const TQRFont&) const = default;
};

}  // namespace kopira::report
