// Positions on paper through the test CUPS queue: a rectangle drawn at a
// known distance from the paper's corner must land there.
#include "print_job.h"
#include "raster_lines.h"
#include "report/print/printer_device.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <optional>
#include <gtest/gtest.h>

using namespace kopira::printtest;

namespace {

// 25.0 mm from the left, 49.5 mm from the top, 100 x 50 mm, 1-pixel pen.
const QRectF kRectMm(25.0, 49.5, 100.0, 50.0);

void drawRectangle(QPainter& painter, const QPrinter& printer) {
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(QRectF(printerPixels(printer, kRectMm.x()), printerPixels(printer, kRectMm.y()),
                          printerPixels(printer, kRectMm.width()), printerPixels(printer, kRectMm.height())));
}

std::string describe(const std::vector<double>& v) {
  std::string s;
  for (double d : v) s += std::to_string(d) + " ";
  return s;
}

struct Measured {
  std::vector<double> xs, ys;
  QSizeF paperMm;
};

Measured measure(const QImage& page, double dpi) {
  const LineScan scan{20, 128};
  return {verticalLinesMm(page, dpi, scan), horizontalLinesMm(page, dpi, scan),
          QSizeF(page.width() * 25.4 / dpi, page.height() * 25.4 / dpi)};
}

}  // namespace

TEST(PrintPosition, RectangleLandsAtItsDistanceFromThePaperEdge) {
  // One job per sheet size: CUPS puts a whole job on one sheet.
  const PrintedJob a4Job = printPages({{QPageSize(QPageSize::A4), QPageLayout::Portrait, drawRectangle}});
  ASSERT_TRUE(a4Job.ok) << a4Job.error.toStdString();
  ASSERT_EQ(a4Job.pages.size(), 1u);
  const Measured a4 = measure(a4Job.pages[0], a4Job.dpi);
  EXPECT_NEAR(a4.paperMm.width(), 210.0, 0.5);
  EXPECT_NEAR(a4.paperMm.height(), 297.0, 0.5);
  ASSERT_EQ(a4.xs.size(), 2u) << describe(a4.xs);
  ASSERT_EQ(a4.ys.size(), 2u) << describe(a4.ys);
  EXPECT_NEAR(a4.xs[0], kRectMm.left(), 0.1);
  EXPECT_NEAR(a4.xs[1], kRectMm.right(), 0.1);
  EXPECT_NEAR(a4.ys[0], kRectMm.top(), 0.1);
  EXPECT_NEAR(a4.ys[1], kRectMm.bottom(), 0.1);

  // B4 on the queue's own B4 sheet, as the engine asks for it: nothing is
  // centred or shifted, so the rectangle lands as exactly as on A4.
  const std::optional<QPageSize> sheet = kopira::report::printerSheet(QPrinterInfo::defaultPrinter(), kopira::report::TQRPaperSize::B4);
  ASSERT_TRUE(sheet.has_value());
  const PrintedJob b4Job = printPages({{*sheet, QPageLayout::Portrait, drawRectangle}});
  ASSERT_TRUE(b4Job.ok) << b4Job.error.toStdString();
  ASSERT_EQ(b4Job.pages.size(), 1u);
  const Measured b4 = measure(b4Job.pages[0], b4Job.dpi);
  std::printf("A4 lines x %s y %s\nB4 sheet %.2f x %.2f mm (%s), lines x %s y %s\n", describe(a4.xs).c_str(),
              describe(a4.ys).c_str(), b4.paperMm.width(), b4.paperMm.height(), qPrintable(sheet->key()),
              describe(b4.xs).c_str(), describe(b4.ys).c_str());
  EXPECT_NEAR(b4.paperMm.width(), 257.0, 1.0);
  EXPECT_NEAR(b4.paperMm.height(), 364.0, 1.5);
  ASSERT_EQ(b4.xs.size(), 2u) << describe(b4.xs);
  ASSERT_EQ(b4.ys.size(), 2u) << describe(b4.ys);
  EXPECT_NEAR(b4.xs[0], kRectMm.left(), 0.1);
  EXPECT_NEAR(b4.xs[1], kRectMm.right(), 0.1);
  EXPECT_NEAR(b4.ys[0], kRectMm.top(), 0.1);
  EXPECT_NEAR(b4.ys[1], kRectMm.bottom(), 0.1);
}
