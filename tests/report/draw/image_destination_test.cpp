#include <gtest/gtest.h>

#include <QPainter>

#include "report/draw/image_destination.h"
#include "report/draw/page_buffer.h"
#include "tests/report/report_test_support.h"

namespace kopira::report {
namespace {

bool allWhite(const QImage& image) {
  for (int y = 0; y < image.height(); y += 7) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] != qRgb(255, 255, 255)) return false;
    }
  }
  return true;
}

TEST(PageImage, LargeAndSmallPagesAreWhiteAndOwnTheirPixels) {
  // 12 MB takes the mapped path, 40 KB the ordinary one.
  for (const QSize size : {QSize(2000, 1500), QSize(100, 100)}) {
    QImage copy;
    {
      QImage page = makeWhitePageImage(size);
      ASSERT_EQ(page.size(), size);
      EXPECT_EQ(page.format(), QImage::Format_RGB32);
      EXPECT_TRUE(allWhite(page));
      copy = page;
      QPainter painter(&page);  // drawing on one detaches it from the copy
      painter.fillRect(0, 0, 10, 10, Qt::black);
      painter.end();
      EXPECT_EQ(page.pixel(5, 5), qRgb(0, 0, 0));
    }
    // The copy outlives the original and still reads white.
    EXPECT_EQ(copy.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(copy.pixel(size.width() - 1, size.height() - 1), qRgb(255, 255, 255));
  }
  EXPECT_TRUE(makeWhitePageImage(QSize(0, 10)).isNull());
}

TEST(PageImage, PagesOutliveTheDestinationAtTheirResolution) {
  auto report =
      testing::smallPage(QStringLiteral(R"({"name": "QRShape1", "kind": "shape", "size": [300, 300, 300, 600]})"));
  QList<QImage> pages;
  {
    ImageDestination images(300);
    report->GeneratePages(images);
    pages = images.pages();
  }
  ASSERT_EQ(pages.size(), 1);
  const QImage& page = pages.first();
  EXPECT_EQ(page.dotsPerMeterX(), 11811);
  EXPECT_FALSE(allWhite(page));  // the shape was drawn and its pixels are still there
  EXPECT_EQ(page.pixel(page.width() - 1, page.height() - 1), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace kopira::report
