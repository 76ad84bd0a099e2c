#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPainter>

#include "platform/fonts.h"
#include "report/emf/gdi_shapes.h"
#include "report/emf/gdi_text.h"
#include "tests/report/emf/emf_test_support.h"

namespace kopira::report {
namespace {
using testing::blankPage;

// Smallest rectangle holding every non-white pixel.
QRect ink(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST(GdiText, FontsAdvancesAndExtent) {
  FontSpec fontSpec;
  fontSpec.face = fonts::kMincho;
  fontSpec.pixelHeight = 16;
  fontSpec.bold = true;
  const QFont font = toQFont(fontSpec);
  EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAMincho"));
  EXPECT_EQ(font.pixelSize(), 16);
  EXPECT_TRUE(font.bold());

  // Fixed-pitch Mincho: full width = the height, half width = half of it.
  const QString text = QStringLiteral("登記A") + QString::fromUcs4(U"\U00020B9F");
  const QVector<int> advances = glyphAdvances(fontSpec, text);
  ASSERT_EQ(advances.size(), 5);
  EXPECT_EQ(advances[0], 16);
  EXPECT_EQ(advances[1], 16);
  EXPECT_EQ(advances[2], 8);
  EXPECT_EQ(advances[4], 0);  // second half of a surrogate pair
  const QSize extent = textExtent(fontSpec, QStringLiteral("登記A"));
  EXPECT_EQ(extent.width(), 40);
  EXPECT_EQ(extent.height(), 16);  // the cell of the original faces is their em
}

TEST(GdiText, AdvancesAreRememberedPerFont) {
  // The same characters measured in several fonts, again and again, in
  // turn: each font keeps its own advances.
  FontSpec small;
  small.face = fonts::kMincho;
  small.pixelHeight = 16;
  FontSpec large = small;
  large.pixelHeight = 40;
  FontSpec proportional = small;
  proportional.face = fonts::kPGothic;
  const QString text = QStringLiteral("登A i");
  const QVector<int> smallAdvances = glyphAdvances(small, text);
  const QVector<int> proportionalAdvances = glyphAdvances(proportional, text);
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(glyphAdvances(large, text), (QVector<int>{40, 20, 20, 20}));
    EXPECT_EQ(glyphAdvances(small, text), smallAdvances);
    EXPECT_EQ(glyphAdvances(proportional, text), proportionalAdvances);
  }
  EXPECT_EQ(smallAdvances, (QVector<int>{16, 8, 8, 8}));
  EXPECT_LT(proportionalAdvances[3], 8);  // a narrow i in the proportional face
}

// The stand-ins measure as the named faces did when the page tables were
// made: a page picture on every device starts each character where the
// 96-dpi layout, scaled, puts it; a device's own font sets it at its height.
TEST(GdiText, NamedFaceAdvancesOnEveryDevice) {
  struct Case {
    const QString& face;
    int pixelHeight;
    int dpi;
    QString text;
    QVector<int> advances;
    bool device = false;  // the font at its own height on the device, not the 96-dpi layout scaled
  };
  const std::vector<Case> cases = {
      {fonts::kGothic, 12, 96, QStringLiteral("田A"), {12, 6}},
      {fonts::kGothic, 13, 96, QStringLiteral("田A"), {14, 7}},     // half-width cells round up
      {fonts::kMincho, 15, 96, QStringLiteral("田A"), {16, 8}},
      {fonts::kGothic, 19, 96, QStringLiteral("田"), {20}},
      {fonts::kPMincho, 12, 96, QStringLiteral("　田１，「"), {8, 12, 7, 6, 6}},  // as the label widths fix them
      {fonts::kPGothic, 15, 96, QStringLiteral("　１"), {10, 10}},
      {fonts::kGothic, 83, 600, QStringLiteral("田田田田"), {88, 87, 87, 88}},  // 14 px at 96 dpi, scaled
      {fonts::kPMincho, 75, 600, QStringLiteral("　　　田"), {50, 50, 50, 75}},
      {fonts::kGothic, 92, 600, QStringLiteral("　0８"), {92, 46, 92}, true},  // 11 pt at 600 dpi
      {fonts::kGothic, 46, 300, QStringLiteral("　0"), {46, 23}, true},
      {fonts::kMincho, 75, 600, QStringLiteral("田AA田"), {75, 37, 38, 75}, true},  // 9 pt: the em exactly
      {fonts::kPMincho, 75, 600, QStringLiteral("　田１，"), {50, 75, 44, 38}, true},
      {fonts::kPGothic, 92, 600, QStringLiteral("　１"), {61, 61}, true},
  };
  for (const Case& c : cases) {
    FontSpec fontSpec;
    fontSpec.face = c.face;
    fontSpec.pixelHeight = c.pixelHeight;
    const QVector<int> advances =
        c.device ? deviceAdvances(fontSpec, c.text, c.dpi, c.dpi) : glyphAdvances(fontSpec, c.text, c.dpi, c.dpi);
    EXPECT_EQ(advances, c.advances) << c.face.toStdString() << " " << c.text.toStdString();
  }
}

TEST(GdiText, CharacterStartsAgreeOnEveryDevice) {
  // A 9-point label line on the screen, a page picture, the printer and a
  // PDF file: each start within half a device pixel of the 96-dpi layout.
  const QString text = QStringLiteral("　（１）　申請人欄の上段に事務所所在地及び氏名を記入し，弁護士の職印を押印すること。");
  for (const QString& face : {fonts::kPMincho, fonts::kGothic}) {
    FontSpec layoutFont;
    layoutFont.face = face;
    layoutFont.pixelHeight = 12;
    const QVector<int> layout = glyphAdvances(layoutFont, text);
    for (const int dpi : {96, 300, 600, 1200}) {
      FontSpec fontSpec = layoutFont;
      fontSpec.pixelHeight = qRound(9.0 * dpi / 72);
      const QVector<int> advances = glyphAdvances(fontSpec, text, dpi, dpi);
      double layoutStart = 0;
      int start = 0;
      for (qsizetype i = 0; i < text.size(); ++i) {
        EXPECT_LE(std::abs(start - layoutStart * dpi / 96), 0.5) << dpi << " dpi, character " << i;
        layoutStart += layout[i];
        start += advances[i];
      }
    }
  }
}

TEST(GdiText, GlyphsSitInTheirCellsFromTheTop) {
  FontSpec fontSpec;
  fontSpec.face = fonts::kGothic;
  fontSpec.pixelHeight = 20;
  const QFont font = toQFont(fontSpec);
  const QString text = QStringLiteral("田田田");
  QImage image = blankPage(200, 100);
  {
    QPainter painter(&image);
    drawGlyphs(painter, font, Qt::black, 30, 40, text, {20, 30, 20});
  }
  const QRect box = ink(image);
  const QSize extent = textExtent(fontSpec, text);
  EXPECT_GE(box.top(), 40);
  EXPECT_LE(box.bottom(), 40 + extent.height() - 1);
  EXPECT_GE(box.left(), 30);
  // The third glyph starts at 30 + 20 + 30 = 80 and fills most of its 20 px.
  EXPECT_GT(box.right(), 90);
  EXPECT_LT(box.right(), 100);
}

TEST(GdiShapes, RectanglesFollowGdiPixelRules) {
  QImage image = blankPage(60, 60);
  QPainter painter(&image);
  gdi::rectangle(painter, 10, 10, 20, 20, PenSpec{Qt::black, 1, Qt::NoPen}, BrushSpec{Qt::black, Qt::SolidPattern});
  EXPECT_EQ(ink(image), QRect(QPoint(10, 10), QPoint(18, 18)));  // one pixel smaller without a pen

  image.fill(Qt::white);
  gdi::rectangle(painter, 10, 10, 20, 20, PenSpec{Qt::red, 1, Qt::SolidLine}, BrushSpec{Qt::white, Qt::NoBrush});
  EXPECT_EQ(ink(image), QRect(QPoint(10, 10), QPoint(19, 19)));
  EXPECT_EQ(image.pixel(15, 15), qRgb(255, 255, 255));

  image.fill(Qt::white);
  gdi::rectangle(painter, 40, 40, 10, 10, PenSpec{Qt::black, 3, Qt::SolidLine}, BrushSpec{Qt::white, Qt::SolidPattern});
  EXPECT_EQ(ink(image), QRect(QPoint(10, 10), QPoint(39, 39)));  // edges put in order
  EXPECT_EQ(image.pixel(12, 20), qRgb(0, 0, 0));                  // the pen lies inside
  EXPECT_EQ(image.pixel(13, 20), qRgb(255, 255, 255));

  image.fill(Qt::white);
  gdi::fillRect(painter, 5, 5, 6, 50, Qt::black);
  EXPECT_EQ(ink(image), QRect(5, 5, 1, 45));
}

TEST(GdiShapes, LinesStopBeforeTheirEnd) {
  QImage image = blankPage(60, 60);
  QPainter painter(&image);
  gdi::line(painter, 10, 5, 30, 5, PenSpec{});
  EXPECT_EQ(ink(image), QRect(QPoint(10, 5), QPoint(29, 5)));
  image.fill(Qt::white);
  gdi::line(painter, 7, 40, 7, 20, PenSpec{});
  EXPECT_EQ(ink(image), QRect(QPoint(7, 21), QPoint(7, 40)));
  image.fill(Qt::white);
  gdi::line(painter, 10, 30, 40, 30, PenSpec{Qt::black, 3, Qt::SolidLine});
  EXPECT_EQ(ink(image), QRect(QPoint(10, 29), QPoint(39, 31)));  // centred on the line
}

TEST(GdiShapes, EllipseStaysInsideItsBox) {
  QImage image = blankPage(60, 60);
  QPainter painter(&image);
  gdi::ellipse(painter, 10, 10, 50, 30, PenSpec{}, BrushSpec{Qt::black, Qt::SolidPattern});
  const QRect box = ink(image);
  EXPECT_GE(box.left(), 10);
  EXPECT_GE(box.top(), 10);
  EXPECT_LE(box.right(), 49);
  EXPECT_LE(box.bottom(), 29);
  EXPECT_GE(box.width(), 39);
}

}  // namespace
}  // namespace kopira::report
