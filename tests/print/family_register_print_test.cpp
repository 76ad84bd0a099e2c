// The family-register request on paper: printed from its preview to the
// test CUPS queue, every value lands where the rendered page has it, and at
// its element's place, measured from the paper's edge; the date stamp's
// digits stand in the cells of the printer's font, while the preview's page
// picture keeps the cells of the 96-dpi screen font.
#include <gtest/gtest.h>

#include "family_register_ink.h"
#include "family_request_support.h"
#include "print_job.h"
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/fonts.h"
#include "report/draw/image_destination.h"
#include "report/draw/page_picture.h"
#include "report/print/print_run.h"
#include "report/print/qr_printer.h"

namespace kopira::testing {
namespace {

using FamilyRegisterPrint = RequestWindows;

TEST_F(FamilyRegisterPrint, ValuesLandWithinAFifthOfAMillimetreOnTheSheet) {
  fillSample();
  report::TQRReport& page = *Form6->QRReport1;
  const QString title = printtest::uniqueJobTitle();
  page.reportTitle = title;
  // The user prints from the preview, then closes it.
  ClosingWait wait;
  wait.whileOpen = [&page] {
    report::TQRPrinter* slot = nullptr;
    report::PrintReport(page, slot);
  };
  Form5->BitBtn2Click();
  ASSERT_EQ(wait.waits, 1);
  EXPECT_TRUE(boxes_.boxes.empty());
  const printtest::PrintedJob job = printtest::collectJob(title);
  ASSERT_TRUE(job.ok) << job.error.toStdString();
  ASSERT_EQ(job.pages.size(), 1u);
  const QImage& sheet = job.pages[0];
  EXPECT_NEAR(sheet.width() * 25.4 / job.dpi, 210.0, 0.5);
  EXPECT_NEAR(sheet.height() * 25.4 / job.dpi, 297.0, 0.5);

  report::ImageDestination images(static_cast<int>(job.dpi));
  page.GeneratePages(images);
  const QImage reference = images.pages().value(0).convertToFormat(QImage::Format_Grayscale8);
  const std::map<QString, QRectF> rendered = printtest::requestInk(reference, job.dpi);
  const std::map<QString, QRectF> printed = printtest::requestInk(sheet, job.dpi);
  for (const printtest::FillInPlace& place : printtest::requestPlaces()) {
    SCOPED_TRACE(place.element);
    const QString name = QLatin1String(place.element);
    ASSERT_EQ(printed.count(name), 1u) << "nothing printed";
    ASSERT_EQ(rendered.count(name), 1u);
    const QRectF& ink = printed.at(name);
    std::printf("%-9s printed from %.2f, %.2f mm; rendered from %.2f, %.2f mm\n", place.element, ink.left(), ink.top(),
                rendered.at(name).left(), rendered.at(name).top());
    EXPECT_NEAR(ink.left(), rendered.at(name).left(), 0.2);
    EXPECT_NEAR(ink.top(), rendered.at(name).top(), 0.2);
    const double lead = place.leadCells * printtest::fixedCellMm(job.dpi);
    EXPECT_GE(ink.left(), place.cornerMm.x() + lead - 0.2);
    EXPECT_LE(ink.left(), place.cornerMm.x() + lead + 0.8);
    EXPECT_GE(ink.top(), place.cornerMm.y() - 0.2);
    EXPECT_LE(ink.top(), place.cornerMm.y() + 1.6);
  }
  // The date stamp's year, month and day (each "08"), in the fixed-pitch
  // face: on paper the ink of a "0" starts its glyph's left bearing into
  // the cell of the printer's font; in the preview's picture, within a
  // screen pixel of the 96-dpi cell, the groups three such cells apart.
  const double printerDpi = QPrinter(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution).resolution();
  const double printerCell = printtest::fixedCellMm(printerDpi);
  const double bearingMm =
      QFontMetricsF(fonts::pixelFont(fonts::kGothic, static_cast<int>(std::lround(11 * printerDpi / 72)))).leftBearing(u'0') *
      25.4 / printerDpi;
  report::TQRPrinter pictures(report::TQRPrinter::Destination::Pictures);
  page.GeneratePages(pictures);
  QImage preview(sheet.size(), QImage::Format_Grayscale8);
  preview.fill(Qt::white);
  {
    QPainter painter(&preview);
    report::playPagePicture(painter, pictures.GetPage(1), preview.rect());
  }
  const std::vector<std::optional<double>> printedDigits = printtest::dateDigitStartsMm(sheet, job.dpi, printerCell);
  const std::vector<std::optional<double>> previewDigits = printtest::dateDigitStartsMm(preview, job.dpi, printtest::kScreenCellMm);
  const int widths[] = {2, 5, 8};
  for (size_t i = 0; i < printedDigits.size(); ++i) {
    ASSERT_TRUE(printedDigits[i] && previewDigits[i]) << i;
    const double onPaper = printtest::dateCellMm(widths[i], printerCell) + bearingMm;
    const double inPreview = printtest::dateCellMm(widths[i], printtest::kScreenCellMm);
    std::printf("date group %zu printed from %.2f mm (printer font %.2f); preview from %.2f mm (screen cell %.2f)\n", i,
                *printedDigits[i], onPaper, *previewDigits[i], inPreview);
    EXPECT_NEAR(*printedDigits[i], onPaper, 0.1);
    EXPECT_NEAR(*previewDigits[i], inPreview, 25.4 / 96);
    if (i > 0) {
      EXPECT_NEAR(*previewDigits[i] - *previewDigits[i - 1], 3 * printtest::kScreenCellMm, 0.1);
    }
  }
}

}  // namespace
}  // namespace kopira::testing
