// The preview and printing: ShowPreviewAndWait until the first page is
// painted, repainting a 400 % page while scrolling, saving the one-page
// land and building form as PDF from its preview, and one A4 form printed
// at the printer's resolution until its job is submitted, and the B4
// calibration sheet until its job is submitted (the last two only when a
// printer is installed, e.g. CUPS_SERVER pointing at the test server).
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/bench_support.h"
#include "report/model/layout_loader.h"
#include "report/model/qr_label.h"
#include "report/preview/file_dialogs.h"
#include "report/preview/pdf_save.h"
#include "report/print/calibration_sheet.h"
#include "report/print/print_run.h"
#include "report/print/printer_device.h"
#include "report/print/qr_printer.h"
#include "report/preview/show_preview.h"
#include "report/preview/standard_preview.h"

namespace kopira::report {
namespace {

std::unique_ptr<TQRReport> landPage() {
  return loadLayout(QStringLiteral(KOPIRA_SOURCE_DIR "/forms/layouts/land_building.json"));
}

// Paints the page once, records the time since the call began, closes.
class FirstPaintWait : public PreviewWait {
 public:
  void Wait(TQRStandardPreview& preview, PreviewLoop& loop) override {
    preview.QRPreview()->Image()->repaint();
    elapsed = timer.nsecsElapsed();
    preview.close();
    loop.Run();
  }
  QElapsedTimer timer;
  qint64 elapsed = 0;
};

void BM_ShowPreviewAndWaitToFirstPaint(benchmark::State& state) {
  auto report = landPage();
  FirstPaintWait wait;
  setPreviewWait(&wait);
  for (auto _ : state) {
    wait.timer.start();
    ShowPreviewAndWait(*report);
    state.SetIterationTime(static_cast<double>(wait.elapsed) / 1e9);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  setPreviewWait(nullptr);
}
BENCHMARK(BM_ShowPreviewAndWaitToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Zoom400RepaintWhileScrolling(benchmark::State& state) {
  auto report = landPage();
  TQRPrinter printer(TQRPrinter::Destination::Pictures);
  report->GeneratePages(printer);
  TQRPreview preview;
  preview.resize(1000, 800);
  preview.SetQRPrinter(&printer);
  preview.UpdateImage();
  preview.show();
  preview.SetZoom(400);
  QCoreApplication::processEvents();
  if (!preview.Image()->isVisible() || preview.Image()->width() < 3000) {
    state.SkipWithError("the page image is not shown at 400 %");
    return;
  }
  QScrollBar* bar = preview.verticalScrollBar();
  int step = 0;
  for (auto _ : state) {
    bar->setValue((step++ * 97) % bar->maximum());
    // The whole visible part of the page image is painted again.
    QWidget* image = preview.Image();
    image->repaint(QRect(image->mapFrom(preview.viewport(), QPoint(0, 0)), preview.viewport()->size()));
  }
}
BENCHMARK(BM_Zoom400RepaintWhileScrolling)->Unit(benchmark::kMillisecond);

void BM_PrintA4FormUntilSubmitted(benchmark::State& state) {
  if (!printerInstalled()) {
    state.SkipWithError("no printer installed");
    return;
  }
  auto report = landPage();
  report->showProgress = false;
  TQRPrinter* slot = nullptr;
  for (auto _ : state) PrintReport(*report, slot);
}
BENCHMARK(BM_PrintA4FormUntilSubmitted)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PrintB4CalibrationSheetUntilSubmitted(benchmark::State& state) {
  if (!printerInstalled()) {
    state.SkipWithError("no printer installed");
    return;
  }
  const QString queue = selectPrinter(-1).printerName();
  for (auto _ : state) {
    if (PrintCalibrationSheet(queue, TQRPaperSize::B4, {15, -8}).kind != PrintOutcome::Kind::Sent) state.SkipWithError("not printed");
  }
}
BENCHMARK(BM_PrintB4CalibrationSheetUntilSubmitted)->Unit(benchmark::kMillisecond)->Iterations(5);

// The Save dialog answered with a PDF name.
class PdfName : public FileDialogs {
 public:
  QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return path; }
  QString GetOpenFileName(QWidget*, const QString&, const QString&) override { return QString(); }
  QString path;
};

void BM_SaveOnePageFormAsPdfFromPreview(benchmark::State& state) {
  auto report = landPage();
  report->memo(QStringLiteral("QRMemo1"))->setLines({QStringLiteral("所在　東京都港区芝公園四丁目"), QStringLiteral("地番　２番８")});
  TQRPrinter printer(TQRPrinter::Destination::Pictures);
  report->GeneratePages(printer);
  TQRStandardPreview preview(&printer);
  preview.setAttribute(Qt::WA_DeleteOnClose, false);
  preview.SetReportPdfWriter([&report](const QString& path) { return SaveReportPdf(*report, path); });
  QTemporaryDir folder;
  PdfName dialog;
  dialog.path = folder.filePath(QStringLiteral("form.pdf"));
  setFileDialogs(&dialog);
  for (auto _ : state) preview.SaveReportClick();
  setFileDialogs(nullptr);
  state.counters["bytes"] = static_cast<double>(QFileInfo(dialog.path).size());
}
BENCHMARK(BM_SaveOnePageFormAsPdfFromPreview)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kopira::report

int main(int argc, char** argv) { return kopira::bench::runOffscreen<QApplication>(argc, argv); }
