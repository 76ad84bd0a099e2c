// The three registry pages on paper: each printed from its preview to the
// test CUPS queues (cups-pdf, and a driverless printer whose sheets are
// exact millimetres); its ruled lines land where the engine draws them and
// where the page tables put them, measured from the paper's edge.
#include <QDeadlineTimer>
#include <QLabel>
#include <QPageSize>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "print_job.h"
#include "print_scheme_support.h"
#include "raster_lines.h"
#include "shifts_in_memory.h"
#include "tests/report/preview_test_support.h"
#include "report/draw/image_destination.h"
#include "report/preview/pdf_save.h"
#include "report/print/print_run.h"
#include "report/print/printer_device.h"

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

// The driverless queue of the test server; the cups-pdf one is the default.
const QString kDriverless = QStringLiteral("kopira-ipp");
// One pixel is 0.021 mm. A line's position is known to its pixel, so the
// tables' 0.02 mm are widened by half a pixel.
constexpr double kFineDpi = 1200;
constexpr double kTableTolerance = 0.02 + 25.4 / kFineDpi / 2;

Lines shifted(Lines lines, double acrossMm, double downMm) {
  for (double& x : lines.xs) x += acrossMm;
  for (double& y : lines.ys) y += downMm;
  return lines;
}

class RegistryPrint : public PrintButtons {
 protected:
  // Presses the button, prints from the preview on a queue (the default
  // when empty) and closes it.
  PrintedJob printFrom(QPushButton* button, report::TQRReport& page, const QString& queue = {},
                       double dpi = 600) {
    const QString title = uniqueJobTitle();
    const size_t shown = wait->shows.size();
    page.reportTitle = title;
    page.printerSettings.printerIndex = queue.isEmpty() ? -1 : report::printerIndexOf(queue);
    EXPECT_TRUE(queue.isEmpty() || page.printerSettings.printerIndex >= 0) << "no queue " << queue.toStdString();
    wait->whileOpen = [&page] {
      report::TQRPrinter* slot = nullptr;
      report::PrintReport(page, slot);
    };
    button->click();
    wait->whileOpen = nullptr;
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(wait->shows.size(), shown + 1);
    return collectJob(title, dpi);
  }

  // Checks one printed page: the sheet, the lines against the engine's own
  // image of the page and against the table positions, all measured from
  // the sheet's edge.
  // Against the engine's own image only at 600 dpi: finer images of a
  // whole sheet cost more than the test may take on a busy machine.
  void expectPrinted(const PrintedJob& job, report::TQRReport& page, QPageSize::PageSizeId sheet,
                     const Lines& table, double tolerance = 0.1) {
    ASSERT_TRUE(job.ok) << job.error.toStdString();
    ASSERT_EQ(job.pages.size(), 1u);
    const QImage& printed = job.pages[0];
    const QSizeF sheetMm(printed.width() * 25.4 / job.dpi, printed.height() * 25.4 / job.dpi);
    const QSizeF expectedMm = QPageSize(sheet).size(QPageSize::Millimeter);
    EXPECT_NEAR(sheetMm.width(), expectedMm.width(), 1.0);
    EXPECT_NEAR(sheetMm.height(), expectedMm.height(), 1.5);
    std::printf("%s: sheet %.2f x %.2f mm\n", qPrintable(page.reportTitle), sheetMm.width(), sheetMm.height());

    const Lines onPaper = linesOf(printed, job.dpi);
    std::printf("  printed x %s\n  printed y %s\n", describe(onPaper.xs).c_str(), describe(onPaper.ys).c_str());
    if (job.dpi <= 600) {
      report::ImageDestination images(static_cast<int>(job.dpi));
      page.GeneratePages(images);
      const Lines drawn = linesOf(images.pages().value(0).convertToFormat(QImage::Format_Grayscale8), job.dpi);
      // Every line of the engine's image is on paper. (Paper may resolve a
      // hairline that the image merges with a frame bar beside it.)
      expectLinesAt(onPaper.xs, drawn.xs, 0.1, "vertical (engine image)");
      expectLinesAt(onPaper.ys, drawn.ys, 0.1, "horizontal (engine image)");
    }
    expectLinesAt(onPaper.xs, table.xs, tolerance, "vertical (table)");
    expectLinesAt(onPaper.ys, table.ys, tolerance, "horizontal (table)");
  }

  void fillSample() {
    setOffice(QStringLiteral("東京都千代田区霞が関一丁目１番１号\r\n山田法律事務所\r\n弁護士　山田太郎"));
    form->Memo2->setText(QStringLiteral("東京都中央区銀座一丁目２番３号\r\n株式会社コピラ"));
    form->Memo1->setText(QStringLiteral("所在　東京都港区芝公園四丁目\r\n地番　２番８\r\n地目　宅地"));
  }
};

// The frame bars are 2 points wide; their centres are given.
const Lines kLandAndBuildingTable{{25.35, 45.2, 151.3, 167.65, 187.8}, {49.35, 61.9, 241.65, 266.2}};
// The office-use boxes end at 260.0 + 9.3 mm.
const Lines kValuationTable{{17.9, 158.8, 177.3, 233.5}, {70.8, 144.2, 251.7, 260.0, 269.3}};

TEST_F(RegistryPrint, LandAndBuildingPageOnA4) {
  fillSample();
  const PrintedJob job = printFrom(form->BitBtn1, *Form3->QRReport1);
  expectPrinted(job, *Form3->QRReport1, QPageSize::A4, kLandAndBuildingTable);
}

// On both kinds of queue every line lands within 0.02 mm of the tables from
// the edge of the sheet the job was printed on; the driverless queue's
// sheets are exact millimetres, not Qt's whole points.
class LinesOnQueue : public RegistryPrint, public ::testing::WithParamInterface<const char*> {};

TEST_P(LinesOnQueue, LandOnTheTables) {
  fillSample();
  const QString queue = QString::fromLatin1(GetParam());
  const PrintedJob a4 = printFrom(form->BitBtn1, *Form3->QRReport1, queue, kFineDpi);
  expectPrinted(a4, *Form3->QRReport1, QPageSize::A4, kLandAndBuildingTable, kTableTolerance);
  const PrintedJob b4 = printFrom(form->BitBtn3, *Form4->QRReport1, queue, kFineDpi);
  expectPrinted(b4, *Form4->QRReport1, QPageSize::JisB4, kValuationTable, kTableTolerance);
}

INSTANTIATE_TEST_SUITE_P(RegistryPrint, LinesOnQueue, ::testing::Values("kopira", "kopira-ipp"),
                         [](const auto& param) { return std::string(param.param) == "kopira" ? "CupsPdf" : "Driverless"; });

// A shift set for one queue moves the drawing on that queue's paper by
// exactly the shift; another queue, the preview and a saved PDF keep the
// page as it is.
TEST_F(RegistryPrint, ShiftOfAQueueMovesOnlyWhatIsPrintedOnIt) {
  fillSample();
  ShiftsInMemory shifts;
  shifts.shifts[QStringLiteral("kopira")] = {15, -8};
  const PrintedJob job = printFrom(form->BitBtn1, *Form3->QRReport1, {}, kFineDpi);
  expectPrinted(job, *Form3->QRReport1, QPageSize::A4, shifted(kLandAndBuildingTable, 1.5, -0.8), kTableTolerance);
  const PrintedJob other = printFrom(form->BitBtn1, *Form3->QRReport1, kDriverless, kFineDpi);
  expectPrinted(other, *Form3->QRReport1, QPageSize::A4, kLandAndBuildingTable, kTableTolerance);

  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
  ASSERT_FALSE(report::SaveReportPdf(*Form3->QRReport1, pdf).has_value());
  const PrintedJob saved = rasterisePdf(pdf, kFineDpi);
  ASSERT_TRUE(saved.ok) << saved.error.toStdString();
  const Lines inPdf = linesOf(saved.pages.at(0), saved.dpi);
  // Drawn at 600 dpi: one pixel is 0.042 mm.
  expectLinesAt(inPdf.xs, kLandAndBuildingTable.xs, 0.05, "vertical (PDF)");
  expectLinesAt(inPdf.ys, kLandAndBuildingTable.ys, 0.05, "horizontal (PDF)");

  // The preview shown while the shift was in force, against one without it.
  shifts.shifts.clear();
  form->BitBtn1->click();
  ASSERT_EQ(wait->shows.size(), 3u);
  const auto& withShift = wait->shows[0].texts;
  const auto& without = wait->shows[2].texts;
  ASSERT_EQ(withShift.size(), without.size());
  for (size_t i = 0; i < without.size(); ++i) {
    EXPECT_EQ(withShift[i].xMm, without[i].xMm) << without[i].text.toStdString();
    EXPECT_EQ(withShift[i].yMm, without[i].yMm) << without[i].text.toStdString();
  }
}

// The clerk's way: 不動産登記簿, プリンタの設定 with 長辺とじ and two copies on
// the driverless queue, 印刷. The job reaches the printer two-sided under
// the form's name and the status bar says where it went; a report file
// loaded into the same preview prints two-sided too, under its own name.
TEST_F(RegistryPrint, TwoSidedFromTheSetUpDialogUnderTheFormsName) {
  fillSample();
  report::testing::ScriptedPrintDialog setUp;
  setUp.confirm = true;
  setUp.answer.printerName = kDriverless;
  setUp.answer.copies = 2;
  setUp.answer.duplex = report::TQRDuplex::LongEdge;
  report::testing::ScriptedFileDialogs files;
  QTemporaryDir dir;
  files.savePath = files.openPath = dir.filePath(QStringLiteral("控え.QRP"));
  QStringList said;
  std::vector<std::optional<DeviceJob>> received;
  const auto print = [&](report::TQRStandardPreview& preview) {
    QLabel* status = preview.StatusPanel(2);
    status->clear();
    preview.PrintClick();
    for (QDeadlineTimer deadline(60000); status->text().isEmpty() && !deadline.hasExpired();)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    said << status->text();
    QString error;
    EXPECT_TRUE(waitForJobs(&error)) << error.toStdString();
    received.push_back(lastDeviceJob(kDriverless));
  };
  wait->whileOpen = [&] {
    report::TQRStandardPreview& preview = *wait->open;
    preview.PrintSetupClick();
    print(preview);
    preview.SaveReportClick();
    preview.LoadReportClick();
    print(preview);
  };
  form->BitBtn1->click();
  EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
  ASSERT_EQ(received.size(), 2u);
  const QString names[] = {QStringLiteral("土地建物登記簿謄抄本申請書"), QStringLiteral("控え")};
  for (size_t i = 0; i < received.size(); ++i) {
    EXPECT_EQ(said.value(static_cast<qsizetype>(i)), QStringLiteral("kopira-ipp に送りました（2部）"));
    ASSERT_TRUE(received[i].has_value());
    std::printf("job %zu at the printer: \"%s\", sides %s, copies %d\n", i, qPrintable(received[i]->name),
                qPrintable(received[i]->sides), received[i]->copies);
    EXPECT_EQ(received[i]->name, names[i]);
    EXPECT_EQ(received[i]->sides, QStringLiteral("two-sided-long-edge"));
    EXPECT_EQ(received[i]->copies, 2);
  }
}

TEST_F(RegistryPrint, CompanyPageOnA4) {
  fillSample();
  const PrintedJob job = printFrom(form->BitBtn2, *Form2->QRReport1);
  expectPrinted(job, *Form2->QRReport1, QPageSize::A4, {{26.35, 54.0, 163.65, 187.8}, {47.35, 74.3, 228.3, 240.65}});
}

TEST_F(RegistryPrint, ValuationPageOnJisB4) {
  fillSample();
  const PrintedJob job = printFrom(form->BitBtn3, *Form4->QRReport1);
  expectPrinted(job, *Form4->QRReport1, QPageSize::JisB4, kValuationTable);
}

}  // namespace
}  // namespace kopira::printtest
