// Recording and replaying an A4 page picture of 74 elements (rectangles and
// Japanese text, as on the application forms).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "bench/bench_support.h"
#include "platform/fonts.h"
#include "report/emf/emf_player.h"
#include "report/emf/emf_recorder.h"

namespace {
using namespace kopira::report;

// 30 framed boxes with a label each, 14 more labels: 74 elements.
QByteArray recordPage() {
  EmfRecorder recorder(QSize(794, 1123), 96, QSize(21000, 29700));
  FontSpec font;
  font.face = kopira::fonts::kMincho;
  font.pixelHeight = 16;
  recorder.setFont(font);
  recorder.fillRect(98, 178, 698, 182, Qt::white);
  for (int i = 0; i < 30; ++i) {
    const int top = 190 + i * 28;
    recorder.rectangle(98, top, 698, top + 28);
    recorder.fillRect(100, top + 4, 400, top + 22, Qt::white);
    recorder.textOut(102, top + 6, TextAlign::Left, QStringLiteral("東京都千代田区霞が関一丁目１番１号 第%1号").arg(i + 1));
  }
  font.face = kopira::fonts::kPGothic;
  recorder.setFont(font);
  for (int i = 0; i < 14; ++i) {
    recorder.textOut(690, 40 + i * 10, TextAlign::Right, QStringLiteral("令和６年１２月８日"));
  }
  return recorder.finish();
}

void BM_RecordPage(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(recordPage());
}
BENCHMARK(BM_RecordPage)->Unit(benchmark::kMillisecond);

void BM_ReplayPage1000Wide(benchmark::State& state) {
  const QByteArray emf = recordPage();
  QImage image(1000, 1414, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    EmfPlayer player(emf);
    if (!player.play(painter, QRectF(0, 0, 1000, 1414))) state.SkipWithError("replay failed");
  }
}
BENCHMARK(BM_ReplayPage1000Wide)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return kopira::bench::runOffscreen<QGuiApplication>(argc, argv); }
