// The preview and printing: ShowPreviewAndWait until the first page is
// painted, repainting a 400 % page while scrolling, and one A4 form printed
// at the printer's resolution until its job is submitted (only when a
// printer is installed, e.g. CUPS_SERVER pointing at the test server).
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/bench_support.h"
#include "report/layout_loader.h"
#include "report/preview/print_run.h"
#include "report/preview/printer_device.h"
#include "report/preview/qr_printer.h"
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

}  // namespace
}  // namespace kopira::report

int main(int argc, char** argv) { return kopira::bench::runOffscreen<QApplication>(argc, argv); }
