// Printing from the preview on the test CUPS queue: the report generated on
// the printer, a page range that prints nothing, a loaded file replayed
// (moved by the queue's print-position adjustment).
#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include "platform/message_box_recorder.h"
#include "print_job.h"
#include "raster_lines.h"
#include "shifts_in_memory.h"
#include "report/model/layout_loader.h"
#include "report/print/print_run.h"
#include "report/print/qr_printer.h"
#include "report/store/qrp_file.h"

namespace kopira::report {
namespace {

QString outputDir() {
  return QFileInfo(qEnvironmentVariable("CUPS_SERVER")).absolutePath() + QStringLiteral("/out");
}

QString uniqueTitle(const char* what) {
  return QStringLiteral("kopirapreview%1%2x%3")
      .arg(QString::fromLatin1(what))
      .arg(QCoreApplication::applicationPid())
      .arg(QDateTime::currentMSecsSinceEpoch());
}

// Waits until the queue holds no unfinished job.
bool waitForJobs() {
  const QDeadlineTimer deadline(60000);
  while (!deadline.hasExpired()) {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("not-completed"), QStringLiteral("-o")});
    if (!lpstat.waitForFinished(10000) || lpstat.exitCode() != 0) return false;
    if (lpstat.readAllStandardOutput().trimmed().isEmpty()) return true;
    QThread::msleep(100);
  }
  return false;
}

// The PDFs that cups-pdf wrote for a title.
QStringList printedFor(const QString& title) {
  return QDir(outputDir()).entryList({title + QStringLiteral("*.pdf")}, QDir::Files);
}

int pdfPages(const QString& file) {
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {QDir(outputDir()).filePath(file)});
  info.waitForFinished(10000);
  for (const QString& line : QString::fromLocal8Bit(info.readAllStandardOutput()).split(QLatin1Char('\n')))
    if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
  return -1;
}

std::unique_ptr<TQRReport> a4Page(const QString& title) {
  auto report = loadLayoutJson(QStringLiteral(R"({"format": 1, "name": "QRReport1",
      "page": {"paperSize": "A4", "values": [100, 2970, 100, 2100, 100, 100, 0]},
      "bands": [{"name": "TitleBand1", "type": "rbTitle", "height": 11, "width": 1900}],
      "elements": [{"name": "QRShape1", "kind": "shape", "shape": "rectangle", "size": [500, 250, 495, 1000]}]})")
                                   .toUtf8());
  report->reportTitle = title;
  report->showProgress = true;
  return report;
}

TEST(PreviewPrint, TheReportIsPrintedAsOneJobWithItsTitle) {
  MessageBoxRecorder boxes;
  const QString title = uniqueTitle("page");
  auto report = a4Page(title);
  TQRPrinter* slot = nullptr;
  QElapsedTimer submitted;
  submitted.start();
  PrintReport(*report, slot);
  std::printf("one A4 page submitted to the queue in %lld ms\n", static_cast<long long>(submitted.elapsed()));
  EXPECT_EQ(slot, nullptr);
  EXPECT_TRUE(boxes.boxes.empty());
  ASSERT_TRUE(waitForJobs());
  const QStringList printed = printedFor(title);
  ASSERT_EQ(printed.size(), 1);
  EXPECT_EQ(pdfPages(printed.first()), 1);
}

TEST(PreviewPrint, ARangeBeyondTheLastPageOpensNoDocument) {
  const QString title = uniqueTitle("range");
  auto report = a4Page(title);
  report->printerSettings.firstPage = 2;
  TQRPrinter* slot = nullptr;
  EXPECT_EQ(PrintReport(*report, slot).kind, PrintOutcome::Kind::NothingInRange);
  ASSERT_TRUE(waitForJobs());
  EXPECT_TRUE(printedFor(title).isEmpty());
}

// A queue that takes no jobs: the outcome carries CUPS's reason.
TEST(PreviewPrint, AJobTheQueueRefusesIsToldWithItsReason) {
  const auto queueAccepts = [](bool accepts) {
    return QProcess::execute(accepts ? QStringLiteral("cupsaccept") : QStringLiteral("cupsreject"), {QStringLiteral("kopira")}) == 0;
  };
  ASSERT_TRUE(queueAccepts(false));
  auto report = a4Page(uniqueTitle("refused"));
  TQRPrinter* slot = nullptr;
  const PrintOutcome outcome = PrintReport(*report, slot);
  ASSERT_TRUE(queueAccepts(true));
  std::printf("refused: %s\n", qPrintable(describePrintOutcome(outcome)));
  EXPECT_EQ(outcome.kind, PrintOutcome::Kind::Refused);
  EXPECT_EQ(outcome.queue, QStringLiteral("kopira"));
  EXPECT_FALSE(outcome.reason.isEmpty());
}

// Printed once as it is and once with a shift for the queue: the shift
// moves the replayed page by exactly +1.5 mm across and -0.8 mm down.
TEST(PreviewPrint, ALoadedFileIsReplayedOnThePrinterMovedByTheQueuesShift) {
  auto report = a4Page(QString());
  TQRPrinter pictures(TQRPrinter::Destination::Pictures);
  report->GeneratePages(pictures);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.QRP"));
  ASSERT_TRUE(store::saveQrpFile(*pictures.PageStore(), path).ok);
  store::QrpLoadResult loaded = store::loadQrpFile(path);
  ASSERT_EQ(loaded.status, store::QrpLoadResult::Status::Loaded);
  pictures.LoadPages(std::move(loaded.store));
  printtest::ShiftsInMemory shifts;

  std::vector<std::vector<double>> xs, ys;
  for (const PrintShift shift : {PrintShift{}, PrintShift{15, -8}}) {
    shifts.shifts[QStringLiteral("kopira")] = shift;
    const QString title = printtest::uniqueJobTitle();
    PrinterValues values = pictures.printerValues();
    values.title = title;
    pictures.setPrinterValues(values);
    pictures.PrintLoadedPages();
    const printtest::PrintedJob job = printtest::collectJob(title);
    ASSERT_TRUE(job.ok) << job.error.toStdString();
    ASSERT_EQ(job.pages.size(), 1u);
    xs.push_back(printtest::verticalLinesMm(job.pages[0], job.dpi));
    ys.push_back(printtest::horizontalLinesMm(job.pages[0], job.dpi));
    ASSERT_EQ(xs.back().size(), 2u);
    ASSERT_EQ(ys.back().size(), 2u);
  }
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(xs[1][i] - xs[0][i], 1.5, 0.05);
    EXPECT_NEAR(ys[1][i] - ys[0][i], -0.8, 0.05);
  }
}

}  // namespace
}  // namespace kopira::report
