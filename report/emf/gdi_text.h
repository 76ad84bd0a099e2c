#pragma once
// Text placed as GDI places it: each character at a whole-pixel advance of
// the font at the device's resolution, top of the cell at y. The QPainter
// surface and the EMF player both draw through here, and the EMF recorder
// stores the same advances (the Dx array of a text record), so a page drawn
// directly and a page recorded and replayed put every glyph on the same pixel.
#include <QFont>
#include <QPainter>
#include <QString>
#include <QVector>

#include "report/surface.h"

namespace kopira::report {

// The QFont for a font of a page: face name mapped to its installed
// stand-in, pixel height, styles. Colour is not part of a QFont.
QFont toQFont(const FontSpec& fontSpec);

// Whole-pixel advance of each UTF-16 unit of text (a surrogate pair's
// advance on its first unit, 0 on the second).
QVector<int> glyphAdvances(const QFont& font, const QString& text);

// Sum of the advances, and the font's cell height (ascent + descent).
QSize textExtent(const QFont& font, const QString& text);

// Draws text with its top-left cell corner at (x, y) using the advances
// given (as returned by glyphAdvances, possibly scaled by the caller).
void drawGlyphs(QPainter& painter, const QFont& font, const QColor& color, int x, int y,
                const QString& text, const QVector<int>& advances);

}  // namespace kopira::report
