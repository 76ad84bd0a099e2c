#pragma once
// The fonts of the main window's controls and of the request dialog's,
// each a face, a character height in pixels, a colour and a style.
#include <QWidget>

namespace kopira {

enum class ControlFont {
  F1,  // ＭＳ Ｐゴシック 12, navy: labels and group boxes
  F2,  // ＭＳ ゴシック 15: input boxes
  F3,  // ＭＳ ゴシック 12: note panes
  F4,  // ＭＳ Ｐゴシック 12, purple: print buttons
  F5,  // ＭＳ Ｐゴシック 12, blue, underlined: web shortcuts
  PG8,   // ＭＳ Ｐゴシック 11, maroon: the request dialog's hints
  PG9,   // ＭＳ Ｐゴシック 12, black: the request dialog's captions
  PG11,  // ＭＳ Ｐゴシック 15: the request dialog's input boxes
};

// Gives the control the font and its colour as text colour.
void applyControlFont(QWidget* control, ControlFont font);

// The window's own font: ＭＳ Ｐゴシック, 12 pixels.
QFont windowFont();

}  // namespace kopira
