// The calibration sheet rendered at 600 dpi on A4 and B4: it prints whole on
// a printer that loses the outer 5 mm, its texts do not overlap, and each
// cross stands where its label says, from the sheet's left and top edge.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "raster_lines.h"
#include "report/print/calibration_sheet.h"

namespace kopira::report {
namespace {

constexpr double kDpi = 600;

TEST(CalibrationSheet, PrintsWholeWithItsCrossesWhereTheirLabelsSay) {
  const struct {
    QSizeF sheetMm;
    QList<QPointF> crossesMm;
  } sheets[] = {
      {{210, 297}, {{30, 30}, {180, 30}, {30, 267}, {180, 267}, {105, 148}}},
      {{257, 364}, {{30, 30}, {227, 30}, {30, 334}, {227, 334}, {128, 182}}},
  };
  const PrintShift shift{15, -8};  // said on the sheet, not applied by the drawing
  for (const auto& sheet : sheets) {
    SCOPED_TRACE(sheet.sheetMm.width());
    const auto pixels = [](double mm) { return static_cast<int>(std::lround(mm * kDpi / 25.4)); };
    QImage page(pixels(sheet.sheetMm.width()), pixels(sheet.sheetMm.height()), QImage::Format_Grayscale8);
    page.fill(255);
    QPainter painter(&page);
    drawCalibrationSheet(painter, kDpi, sheet.sheetMm, shift);
    painter.end();

    const QRectF ink = printtest::inkBoundsMm(page, kDpi).value_or(QRectF());
    std::printf("sheet %.0f x %.0f mm: ink from %.2f to %.2f mm across, %.2f to %.2f mm down\n", sheet.sheetMm.width(),
                sheet.sheetMm.height(), ink.left(), ink.right(), ink.top(), ink.bottom());
    EXPECT_GE(ink.left(), 6);
    EXPECT_GE(ink.top(), 6);
    EXPECT_LE(ink.right(), sheet.sheetMm.width() - 6);
    EXPECT_LE(ink.bottom(), sheet.sheetMm.height() - 6);

    const QList<QRectF> texts = calibrationTextBoxes(sheet.sheetMm, shift, kDpi);
    for (qsizetype i = 0; i < texts.size(); ++i)
      for (qsizetype j = i + 1; j < texts.size(); ++j)
        EXPECT_FALSE(texts[i].intersects(texts[j])) << "texts " << i << " and " << j << " overlap";

    const QList<CalibrationCross> crosses = calibrationCrosses(sheet.sheetMm);
    ASSERT_EQ(crosses.size(), sheet.crossesMm.size());
    for (qsizetype i = 0; i < crosses.size(); ++i) {
      const QPointF at = sheet.crossesMm[i];
      EXPECT_EQ(crosses[i].label, QStringLiteral("横 %1 / 縦 %2 mm").arg(at.x(), 0, 'f', 1).arg(at.y(), 0, 'f', 1));
      // Its arms, the only lines over 12 mm long around it, cross there.
      const QRectF around(at - QPointF(9, 9), QSizeF(18, 18));
      const QImage near = page.copy(pixels(around.left()), pixels(around.top()), pixels(18), pixels(18));
      const printtest::LineScan arms{12, 128};
      const std::vector<double> across = printtest::verticalLinesMm(near, kDpi, arms);
      const std::vector<double> down = printtest::horizontalLinesMm(near, kDpi, arms);
      ASSERT_EQ(across.size(), 1u) << crosses[i].label.toStdString();
      ASSERT_EQ(down.size(), 1u) << crosses[i].label.toStdString();
      std::printf("  %s: arms cross at %.3f, %.3f mm\n", qPrintable(crosses[i].label), around.left() + across[0],
                  around.top() + down[0]);
      EXPECT_NEAR(around.left() + across[0], at.x(), 0.05);
      EXPECT_NEAR(around.top() + down[0], at.y(), 0.05);
    }
  }
}

}  // namespace
}  // namespace kopira::report
