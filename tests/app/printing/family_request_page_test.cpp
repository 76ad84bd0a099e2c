// The request page as the print button leaves it, rendered at 600 dpi and
// measured from the paper's corner: each value at its element's place, the
// date stamp's digits three full widths apart, long texts on one line,
// empty fields without ink.
#include <gtest/gtest.h>

#include "family_register_ink.h"
#include "family_request_support.h"
#include "report/draw/image_destination.h"

namespace kopira::testing {
namespace {

constexpr double kDpi = 600;
using printtest::kFullWidthMm;

class FamilyRequestPage : public RequestWindows {
 protected:
  // Presses the print button and renders the page it filled.
  QImage printedPage() {
    ClosingWait wait;
    Form5->BitBtn2Click();
    EXPECT_EQ(wait.waits, 1);
    report::ImageDestination images(static_cast<int>(kDpi));
    Form6->QRReport1->GeneratePages(images);
    EXPECT_EQ(images.pages().size(), 1);
    return images.pages().value(0).convertToFormat(QImage::Format_Grayscale8);
  }
};

TEST_F(FamilyRequestPage, EachValueLandsAtItsElementsPlace) {
  fillSample();
  const QImage page = printedPage();
  EXPECT_NEAR(page.width() * 25.4 / kDpi, 210.0, 0.1);
  EXPECT_NEAR(page.height() * 25.4 / kDpi, 297.0, 0.1);
  const std::map<QString, QRectF> ink = printtest::requestInk(page, kDpi);
  for (const printtest::FillInPlace& place : printtest::requestPlaces()) {
    SCOPED_TRACE(place.element);
    const auto found = ink.find(QLatin1String(place.element));
    ASSERT_NE(found, ink.end()) << "no ink";
    const QRectF& box = found->second;
    std::printf("%-9s ink from %.2f, %.2f mm (element at %.1f, %.1f)\n", place.element, box.left(), box.top(),
                place.cornerMm.x(), place.cornerMm.y());
    // Glyphs stand a little right of and below the element's corner.
    const double lead = place.leadCells * printtest::fixedCellMm(kDpi);
    EXPECT_GE(box.left(), place.cornerMm.x() + lead);
    EXPECT_LE(box.left(), place.cornerMm.x() + lead + 0.8);
    EXPECT_GE(box.top(), place.cornerMm.y());
    EXPECT_LE(box.top(), place.cornerMm.y() + 1.6);
  }
  // Above the top margin of 40 mm: printed where they stand.
  EXPECT_LT(ink.at(QStringLiteral("QRLabel7")).bottom(), 40.0);
  EXPECT_LT(ink.at(QStringLiteral("QRLabel1")).bottom(), 42.0);
  // The office block: three lines inside its box.
  const QRectF memo = ink.at(QStringLiteral("QRMemo1"));
  EXPECT_LE(memo.bottom(), 170.3 + 16.2);
  EXPECT_GT(memo.height(), 2 * kFullWidthMm) << "three lines";
}

TEST_F(FamilyRequestPage, DateDigitsStandTwoFiveAndEightFullWidthsIn) {
  fillSample();  // the clock says 8 August of the 8th year: 08, 08, 08
  const std::vector<std::optional<double>> starts = printtest::dateDigitStartsMm(printedPage(), kDpi, printtest::fixedCellMm(kDpi));
  const int widths[] = {2, 5, 8};
  for (size_t i = 0; i < starts.size(); ++i) {
    ASSERT_TRUE(starts[i]) << widths[i];
    const double cell = printtest::dateCellMm(widths[i], printtest::fixedCellMm(kDpi));
    std::printf("digits %d full widths in: ink from %.2f mm (cell at %.2f)\n", widths[i], *starts[i], cell);
    EXPECT_GE(*starts[i], cell);
    EXPECT_LE(*starts[i], cell + 0.5);
  }
  // The same digit begins each group: the groups are exactly three widths apart.
  EXPECT_NEAR(*starts[1] - *starts[0], 3 * printtest::fixedCellMm(kDpi), 0.1);
  EXPECT_NEAR(*starts[2] - *starts[1], 3 * printtest::fixedCellMm(kDpi), 0.1);
}

TEST_F(FamilyRequestPage, ALongValuePrintsOnOneLineGrowingToTheRight) {
  fillSample();
  Form5->Edit2->setText(QStringLiteral("東京都新宿区西新宿二丁目８番１号　新宿パークタワー３０階３００１号室"));
  const QImage page = printedPage();
  const QRectF box = printtest::requestInk(page, kDpi).at(QStringLiteral("QRLabel2"));
  EXPECT_NEAR(box.left(), 71.1, 0.8);
  EXPECT_GT(box.right(), 71.1 + 25 * kFullWidthMm * 0.9) << "the whole text, far past the placeholder";
  EXPECT_LT(box.height(), kFullWidthMm) << "one line";
}

TEST_F(FamilyRequestPage, EmptyFieldsPrintNothing) {
  fillSample();
  for (TEdit* edit : {Form5->Edit1, Form5->Edit2, Form5->Edit3, Form5->Edit4, Form5->Edit5, Form5->Edit6}) {
    edit->setText(QString());
  }
  Form1->Edit1->setText(QString());
  const QImage page = printedPage();
  const std::map<QString, QRectF> ink = printtest::requestInk(page, kDpi);
  for (const char* empty : {"QRLabel1", "QRLabel2", "QRLabel3", "QRLabel4", "QRLabel5", "QRLabel6", "QRLabel9"}) {
    EXPECT_EQ(ink.count(QLatin1String(empty)), 0u) << empty;
  }
  EXPECT_EQ(ink.size(), 4u) << "the date, the office block, the number and the telephone remain";
}

}  // namespace
}  // namespace kopira::testing
