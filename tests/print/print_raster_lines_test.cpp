// The line and ink finders on a drawn page, without a printer.
#include "raster_lines.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace kopira::printtest;

TEST(RasterLines, FindsLinesAndInkWhereTheyWereDrawn) {
  constexpr double dpi = 600;
  const auto px = [](double mm) { return static_cast<int>(mm * dpi / 25.4); };
  QImage page(px(100), px(80), QImage::Format_Grayscale8);
  page.fill(255);
  QPainter p(&page);
  p.fillRect(px(10), px(5), 1, px(30), Qt::black);    // vertical line, 30 mm
  p.fillRect(px(50), px(5), 3, px(30), Qt::black);    // vertical line, 3 px wide
  p.fillRect(px(5), px(60), px(40), 1, Qt::black);    // horizontal line, 40 mm
  p.fillRect(px(70), px(40), px(4), px(4), QColor(60, 60, 60));  // a 4 mm block: not a line
  p.end();

  const std::vector<double> xs = verticalLinesMm(page, dpi, {20, 128});
  ASSERT_EQ(xs.size(), 2u);
  EXPECT_NEAR(xs[0], 10.0, 0.05);
  EXPECT_NEAR(xs[1], 50.0 + 1 * 25.4 / dpi, 0.05);  // centre of the 3 pixels
  const std::vector<double> ys = horizontalLinesMm(page, dpi, {20, 128});
  ASSERT_EQ(ys.size(), 1u);
  EXPECT_NEAR(ys[0], 60.0, 0.05);

  const std::optional<QRectF> block = inkBoundsMm(page, dpi, QRectF(60, 30, 30, 30));
  ASSERT_TRUE(block);
  EXPECT_NEAR(block->left(), 70.0, 0.05);
  EXPECT_NEAR(block->width(), 4.0, 0.05);
  EXPECT_FALSE(inkBoundsMm(page, dpi, QRectF(80, 50, 10, 10)));
  EXPECT_NEAR(inkBoundsMm(page, dpi)->top(), 5.0, 0.05);
}
