#pragma once
// Text placed as GDI places it: each character at a whole-pixel advance,
// top of the cell at y. Two kinds of advances:
//  - page-picture advances: those of the named face at the font's height on
//    a 96-dpi screen (where the page tables were measured), laid out there
//    and scaled to the picture; the EMF recorder stores them (the Dx array
//    of a text record) and the EMF player draws with them;
//  - device advances: those of the named face at the font's own pixel
//    height on the device, as a printer's font sets text; the QPainter
//    surface (printer, PDF, images) draws with them.
#include <QFont>
#include <QPainter>
#include <QString>
#include <QVector>

#include "report/core/qr_units.h"
#include "report/core/surface.h"

namespace kopira::report {

// The QFont for a font of a page: face name mapped to its installed
// stand-in, pixel height, styles. Colour is not part of a QFont.
QFont toQFont(const FontSpec& fontSpec);

// Whole-pixel advance of each UTF-16 unit of text (a surrogate pair's
// advance on its first unit, 0 on the second) in a font whose pixel height
// is given for a device of dpiX x dpiY.
QVector<int> glyphAdvances(const FontSpec& fontSpec, const QString& text, int dpiX = kScreenDpi, int dpiY = kScreenDpi);

// Whole-pixel advances of the font at its own pixel height on a device of
// dpiX x dpiY (scaled across when the two differ); the fixed-pitch faces'
// cells are exact halves and wholes of the em, each start rounded.
QVector<int> deviceAdvances(const FontSpec& fontSpec, const QString& text, int dpiX, int dpiY);

// Sum of the page-picture advances, and the font's cell height (its pixel height).
QSize textExtent(const FontSpec& fontSpec, const QString& text, int dpiX = kScreenDpi, int dpiY = kScreenDpi);
// Sum of the advances given, and the font's cell height.
QSize extentOf(const FontSpec& fontSpec, const QVector<int>& advances);

// Draws text with its top-left cell corner at (x, y) using the advances
// given (as returned by glyphAdvances, possibly scaled by the caller).
void drawGlyphs(QPainter& painter, const QFont& font, const QColor& color, int x, int y,
                const QString& text, const QVector<int>& advances);

}  // namespace kopira::report
