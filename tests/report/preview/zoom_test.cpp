// The preview control: zoom rules, the framed page image, page changes.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "tests/report/preview_test_support.h"
#include "report/preview/page_image.h"
#include "report/preview/qr_preview.h"

namespace kopira::report {
namespace {

using testing::printerWithPages;

TEST(PreviewZoom, ZoomSetsTheImageSizeWithItsBorder) {
  auto printer = printerWithPages(1);
  TQRPreview preview;
  preview.SetQRPrinter(printer.get());
  preview.SetZoom(100);
  EXPECT_EQ(preview.Image()->size(), QSize(798, 1127));
  preview.SetZoom(200);
  EXPECT_EQ(preview.Image()->size(), QSize(1591, 2249));
  // Out of range: ignored.
  preview.SetZoom(1);
  preview.SetZoom(2001);
  EXPECT_EQ(preview.Zoom(), 200);
  preview.SetZoom(2);
  EXPECT_EQ(preview.Zoom(), 2);
  EXPECT_EQ(preview.ZoomState(), TQRZoomState::ZoomOther);
}

TEST(PreviewZoom, WidthAndFitFollowTheControlAndItsResizes) {
  auto printer = printerWithPages(1);
  TQRPreview preview;
  preview.SetQRPrinter(printer.get());
  preview.resize(1000, 800);
  preview.show();  // resizes reach a shown control only
  preview.ZoomToWidth();
  EXPECT_EQ(preview.Zoom(), 113);  // 1000 / 794 x 90 = 113.35
  EXPECT_EQ(preview.ZoomState(), TQRZoomState::ZoomToWidth);

  preview.resize(500, 800);  // the width mode is applied again
  EXPECT_EQ(preview.Zoom(), 57);  // 56.68

  preview.ZoomToFit();  // min(500 / 794 x 95, 800 / 1123 x 95) = min(59.8, 67.7)
  EXPECT_EQ(preview.Zoom(), 60);
  preview.resize(1000, 400);
  EXPECT_EQ(preview.Zoom(), 34);  // 400 / 1123 x 95 = 33.8

  preview.SetZoom(150);
  preview.resize(700, 700);  // another zoom stays
  EXPECT_EQ(preview.Zoom(), 150);
}

TEST(PreviewZoom, WithoutAPrinterObjectThePageIsLetter) {
  TQRPreview preview;
  preview.SetZoom(100);
  const QSizeF letter = paperSizeNative(TQRPaperSize::Letter, TQROrientation::poPortrait);
  EXPECT_EQ(preview.Image()->size(), QSize(qRound(letter.width() * 96 / 254) + 4, qRound(letter.height() * 96 / 254) + 4));
}

TEST(PreviewImage, PageHasAnOutlineAndAShadow) {
  const QSize size(798, 1127);
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::gray);
  QPainter painter(&image);
  PageImage::PaintPage(painter, size, QByteArray());
  painter.end();
  const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), grey = QColor(Qt::gray).rgb();
  EXPECT_EQ(image.pixel(0, 0), black);
  EXPECT_EQ(image.pixel(794, 500), black);   // right outline at w - 4
  EXPECT_EQ(image.pixel(400, 1123), black);  // bottom outline at h - 4
  EXPECT_EQ(image.pixel(1, 1), white);
  EXPECT_EQ(image.pixel(793, 1122), white);
  EXPECT_EQ(image.pixel(795, 500), grey);    // gap between outline and shadow
  EXPECT_EQ(image.pixel(796, 500), black);   // shadow, two pixels
  EXPECT_EQ(image.pixel(797, 500), black);
  EXPECT_EQ(image.pixel(797, 1), grey);      // the shadow starts 2 pixels down
  EXPECT_EQ(image.pixel(1, 1126), grey);
  EXPECT_EQ(image.pixel(2, 1126), black);
}

TEST(PreviewPages, OnlyExistingOtherPagesAreAccepted) {
  auto printer = printerWithPages(3);
  TQRPreview preview;
  preview.SetQRPrinter(printer.get());
  preview.SetPageNumber(2);
  EXPECT_EQ(preview.PageNumber(), 2);
  preview.SetPageNumber(0);
  preview.SetPageNumber(4);
  EXPECT_EQ(preview.PageNumber(), 2);

  TQRPreview empty;
  empty.SetPageNumber(2);
  EXPECT_EQ(empty.PageNumber(), 1);
}

TEST(PreviewPages, TheFirstAvailablePageOpensAtZoomToWidth) {
  TQRPrinter printer(TQRPrinter::Destination::Pictures);
  TQRPreview preview;
  preview.resize(1000, 800);
  preview.SetQRPrinter(&printer);
  printer.SetClient(&preview);
  int announced = 0;
  QObject::connect(&preview, &TQRPreview::PageAvailable, [&](int pages) { announced = pages; });
  printer.setPrinterValues(PrinterValues());
  printer.BeginDoc();
  printer.NewPage();
  printer.NewPage();
  printer.EndDoc();
  QCoreApplication::processEvents();
  EXPECT_EQ(announced, 2);
  EXPECT_TRUE(preview.ShowsPage());
  EXPECT_EQ(preview.ZoomState(), TQRZoomState::ZoomToWidth);
  EXPECT_EQ(preview.Zoom(), 113);
}

}  // namespace
}  // namespace kopira::report
