// Generating a page: the run and its destination, frames, labels, memos and
// the painting order.
#include <gtest/gtest.h>

#include "report/draw/image_destination.h"
#include "report/core/qr_error.h"
#include "report/model/qr_label.h"
#include "tests/report/report_test_support.h"

namespace kopira::report {
namespace {

using testing::RecordingDestination;
using testing::smallPage;

QString label(const QString& name, const QString& caption, const QString& size,
              const QString& more = QString()) {
  return QStringLiteral(R"({"name": "%1", "kind": "label", "caption": "%2", "size": %3,
      "font": %4 %5})")
      .arg(name, caption, size, testing::kGothic10, more);
}

TEST(Destination, StatusRulesRaiseTheEngineErrors) {
  RecordingDestination d;
  try {
    d.NewPage();
    FAIL() << "NewPage before BeginDoc";
  } catch (const EQRError& e) {
    EXPECT_EQ(e.message(), QStringLiteral("間違った NewPage の呼び出し"));
  }
  d.BeginDoc();
  try {
    d.BeginDoc();
    FAIL() << "BeginDoc twice";
  } catch (const EQRError& e) {
    EXPECT_EQ(e.message(), QStringLiteral("QRPrinter の準備ができていません"));
  }
  d.NewPage();
  d.EndDoc();
  EXPECT_EQ(d.status(), ReportDestination::Status::Finished);
  EXPECT_EQ(d.availablePages(), 1);
  EXPECT_THROW(d.NewPage(), EQRError);
}

TEST(Generation, PrintIfEmptyOffGivesNoPage) {
  auto report = smallPage(QString(), QStringLiteral(R"("printIfEmpty": false,)"));
  RecordingDestination d;
  report->GeneratePages(d);
  EXPECT_TRUE(d.pages.isEmpty());
  EXPECT_EQ(d.status(), ReportDestination::Status::Finished);
}

TEST(Generation, FailedRunAbortsAndLeavesThePageAvailable) {
  auto report = smallPage(QString());
  RecordingDestination failing;
  failing.failOnNewPage = true;
  EXPECT_THROW(report->GeneratePages(failing), std::runtime_error);
  EXPECT_TRUE(failing.aborted);
  EXPECT_TRUE(report->available());
  EXPECT_EQ(report->units(), TQRUnit::MM);
  RecordingDestination working;
  report->GeneratePages(working);
  EXPECT_EQ(working.pages.size(), 1);
  // A destination that is not ready is refused and not aborted.
  EXPECT_THROW(report->GeneratePages(working), EQRError);
  EXPECT_FALSE(working.aborted);
}

TEST(Generation, ReportFrameThicknessFollowsTheDeviceResolution) {
  const QString frame = QStringLiteral(
      R"("frame": {"top": true, "bottom": true, "left": true, "right": true, "width": 2},)");
  for (const auto& [dpi, thickness] : {std::pair{96, 3}, std::pair{600, 17}}) {
    auto report = smallPage(QString(), frame);
    RecordingDestination d(dpi);
    report->GeneratePages(d);
    const QList<testing::Fill>& fills = d.pages[0]->fills;
    ASSERT_GE(fills.size(), 4);
    const testing::Fill top = fills[fills.size() - 4];
    const testing::Fill left = fills[fills.size() - 2];
    const testing::Fill right = fills.last();
    EXPECT_EQ(top.bottom - top.top, thickness) << dpi;
    EXPECT_EQ(left.right - left.left, thickness) << dpi;
    EXPECT_EQ(left.left, d.ToDeviceX(100));
    EXPECT_EQ(right.right, d.ToDeviceX(2000));  // inside the margin rectangle
  }
}

TEST(Generation, TitleBandPrintsBelowTheTopMarginBeforeTheElements) {
  auto report = smallPage(label("QRLabel1", "x", "[40, 300, 500, 100]"));
  RecordingDestination d(254);
  report->GeneratePages(d);
  const testing::Fill band = d.pages[0]->fills.first();
  EXPECT_EQ(band.left, 100);
  EXPECT_EQ(band.top, 100);
  EXPECT_EQ(band.right, 2000);
  EXPECT_EQ(band.bottom, 111);
}

TEST(Labels, AutoSizeKeepsTheRightEdgeOrTheCentre) {
  auto report = smallPage(label("R", "ab", "[40, 300, 500, 100]", R"(, "alignment": "right")") +
                          "," + label("C", "ab", "[40, 300, 600, 100]", R"(, "alignment": "center")") +
                          "," + label("L", "ab", "[40, 300, 700, 100]"));
  TQRLabel* right = report->label("R");
  TQRLabel* centre = report->label("C");
  TQRLabel* left = report->label("L");
  const int rightEdge = right->pixelBounds().right();
  const int centreX2 = centre->pixelBounds().left() * 2 + centre->pixelBounds().width();
  const int leftEdge = left->pixelBounds().left();
  const QString longer = QStringLiteral("東京法務局　港出張所");
  right->setCaption(longer);
  centre->setCaption(longer);
  left->setCaption(longer);
  EXPECT_GT(right->pixelBounds().width(), 100);
  EXPECT_EQ(right->pixelBounds().right(), rightEdge);
  EXPECT_NEAR(centre->pixelBounds().left() * 2 + centre->pixelBounds().width(), centreX2, 2);
  EXPECT_EQ(left->pixelBounds().left(), leftEdge);

  // The printed text keeps the same anchors.
  RecordingDestination d;
  report->GeneratePages(d);
  const auto& texts = d.pages[0]->texts;
  ASSERT_EQ(texts.size(), 3);
  EXPECT_EQ(texts[0].align, TextAlign::Right);
  EXPECT_NEAR(texts[0].x, d.ToDeviceX(right->size().left + right->size().width), 1);
}

TEST(Memos, LinesStopAtTheBottomLimit) {
  // Gothic 10 pt: a 13-pixel line is 34.4 units; two lines need a box of
  // 67.8 units, the bottom limit allowing 0.1 mm more.
  for (const auto& [height, expected] : {std::pair{"67.8", 2}, std::pair{"67.7", 1}}) {
    auto report = smallPage(QStringLiteral(R"({"name": "QRMemo1", "kind": "memo", "size": [%1, 300, 500, 800],
        "lines": ["one", "two", "three"], "font": %2})")
                                .arg(height, testing::kGothic10));
    RecordingDestination d;
    report->GeneratePages(d);
    EXPECT_EQ(d.pages[0]->texts.size(), expected) << height;
  }
}

TEST(Memos, LineAfterACutLineSitsDirectlyBelowIt) {
  // A kanji run twice as wide as the memo is cut; the next line takes the
  // following row, so a full memo keeps its last rows.
  auto report = smallPage(QStringLiteral(R"({"name": "QRMemo1", "kind": "memo", "size": [200, 300, 500, 300],
      "lines": ["一二三四五六七八九十一二三四五六七八九十", "次"], "font": %1})").arg(testing::kGothic10));
  RecordingDestination d;
  report->GeneratePages(d);
  const auto& texts = d.pages[0]->texts;
  ASSERT_EQ(texts.size(), 2);
  EXPECT_EQ(texts[1].text, QStringLiteral("次"));
  EXPECT_EQ(texts[1].y - texts[0].y, 13);  // one 10-point line at 96 dpi
}

TEST(Memos, EmptyMemoPrintsItsWhiteBoxOnly) {
  auto report = smallPage(QStringLiteral(R"({"name": "QRMemo1", "kind": "memo", "size": [100, 300, 500, 800],
      "font": %1})").arg(testing::kGothic10));
  RecordingDestination d(254);
  report->GeneratePages(d);
  EXPECT_TRUE(d.pages[0]->texts.isEmpty());
  const testing::Fill box = d.pages[0]->fills.last();
  EXPECT_EQ(box.left, 300);
  EXPECT_EQ(box.bottom, 600);
  EXPECT_EQ(box.color, QColor(Qt::white));
}

TEST(Memos, FontHeightFollowsTheDeviceResolution) {
  auto report = smallPage(QStringLiteral(R"({"name": "QRMemo1", "kind": "memo", "size": [100, 300, 500, 800],
      "lines": ["x"], "font": %1})").arg(testing::kGothic10));
  RecordingDestination d(600);
  report->GeneratePages(d);
  EXPECT_EQ(d.pages[0]->fontSpec.pixelHeight, 83);  // 10 x 600 / 72
}

TEST(PaintOrder, LaterElementCoversEarlierOne) {
  // A rectangle, then a label whose white box lies over its left outline.
  auto report = smallPage(QStringLiteral(
      R"({"name": "QRShape1", "kind": "shape", "size": [300, 300, 300, 600]},)") +
                          label("QRLabel1", "", "[100, 250, 350, 200]", R"(, "autoSize": false)"));
  ImageDestination images(96);
  report->GeneratePages(images);
  const QImage page = images.pages().first();
  const int outlineX = images.ToDeviceX(300);
  EXPECT_EQ(page.pixelColor(outlineX, images.ToDeviceY(500)), QColor(Qt::black));
  EXPECT_EQ(page.pixelColor(outlineX, images.ToDeviceY(400)), QColor(Qt::white));
  EXPECT_EQ(page.pixelColor(images.ToDeviceX(899) - 1, images.ToDeviceY(400)), QColor(Qt::black));
}

}  // namespace
}  // namespace kopira::report
