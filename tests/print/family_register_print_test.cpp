// The family-register request on paper: printed from its preview to the
// test CUPS queue, every value lands where the rendered page has it, and at
// its element's place, measured from the paper's edge.
#include <gtest/gtest.h>

#include "family_register_ink.h"
#include "family_request_support.h"
#include "print_job.h"
#include "report/image_destination.h"
#include "report/preview/print_run.h"

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
    EXPECT_GE(ink.left(), place.cornerMm.x() + place.leadMm - 0.2);
    EXPECT_LE(ink.left(), place.cornerMm.x() + place.leadMm + 0.8);
    EXPECT_GE(ink.top(), place.cornerMm.y() - 0.2);
    EXPECT_LE(ink.top(), place.cornerMm.y() + 1.6);
  }
  // The date stamp's year, month and day, in the fixed-pitch face.
  const std::vector<std::optional<double>> printedDigits = printtest::dateDigitStartsMm(sheet, job.dpi);
  const std::vector<std::optional<double>> renderedDigits = printtest::dateDigitStartsMm(reference, job.dpi);
  for (size_t i = 0; i < printedDigits.size(); ++i) {
    ASSERT_TRUE(printedDigits[i] && renderedDigits[i]) << i;
    std::printf("date group %zu printed from %.2f mm; rendered from %.2f mm\n", i, *printedDigits[i], *renderedDigits[i]);
    EXPECT_NEAR(*printedDigits[i], *renderedDigits[i], 0.2);
  }
}

}  // namespace
}  // namespace kopira::testing
