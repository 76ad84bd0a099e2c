// Generating the 74-element B4 valuation page: into an EMF page picture (the
// preview) and onto a 600-dpi image (the printer's resolution).
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "bench/bench_support.h"
#include "report/draw/emf_destination.h"
#include "report/draw/image_destination.h"
#include "report/model/layout_loader.h"
#include "report/draw/page_buffer.h"
#include "report/model/qr_label.h"

namespace {

using namespace kopira::report;

std::unique_ptr<TQRReport> valuationPage() {
  auto report = loadLayout(QStringLiteral(KOPIRA_SOURCE_DIR "/forms/layouts/valuation.json"));
  for (const auto& element : report->elements()) {
    if (auto* memo = dynamic_cast<TQRMemo*>(element.get())) {
      memo->setLines({QStringLiteral("東京都港区芝公園一丁目2番3号"),
                      QStringLiteral("株式会社　山田商事　代表取締役　山田太郎")});
    }
  }
  return report;
}

void BM_ValuationPageToEmf(benchmark::State& state) {
  auto report = valuationPage();
  state.counters["elements"] = static_cast<double>(report->elements().size());
  for (auto _ : state) {
    EmfDestination pictures(96);
    report->GeneratePages(pictures);
    benchmark::DoNotOptimize(pictures.pages().first().size());
  }
}
BENCHMARK(BM_ValuationPageToEmf)->Unit(benchmark::kMillisecond);

void BM_ValuationPageToImage600(benchmark::State& state) {
  auto report = valuationPage();
  for (auto _ : state) {
    ImageDestination images(600);
    report->GeneratePages(images);
    benchmark::DoNotOptimize(images.pages().first().constBits());
  }
}
BENCHMARK(BM_ValuationPageToImage600)->Unit(benchmark::kMillisecond);

// The floor under the 600-dpi figures: a white B4 page of that size, made
// as the image destination makes it and as a plain QImage for comparison.
void BM_BlankB4Image600(benchmark::State& state) {
  for (auto _ : state) {
    QImage image = makeWhitePageImage(QSize(5906, 8362));
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_BlankB4Image600)->Unit(benchmark::kMillisecond);

void BM_BlankB4PlainQImage600(benchmark::State& state) {
  for (auto _ : state) {
    QImage image(5906, 8362, QImage::Format_RGB32);
    image.fill(Qt::white);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_BlankB4PlainQImage600)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return kopira::bench::runOffscreen<QGuiApplication>(argc, argv); }
