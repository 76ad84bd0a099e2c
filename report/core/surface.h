#pragma once
// The one drawing interface under the report engine. Coordinates are device
// pixels with GDI conventions: a rectangle (left, top, right, bottom) covers
// left..right-1 and top..bottom-1. Implemented by the QPainter surface
// (screen images, printer, PDF) and by the EMF recorder (page pictures).
#include <QColor>
#include <QSize>
#include <QString>

namespace kopira::report {

struct FontSpec {
  QString face;          // face name as the layout gives it ("ＭＳ 明朝")
  int pixelHeight = 12;  // character height in device pixels (a negative LOGFONT height)
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  QColor color = Qt::black;
  int charset = 128;  // SHIFTJIS_CHARSET
  bool operator==(const FontSpec&) const = default;
};

struct PenSpec {
  QColor color = Qt::black;
  int width = 1;  // device pixels; 0 is the thinnest line the device draws
  Qt::PenStyle style = Qt::SolidLine;
  bool operator==(const PenSpec&) const = default;
};

struct BrushSpec {
  QColor color = Qt::white;
  Qt::BrushStyle style = Qt::SolidPattern;  // Qt::NoBrush: clear
  bool operator==(const BrushSpec&) const = default;
};

enum class TextAlign { Left, Right, Center };

class DrawSurface {
 public:
  virtual ~DrawSurface() = default;

  virtual int dpiX() const = 0;
  virtual int dpiY() const = 0;

  virtual void setFont(const FontSpec& font) = 0;
  virtual void setPen(const PenSpec& pen) = 0;
  virtual void setBrush(const BrushSpec& brush) = 0;

  // Fills with a solid colour, no outline (GDI FillRect).
  virtual void fillRect(int left, int top, int right, int bottom, const QColor& color) = 0;
  // Outline with the pen, inside with the brush (GDI Rectangle).
  virtual void rectangle(int left, int top, int right, int bottom) = 0;
  // The ellipse inscribed in the rectangle, pen and brush as above.
  virtual void ellipse(int left, int top, int right, int bottom) = 0;
  // A line with the pen from (x1, y1) to (x2, y2), the end point excluded.
  virtual void line(int x1, int y1, int x2, int y2) = 0;
  // Text in the current font and its colour, on a transparent background,
  // unclipped. y is the top of the text cell; x is its left edge, right
  // edge or centre by the alignment.
  virtual void textOut(int x, int y, TextAlign align, const QString& text) = 0;
  // Size of text in the current font, in device pixels.
  virtual QSize textExtent(const QString& text) = 0;
};

}  // namespace kopira::report
