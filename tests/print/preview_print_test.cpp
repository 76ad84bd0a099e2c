// Printing from the preview on the test CUPS queue: the report generated on
// the printer, a page range that prints nothing, a loaded file replayed.
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
#include "report/layout_loader.h"
#include "report/preview/print_run.h"
#include "report/preview/qr_printer.h"
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
  PrintReport(*report, slot);
  ASSERT_TRUE(waitForJobs());
  EXPECT_TRUE(printedFor(title).isEmpty());
}

TEST(PreviewPrint, ALoadedFileIsReplayedOnThePrinter) {
  const QString title = uniqueTitle("loaded");
  auto report = a4Page(title);
  TQRPrinter pictures(TQRPrinter::Destination::Pictures);
  report->GeneratePages(pictures);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.QRP"));
  ASSERT_TRUE(store::saveQrpFile(*pictures.PageStore(), path).ok);
  store::QrpLoadResult loaded = store::loadQrpFile(path);
  ASSERT_EQ(loaded.status, store::QrpLoadResult::Status::Loaded);
  pictures.LoadPages(std::move(loaded.store));
  pictures.PrintLoadedPages();
  ASSERT_TRUE(waitForJobs());
  const QStringList printed = printedFor(title);
  ASSERT_EQ(printed.size(), 1);
  EXPECT_EQ(pdfPages(printed.first()), 1);
}

}  // namespace
}  // namespace kopira::report
