// Page geometry: rounding, paper sizes, pixel geometry of page, bands and
// elements, device coordinates.
#include <gtest/gtest.h>

#include "report/model/qr_label.h"
#include "report/model/qr_report.h"
#include "report/core/rounding.h"
#include "tests/report/report_test_support.h"

namespace kopira::report {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(2.51), 3);
  EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<int>::max());
  EXPECT_EQ(mulDiv(7, 80, 100), 6);  // 5.6
  EXPECT_EQ(mulDiv(5, 50, 100), 3);  // 2.5 away from zero
}

TEST(Rounding, DeviceCoordinatesRoundHalvesToEven) {
  testing::RecordingDestination d(254);  // one pixel per 0.1 mm
  d.BeginDoc();
  EXPECT_EQ(d.ToDeviceX(2.5), 2);
  EXPECT_EQ(d.ToDeviceY(3.5), 4);
  EXPECT_EQ(d.ToDeviceWidth(4.5), 4);
  EXPECT_EQ(d.ToDeviceHeight(5.5), 6);
}

TEST(PaperSize, B4FollowsOrientationAndWidthIsFixedForTableSizes) {
  TQRReport report;
  TQRPage& page = report.page();
  page.setPaperSize(TQRPaperSize::B4);
  EXPECT_EQ(page.value(TQRPage::Width), 2500);
  EXPECT_EQ(page.value(TQRPage::Length), 3540);
  page.setOrientation(TQROrientation::poLandscape);
  EXPECT_EQ(page.value(TQRPage::Width), 3540);
  EXPECT_EQ(page.value(TQRPage::Length), 2500);

  page.setOrientation(TQROrientation::poPortrait);
  page.setPaperSize(TQRPaperSize::A4);
  page.setWidth(1000);
  page.setLength(1000);
  EXPECT_EQ(page.value(TQRPage::Width), 2100);
  EXPECT_EQ(page.value(TQRPage::Length), 2970);
  page.setPaperSize(TQRPaperSize::Custom);
  page.setWidth(1000);
  EXPECT_EQ(page.value(TQRPage::Width), 1000);
  EXPECT_EQ(paperCode(TQRPaperSize::Custom), 256);
  EXPECT_EQ(paperDisplayName(TQRPaperSize::B4), QStringLiteral("B4 250 x 354 mm"));
}

TEST(PixelGeometry, B4AtZoom80) {
  TQRReport report;
  report.page().setPaperSize(TQRPaperSize::B4);
  report.setZoom(80);
  EXPECT_EQ(report.pixelSize(), QSize(756, 1070));
  report.setZoom(301);  // ignored
  EXPECT_EQ(report.zoom(), 80);
  report.setZoom(0);
  EXPECT_EQ(report.zoom(), 80);
}

TEST(PixelGeometry, BandsFollowTheMargins) {
  TQRReport report;
  auto title = std::make_unique<TQRBand>(QStringLiteral("TitleBand1"), TQRBandType::rbTitle);
  title->height = 11;
  auto header = std::make_unique<TQRBand>(QStringLiteral("PageHeaderBand1"), TQRBandType::rbPageHeader);
  header->height = 11;
  report.addBand(std::move(title));
  report.addBand(std::move(header));
  report.page().setValues({560, 2970, 470, 2100, 260, 460, 0});

  ASSERT_EQ(report.bands().front()->name(), QStringLiteral("PageHeaderBand1"));
  const QRect first = report.bands().front()->pixelBounds;
  EXPECT_EQ(first.left(), 98);
  EXPECT_EQ(first.top(), 178);
  EXPECT_EQ(first.width(), 522);
  EXPECT_EQ(report.bands().back()->pixelBounds.top(), 178 + first.height());
  EXPECT_DOUBLE_EQ(report.bands().front()->width, 1380);
}

TEST(PixelGeometry, ElementBoxIsFromThePaperCornerWhateverTheMargins) {
  auto report = testing::smallPage(QStringLiteral(
      R"({"name": "QRShape1", "kind": "shape", "size": [243.42, 259.29, 2283.35, 1619.25]})"));
  testing::RecordingDestination d(254);
  report->GeneratePages(d);
  ASSERT_EQ(d.pages.size(), 1);
  ASSERT_EQ(d.pages[0]->rectangles.size(), 1);
  const testing::Fill box = d.pages[0]->rectangles[0];
  EXPECT_EQ(box.left, 259);
  EXPECT_EQ(box.top, 2283);
  EXPECT_EQ(box.right, 1879);  // 259.29 + 1619.25
  EXPECT_EQ(box.bottom, 2527);
}

}  // namespace
}  // namespace kopira::report
