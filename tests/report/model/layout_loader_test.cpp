// Loading layouts: what a page gets from its file, and files refused as a
// whole with the element and property named.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>

#include "report/core/qr_error.h"
#include "report/model/qr_label.h"
#include "tests/report/report_test_support.h"

namespace kopira::report {
namespace {

using testing::smallPage;

QString refusal(const QString& elements, const QString& extra = QString()) {
  try {
    smallPage(elements, extra);
  } catch (const ELayoutError& e) {
    return e.message();
  }
  return QStringLiteral("(loaded)");
}

TEST(LayoutLoader, ReadsTheElementsWithTheirProperties) {
  auto report = smallPage(QStringLiteral(
      R"({"name": "QRLabel1", "kind": "label", "caption": "申請", "size": [37, 1556, 426, 71],
          "font": {"name": "inherit", "size": 10, "height": -15, "color": "inherit"}, "color": "#000000"},
         {"name": "QRMemo1", "kind": "memo", "size": [1053, 476, 852, 1016], "font": {"name": "ＭＳ ゴシック", "size": 10}}
      )"),
      QStringLiteral(R"("zoom": 80, "font": {"name": "ＭＳ Ｐ明朝", "size": 9, "color": "#ff0000"},)"));
  ASSERT_NE(report->label(QStringLiteral("QRLabel1")), nullptr);
  ASSERT_NE(report->memo(QStringLiteral("QRMemo1")), nullptr);
  EXPECT_EQ(report->memo(QStringLiteral("QRLabel1")), nullptr);
  const TQRLabel& label = *report->label(QStringLiteral("QRLabel1"));
  EXPECT_EQ(label.FontSize(), 10);  // the point size, not the stored pixel height
  EXPECT_EQ(label.font().name, QStringLiteral("ＭＳ Ｐ明朝"));
  EXPECT_EQ(label.font().color, QColor(Qt::red));
  EXPECT_EQ(label.color, QColor(Qt::black));
  EXPECT_EQ(label.pixelBounds(), QRect(470, 129, 21, 11));  // zoom 80
  EXPECT_FALSE(report->memo(QStringLiteral("QRMemo1"))->autoSize());
  EXPECT_EQ(report->bands().front()->pixelBounds.top(), 30);
}

TEST(LayoutLoader, RefusesBadFilesNamingElementAndProperty) {
  const QString shape = QStringLiteral(R"({"name": "QRShape1", "kind": "shape", "size": %1 %2})");
  EXPECT_EQ(refusal(shape.arg("[1, 2, 3]", "")), QStringLiteral("QRShape1.size: expected 4 numbers"));
  EXPECT_EQ(refusal(shape.arg("[1, 2, 3, 4]", R"(, "colour": "#ffffff")")),
            QStringLiteral("QRShape1.colour: unknown key"));
  EXPECT_EQ(refusal(shape.arg("[1, 2, 3, 4]", R"(, "pen": {"width": "thin"})")),
            QStringLiteral("QRShape1.pen.width: expected a number"));
  EXPECT_EQ(refusal(shape.arg("[1, 2, 3, 1e300]", "")).left(15), QStringLiteral("QRShape1.size: "));
  EXPECT_EQ(refusal(QStringLiteral(R"({"name": "QRLabel25", "kind": "label", "size": [1, 2, 3, 4],
      "font": {"name": "ＭＳ 明朝", "size": 9}})")),
            QStringLiteral("QRLabel25.caption: missing"));
  EXPECT_EQ(refusal(QStringLiteral(R"({"name": "QRLabel25", "kind": "label", "caption": "", "size": [1, 2, 3, 4],
      "font": {"name": "ＭＳ 明朝", "size": 9, "color": "black"}})")),
            QStringLiteral("QRLabel25.font.color: expected \"#rrggbb\""));
  EXPECT_EQ(refusal(shape.arg("[1, 2, 3, 4]", "") + "," + shape.arg("[1, 2, 3, 4]", "")),
            QStringLiteral("QRShape1.name: used twice"));
  EXPECT_EQ(refusal(QString(), QStringLiteral(R"("units": "Furlongs",)")).left(17),
            QStringLiteral("QRReport1.units: "));
  EXPECT_EQ(refusal(QStringLiteral("17")), QStringLiteral("QRReport1.elements[0]: expected an object"));
}

TEST(LayoutLoader, RefusesFilesThatAreNotLayouts) {
  const auto message = [](const QByteArray& bytes) {
    try {
      loadLayoutJson(bytes, QStringLiteral("f.json"));
    } catch (const ELayoutError& e) {
      return e.message();
    }
    return QStringLiteral("(loaded)");
  };
  EXPECT_TRUE(message(QByteArray("{\"format\": 1, \"name\": \"Q\", \"page\": {\"paperSize\": \"A4\",")).startsWith("f.json: not valid JSON"));
  EXPECT_EQ(message("[]"), QStringLiteral("f.json: expected an object"));
  EXPECT_EQ(message("{\"format\": 1, \"name\": \"Q\"}"), QStringLiteral("Q.page: missing"));
  EXPECT_EQ(message(QByteArray("\xff\xfe{", 3)).left(22), QStringLiteral("f.json: not valid JSON"));
  EXPECT_THROW(loadLayout(QStringLiteral("/nonexistent/x.json")), ELayoutError);
}

TEST(LayoutLoader, LoadsEveryFormLayout) {
  const QDir dir(qEnvironmentVariable("KOPIRA_SOURCE_DIR") + QStringLiteral("/forms/layouts"));
  for (const QString& name : dir.entryList({QStringLiteral("*.json")})) {
    EXPECT_NO_THROW(loadLayout(dir.filePath(name))) << name.toStdString();
  }
}

}  // namespace
}  // namespace kopira::report
