#include "app/controls/control_fonts.h"

#include <QApplication>
#include <QPalette>

#include "platform/face_advances.h"
#include "platform/fonts.h"

namespace kopira {
namespace {

struct FontSpec {
  const QString& face;
  int pixelHeight;
  QColor colour;  // invalid: the system's window text colour
  bool underline;
};

FontSpec specOf(ControlFont font) {
  switch (font) {
    case ControlFont::F1: return {fonts::kPGothic, 12, QColor(0, 0, 128), false};
    case ControlFont::F2: return {fonts::kGothic, 15, QColor(), false};
    case ControlFont::F3: return {fonts::kGothic, 12, QColor(), false};
    case ControlFont::F4: return {fonts::kPGothic, 12, QColor(128, 0, 128), false};
    case ControlFont::F5: return {fonts::kPGothic, 12, QColor(0, 0, 255), true};
    case ControlFont::PG8: return {fonts::kPGothic, 11, QColor(128, 0, 0), false};
    case ControlFont::PG9: return {fonts::kPGothic, 12, QColor(0, 0, 0), false};
    case ControlFont::PG11: return {fonts::kPGothic, 15, QColor(), false};
  }
  return {fonts::kPGothic, 12, QColor(), false};
}

}  // namespace

void applyControlFont(QWidget* control, ControlFont font) {
  const FontSpec fontSpec = specOf(font);
  QFont qfont = fonts::pixelFont(fontSpec.face, fontSpec.pixelHeight);
  qfont.setUnderline(fontSpec.underline);
  // The fixed-pitch face's cells as wide as the named face's (16 pixels for
  // a 15-pixel font), so a box breaks its rows where the original did and
  // the rows fit the page's memos that measure the same way.
  const int cell = fonts::namedFaceAdvance(fontSpec.face, fontSpec.pixelHeight, U'\u7530', fontSpec.pixelHeight);
  if (cell != fontSpec.pixelHeight) qfont.setLetterSpacing(QFont::PercentageSpacing, 100.0 * cell / fontSpec.pixelHeight);
  control->setFont(qfont);
  const QColor colour =
      fontSpec.colour.isValid() ? fontSpec.colour : QApplication::palette().color(QPalette::WindowText);
  QPalette palette = control->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, colour);
  }
  control->setPalette(palette);
}

QFont windowFont() { return fonts::pixelFont(fonts::kPGothic, 12); }

}  // namespace kopira
