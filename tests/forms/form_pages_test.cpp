// The three registry pages as their windows own them: paper, painting order
// and the boxes of key elements as the render tool lists them at 96 dpi,
// against the positions of the page tables.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "forms/tform2.h"
#include "forms/tform3.h"
#include "forms/tform4.h"
#include "report/model/qr_printable.h"
#include "tools/render_page.h"

namespace {

using kopira::report::TQRReport;

// A box of the page tables in mm; a negative width or height is not checked
// (a label's box follows its text).
struct TableBox {
  const char* name;
  double left, top, width, height;
};

// Device boxes "name left top right bottom" of the page rendered at 96 dpi.
QHash<QString, QList<int>> renderedBoxes(TQRReport& page) {
  QTemporaryDir dir;
  kopira::tools::RenderOptions options;
  options.output = dir.filePath(QStringLiteral("page.png"));
  options.dpi = 96;
  QHash<QString, QList<int>> boxes;
  for (const QString& line : kopira::tools::renderToFile(page, options)) {
    const QStringList parts = line.split(u' ');
    boxes.insert(parts[0], {parts[1].toInt(), parts[2].toInt(), parts[3].toInt(), parts[4].toInt()});
  }
  return boxes;
}

double px(double mm) { return mm * 96 / 25.4; }

void expectAtTablePositions(TQRReport& page, const std::vector<TableBox>& table) {
  const QHash<QString, QList<int>> boxes = renderedBoxes(page);
  for (const TableBox& t : table) {
    ASSERT_TRUE(boxes.contains(QLatin1String(t.name))) << t.name;
    const QList<int> b = boxes.value(QLatin1String(t.name));
    EXPECT_NEAR(b[0], px(t.left), 1.0) << t.name << " left";
    EXPECT_NEAR(b[1], px(t.top), 1.0) << t.name << " top";
    if (t.width >= 0) {
      EXPECT_NEAR(b[2], px(t.left + t.width), 1.0) << t.name << " right";
    }
    if (t.height >= 0) {
      EXPECT_NEAR(b[3], px(t.top + t.height), 1.0) << t.name << " bottom";
    }
  }
}

// Painting order: the position of each element among the page's elements, from 1.
void expectPaintedAs(const TQRReport& page, const std::vector<std::pair<const char*, int>>& order, size_t count) {
  ASSERT_EQ(page.elements().size(), count);
  for (const auto& [name, position] : order) {
    ASSERT_GE(position, 1);
    EXPECT_EQ(page.elements()[static_cast<size_t>(position - 1)]->name(), QLatin1String(name));
  }
}

TEST(RegistryPages, LandAndBuildingPage) {
  TForm3 form;
  TQRReport& page = *form.QRReport1;
  EXPECT_EQ(form.objectName(), QStringLiteral("Form3"));
  EXPECT_EQ(page.name(), QStringLiteral("QRReport1"));
  EXPECT_DOUBLE_EQ(page.page().value(kopira::report::TQRPage::Width), 2100);
  EXPECT_DOUBLE_EQ(page.page().value(kopira::report::TQRPage::Length), 2970);
  expectPaintedAs(page, {{"QRLabel1", 1}, {"QRShape1", 2}, {"QRShape18", 10}, {"QRMemo1", 45}, {"QRMemo2", 46},
                         {"QRLabel28", 51}, {"QRLabel31", 53}, {"QRLabel34", 56}},
                  56);
  expectAtTablePositions(page, {{"QRLabel34", 21.2, 19.1, 169.6, 4.5},
                                {"QRLabel1", 72.5, 29.4, -1, -1},
                                {"QRLabel25", 29.6, 42.3, -1, -1},
                                {"QRLabel28", 121.2, 42.6, -1, -1},
                                {"QRMemo2", 53.2, 52.4, 112.4, 15.3},
                                {"QRLabel31", 66.1, 67.5, -1, -1},
                                {"QRMemo1", 47.6, 85.2, 101.6, 105.3},
                                {"QRShape3", 167.2, 50.0, 20.6, 191.6},
                                {"QRShape8", 45.2, 82.0, 118.8, 110.6},
                                {"QRShape18", 25.4, 241.6, 161.9, 24.6},
                                {"QRLabel4", 110.6, 256.1, -1, -1}});
}

TEST(RegistryPages, CompanyPage) {
  TForm2 form;
  TQRReport& page = *form.QRReport1;
  EXPECT_EQ(form.objectName(), QStringLiteral("Form2"));
  EXPECT_DOUBLE_EQ(page.page().value(kopira::report::TQRPage::Width), 2100);
  EXPECT_DOUBLE_EQ(page.page().value(kopira::report::TQRPage::TopMargin), 470);
  // The window label Label1 is no element of the page: it prints nothing.
  EXPECT_EQ(page.element(QStringLiteral("Label1")), nullptr);
  expectPaintedAs(page, {{"QRShape18", 1}, {"QRShape22", 2}, {"QRShape7", 3}, {"QRLabel1", 29}, {"QRLabel25", 53},
                         {"QRLabel28", 56}, {"QRMemo2", 59}, {"QRMemo1", 60}, {"QRLabel31", 61}, {"QRLabel33", 64}},
                  64);
  expectAtTablePositions(page, {{"QRLabel28", 79.4, 25.9, -1, -1},
                                {"QRLabel25", 35.7, 40.5, -1, -1},
                                {"QRLabel31", 113.5, 41.0, -1, -1},
                                {"QRMemo2", 60.3, 50.8, 102.4, 17.2},
                                {"QRLabel33", 81.5, 67.7, -1, -1},
                                {"QRMemo1", 56.1, 76.7, 106.9, 48.2},
                                {"QRShape3", 164.0, 47.6, 23.8, 181.0},
                                {"QRShape18", 25.9, 228.3, 161.9, 24.3},
                                {"QRLabel22", 111.1, 246.6, -1, -1}});
}

TEST(RegistryPages, ValuationPageOnB4) {
  TForm4 form;
  TQRReport& page = *form.QRReport1;
  EXPECT_EQ(form.objectName(), QStringLiteral("Form4"));
  EXPECT_EQ(page.page().paperSize(), kopira::report::TQRPaperSize::B4);
  EXPECT_DOUBLE_EQ(page.page().value(kopira::report::TQRPage::Width), 2500);
  EXPECT_DOUBLE_EQ(page.page().value(kopira::report::TQRPage::Length), 3540);
  EXPECT_EQ(page.zoom(), 80);
  expectPaintedAs(page, {{"QRShape1", 1}, {"QRShape9", 2}, {"QRLabel2", 3}, {"QRShape19", 60}, {"QRMemo1", 67},
                         {"QRMemo2", 68}, {"QRMemo3", 69}, {"QRLabel4", 71}, {"QRLabel51", 72}, {"QRLabel53", 74}},
                  74);
  expectAtTablePositions(page, {{"QRLabel1", 75.7, 31.8, -1, -1},
                                {"QRLabel4", 177.6, 54.6, -1, -1},
                                {"QRLabel51", 207.4, 54.6, -1, -1},
                                {"QRLabel5", 26.5, 63.5, -1, -1},
                                {"QRMemo2", 39.0, 73.8, 191.2, 16.2},
                                {"QRLabel53", 95.3, 89.6, -1, -1},
                                {"QRMemo1", 34.4, 153.8, 119.4, 95.3},
                                {"QRMemo3", 179.3, 153.5, 51.3, 96.2},
                                {"QRShape1", 17.9, 70.8, 215.6, 180.9},
                                {"QRShape19", 158.8, 151.5, 18.5, 100.2},
                                {"QRShape18", 193.8, 260.0, 39.7, 9.3},
                                {"QRLabel17", 17.2, 333.4, -1, -1}});
}

}  // namespace
