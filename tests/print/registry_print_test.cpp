// The three registry pages on paper: each printed from its preview to the
// test CUPS queue; its ruled lines land where the engine draws them and where
// the page tables put them, measured from the paper's edge.
#include <QPageSize>
#include <gtest/gtest.h>

#include "print_job.h"
#include "print_scheme_support.h"
#include "raster_lines.h"
#include "report/image_destination.h"
#include "report/preview/print_run.h"

namespace kopira::printtest {
namespace {

struct Lines {
  std::vector<double> xs;  // vertical lines, mm from the left edge
  std::vector<double> ys;  // horizontal lines, mm from the top edge
};

Lines linesOf(const QImage& page, double dpi) {
  const LineScan scan{15, 128};
  return {verticalLinesMm(page, dpi, scan), horizontalLinesMm(page, dpi, scan)};
}

std::string describe(const std::vector<double>& v) {
  std::string s;
  for (double d : v) s += QString::number(d, 'f', 2).toStdString() + " ";
  return s;
}

double nearest(const std::vector<double>& found, double mm) {
  double best = 1e9;
  for (double f : found) best = std::min(best, std::abs(f - mm));
  return best;
}

// Every expected position has a found line within a tolerance in mm.
void expectLinesAt(const std::vector<double>& found, const std::vector<double>& expected, double tolerance,
                   const char* what) {
  for (double mm : expected) {
    EXPECT_LE(nearest(found, mm), tolerance) << what << " line expected at " << mm << " mm; found " << describe(found);
  }
}

class RegistryPrint : public PrintButtons {
 protected:
  // Presses the button, prints from the preview and closes it.
  PrintedJob printFrom(QPushButton* button, report::TQRReport& page) {
    const QString title = uniqueJobTitle();
    page.reportTitle = title;
    wait->whileOpen = [&page] {
      report::TQRPrinter* slot = nullptr;
      report::PrintReport(page, slot);
    };
    button->click();
    wait->whileOpen = nullptr;
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(wait->shows.size(), 1u);
    return collectJob(title);
  }

  // Checks one printed page: the sheet, the lines against the engine's own
  // image of the page and against the table positions, all measured from
  // the sheet's edge.
  void expectPrinted(const PrintedJob& job, report::TQRReport& page, QPageSize::PageSizeId sheet,
                     const Lines& table) {
    ASSERT_TRUE(job.ok) << job.error.toStdString();
    ASSERT_EQ(job.pages.size(), 1u);
    const QImage& printed = job.pages[0];
    const QSizeF sheetMm(printed.width() * 25.4 / job.dpi, printed.height() * 25.4 / job.dpi);
    const QSizeF expectedMm = QPageSize(sheet).size(QPageSize::Millimeter);
    EXPECT_NEAR(sheetMm.width(), expectedMm.width(), 1.0);
    EXPECT_NEAR(sheetMm.height(), expectedMm.height(), 1.5);
    std::printf("%s: sheet %.2f x %.2f mm\n", qPrintable(page.reportTitle), sheetMm.width(), sheetMm.height());

    const Lines onPaper = linesOf(printed, job.dpi);
    report::ImageDestination images(static_cast<int>(job.dpi));
    page.GeneratePages(images);
    const Lines drawn = linesOf(images.pages().value(0).convertToFormat(QImage::Format_Grayscale8), job.dpi);
    std::printf("  printed x %s\n  printed y %s\n", describe(onPaper.xs).c_str(), describe(onPaper.ys).c_str());

    // Every line of the engine's image is on paper. (Paper may resolve a
    // hairline that the image merges with a frame bar beside it.)
    expectLinesAt(onPaper.xs, drawn.xs, 0.1, "vertical (engine image)");
    expectLinesAt(onPaper.ys, drawn.ys, 0.1, "horizontal (engine image)");
    expectLinesAt(onPaper.xs, table.xs, 0.1, "vertical (table)");
    expectLinesAt(onPaper.ys, table.ys, 0.1, "horizontal (table)");
  }

  void fillSample() {
    setOffice(QStringLiteral("東京都千代田区霞が関一丁目１番１号\r\n山田法律事務所\r\n弁護士　山田太郎"));
    form->Memo2->setText(QStringLiteral("東京都中央区銀座一丁目２番３号\r\n株式会社コピラ"));
    form->Memo1->setText(QStringLiteral("所在　東京都港区芝公園四丁目\r\n地番　２番８\r\n地目　宅地"));
  }
};

// The frame bars are 2 points wide; their centres are given.
TEST_F(RegistryPrint, LandAndBuildingPageOnA4) {
  fillSample();
  const PrintedJob job = printFrom(form->BitBtn1, *Form3->QRReport1);
  expectPrinted(job, *Form3->QRReport1, QPageSize::A4,
                {{25.35, 45.2, 151.3, 167.65, 187.8}, {49.35, 61.9, 241.65, 266.2}});
}

TEST_F(RegistryPrint, CompanyPageOnA4) {
  fillSample();
  const PrintedJob job = printFrom(form->BitBtn2, *Form2->QRReport1);
  expectPrinted(job, *Form2->QRReport1, QPageSize::A4, {{26.35, 54.0, 163.65, 187.8}, {47.35, 74.3, 228.3, 240.65}});
}

// The office-use boxes end at 260.0 + 9.3 mm.
TEST_F(RegistryPrint, ValuationPageOnJisB4) {
  fillSample();
  const PrintedJob job = printFrom(form->BitBtn3, *Form4->QRReport1);
  expectPrinted(job, *Form4->QRReport1, QPageSize::JisB4,
                {{17.9, 158.8, 177.3, 233.5}, {70.8, 144.2, 251.7, 260.0, 269.3}});
}

}  // namespace
}  // namespace kopira::printtest
