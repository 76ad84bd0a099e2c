#pragma once
// Shapes drawn on a QPainter with GDI's pixel rules, in the painter's
// coordinates taken as device pixels. A rectangle (left, top, right, bottom)
// covers left..right-1 and top..bottom-1. The EMF player draws through here,
// and so can any surface that must match a replayed page pixel for pixel.
#include <QColor>
#include <QPainter>

#include "report/core/surface.h"

namespace kopira::report::gdi {

// GDI FillRect: the rectangle in a solid colour, no outline; nothing when
// right <= left or bottom <= top.
void fillRect(QPainter& painter, int left, int top, int right, int bottom, const QColor& color);

// GDI Rectangle: outline with the pen inside the box (a solid pen of width w
// covers the outer w pixels), the rest with the brush. With no pen the filled
// area is one pixel smaller to the right and bottom, as in GDI.
void rectangle(QPainter& painter, int left, int top, int right, int bottom, const PenSpec& pen,
               const BrushSpec& brush);

// GDI Ellipse: the ellipse inscribed in the box, pen and brush as above (one
// pixel smaller without a pen).
void ellipse(QPainter& painter, int left, int top, int right, int bottom, const PenSpec& pen,
             const BrushSpec& brush);

// GDI LineTo from (x1, y1): an axis-parallel solid line stops before the end
// point; a wide one is centred on the line.
void line(QPainter& painter, int x1, int y1, int x2, int y2, const PenSpec& pen);

}  // namespace kopira::report::gdi
