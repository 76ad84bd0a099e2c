// kopira-render's images set text in the device's cells as the printer and
// the PDF do: every 9-point line of a page ends its ink, at 600 dpi, within
// a pixel of where the printed page and the saved PDF end it.
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "print_job.h"
#include "raster_lines.h"
#include "report/model/layout_loader.h"
#include "report/preview/pdf_save.h"
#include "report/print/print_run.h"
#include "tools/render_page.h"

namespace kopira::printtest {
namespace {

constexpr double kDpi = 600;

// One 9-point line of each face, 12.7 mm apart from 25.4 mm down and in:
// on whole screen pixels, as the forms' elements are (a run keeps a
// label's box on them).
const char* const kNinePointPage = R"({"format": 1, "name": "QRReport1",
  "page": {"paperSize": "A4", "values": [100, 2970, 100, 2100, 100, 100, 0]},
  "elements": [
    {"name": "QRLabel1", "kind": "label", "size": [40, 254, 254, 1651], "caption": "令和８年１２月８日　東京法務局長　殿", "font": {"name": "ＭＳ 明朝", "size": 9}},
    {"name": "QRLabel2", "kind": "label", "size": [40, 254, 381, 1651], "caption": "電話 03-1234-5678　FAX 03-1234-5679", "font": {"name": "ＭＳ ゴシック", "size": 9}},
    {"name": "QRLabel3", "kind": "label", "size": [40, 254, 508, 1651], "caption": "土地建物登記簿謄抄本申請書（請求通数　２通）", "font": {"name": "ＭＳ Ｐ明朝", "size": 9}},
    {"name": "QRLabel4", "kind": "label", "size": [40, 254, 635, 1651], "caption": "株式会社コピラ　東京都中央区銀座一丁目２番３号", "font": {"name": "ＭＳ Ｐゴシック", "size": 9}}]})";

// Where the ink of each line ends, in mm from the paper's left edge.
std::vector<double> lineEndsMm(const QImage& page) {
  std::vector<double> ends;
  for (double top = 25.4; top < 70; top += 12.7)
    ends.push_back(inkBoundsMm(page, kDpi, QRectF(0, top - 1, 210, 5)).value_or(QRectF()).right());
  return ends;
}

TEST(RenderCells, NinePointLinesEndWhereThePrintedPageAndThePdfEndThem) {
  auto page = report::loadLayoutJson(kNinePointPage);
  QTemporaryDir dir;

  tools::RenderOptions image;
  image.output = dir.filePath(QStringLiteral("page.png"));
  image.dpi = static_cast<int>(kDpi);
  tools::renderToFile(*page, image);
  QImageReader::setAllocationLimit(std::max(QImageReader::allocationLimit(), 1024));
  const std::vector<double> rendered = lineEndsMm(QImage(image.output).convertToFormat(QImage::Format_Grayscale8));

  page->reportTitle = uniqueJobTitle();
  report::TQRPrinter* slot = nullptr;
  ASSERT_EQ(report::PrintReport(*page, slot).kind, report::PrintOutcome::Kind::Sent);
  const PrintedJob printed = collectJob(page->reportTitle, kDpi);
  const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
  ASSERT_FALSE(report::SaveReportPdf(*page, pdf).has_value());
  const PrintedJob saved = rasterisePdf(pdf, kDpi);
  for (const PrintedJob* job : {&printed, &saved}) {
    ASSERT_TRUE(job->ok) << job->error.toStdString();
    const std::vector<double> ends = lineEndsMm(job->pages.at(0));
    for (size_t line = 0; line < ends.size(); ++line) {
      std::printf("line %zu: image ends at %.3f mm, %s at %.3f mm\n", line, rendered[line],
                  job == &printed ? "printed" : "PDF", ends[line]);
      EXPECT_NEAR(rendered[line], ends[line], 25.4 / kDpi + 1e-6) << "line " << line;
    }
  }
}

}  // namespace
}  // namespace kopira::printtest
