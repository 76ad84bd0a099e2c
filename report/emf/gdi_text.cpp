#include "report/emf/gdi_text.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <algorithm>
#include <optional>

#include "platform/face_advances.h"
#include "platform/fonts.h"
#include "report/core/rounding.h"

namespace kopira::report {
namespace {
// Number of UTF-16 units of the character starting at i: 2 for a surrogate pair.
qsizetype unitLength(const QString& text, qsizetype i) {
  return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

using Advances = QHash<char32_t, int>;

// The advances already measured in the named face of a font at its 96-dpi
// height. A page measures the same few characters of the same few fonts
// thousands of times and shaping one afresh is slow, so they are kept per
// font and character.
Advances& rememberedAdvances(const FontSpec& layoutFont) {
  thread_local QHash<QString, Advances> remembered;
  if (remembered.size() > 64) remembered.clear();  // stays small whatever the pages hold
  return remembered[QStringLiteral("%1/%2/%3%4")
                        .arg(layoutFont.face)
                        .arg(layoutFont.pixelHeight)
                        .arg(int(layoutFont.bold))
                        .arg(int(layoutFont.italic))];
}
}  // namespace

QFont toQFont(const FontSpec& fontSpec) {
  QFont font = kopira::fonts::pixelFont(fontSpec.face, fontSpec.pixelHeight);
  font.setBold(fontSpec.bold);
  font.setItalic(fontSpec.italic);
  font.setUnderline(fontSpec.underline);
  font.setStrikeOut(fontSpec.strikeOut);
  return font;
}

namespace {
// Advances of a font at its own pixel height, each character start scaled by
// `scale` to the device, so rounding never accumulates along a line.
QVector<int> scaledAdvances(const FontSpec& font, const QString& text, double scale) {
  Advances& known = rememberedAdvances(font);
  std::optional<QFontMetricsF> metrics;
  QVector<int> advances(text.size(), 0);
  long long fontPen = 0;
  int devicePen = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = unitLength(text, i);
    const char32_t code = length == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
    auto found = known.constFind(code);
    if (found == known.cend()) {
      if (!metrics) metrics.emplace(toQFont(font));
      const int standIn = qRound(metrics->horizontalAdvance(text.mid(i, length)));
      found = known.insert(code, kopira::fonts::namedFaceAdvance(font.face, font.pixelHeight, code, standIn));
    }
    fontPen += *found;
    const int next = roundHalfEven(double(fontPen) * scale);
    advances[i] = next - devicePen;
    devicePen = next;
    i += length - 1;  // a low surrogate keeps advance 0
  }
  return advances;
}
}  // namespace

QVector<int> glyphAdvances(const FontSpec& fontSpec, const QString& text, int dpiX, int dpiY) {
  if (dpiX <= 0) dpiX = kScreenDpi;
  if (dpiY <= 0) dpiY = kScreenDpi;
  FontSpec layoutFont = fontSpec;
  layoutFont.pixelHeight = std::max(1, roundHalfEven(double(fontSpec.pixelHeight) * kScreenDpi / dpiY));
  return scaledAdvances(layoutFont, text, double(dpiX) / kScreenDpi);
}

QVector<int> deviceAdvances(const FontSpec& fontSpec, const QString& text, int dpiX, int dpiY) {
  const double scale = dpiX <= 0 || dpiY <= 0 ? 1.0 : double(dpiX) / dpiY;
  // A device's fixed-pitch face sets its cells at their exact share of the
  // em, a full width the font's height and a half width half of it, so 9 pt
  // runs 3.175 mm a full width at 600 dpi as at 1200 (the screen's half
  // widths rounded up to whole pixels would make it 76 pixels, 3.217 mm).
  // At twice the height the half width is whole; the starts are scaled back.
  if (fontSpec.face == kopira::fonts::kMincho || fontSpec.face == kopira::fonts::kGothic) {
    FontSpec doubled = fontSpec;
    doubled.pixelHeight *= 2;
    return scaledAdvances(doubled, text, scale / 2);
  }
  return scaledAdvances(fontSpec, text, scale);
}

QSize textExtent(const FontSpec& fontSpec, const QString& text, int dpiX, int dpiY) {
  return extentOf(fontSpec, glyphAdvances(fontSpec, text, dpiX, dpiY));
}

QSize extentOf(const FontSpec& fontSpec, const QVector<int>& advances) {
  int width = 0;
  for (const int advance : advances) width += advance;
  // The four faces' cell (ascent + descent) is exactly their em, so a font
  // given by pixel height has a cell of that height, as GDI reports it; the
  // IPA stand-ins round ascent and descent up separately and come out a
  // pixel or two taller, which would push lines out of boxes laid out for
  // the originals.
  return {width, std::max(1, fontSpec.pixelHeight)};
}

void drawGlyphs(QPainter& painter, const QFont& font, const QColor& color, int x, int y,
                const QString& text, const QVector<int>& advances) {
  // Glyphs are drawn one by one at their advances; underline and strike-out
  // run across the whole advance as one line, as GDI draws them.
  QFont glyphFont = font;
  glyphFont.setUnderline(false);
  glyphFont.setStrikeOut(false);
  const QFontMetrics metrics(font);
  const int baseline = y + metrics.ascent();
  painter.save();
  painter.setFont(glyphFont);
  painter.setPen(color);
  int pen = x;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length = unitLength(text, i);
    if (!text.at(i).isSpace()) painter.drawText(QPointF(pen, baseline), text.mid(i, length));
    for (const qsizetype end = i + length; i < end; ++i) pen += advances.value(i, 0);
  }
  const int thickness = qMax(1, metrics.lineWidth());
  if (font.underline()) painter.fillRect(x, baseline + metrics.underlinePos(), pen - x, thickness, color);
  if (font.strikeOut()) painter.fillRect(x, baseline - metrics.strikeOutPos(), pen - x, thickness, color);
  painter.restore();
}

}  // namespace kopira::report
