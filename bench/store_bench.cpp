// Page store and report file throughput: the splay code, appending pages
// past the memory limit, and loading a saved file with all its checks.
#include "report/store/page_store.h"
#include "report/store/qrp_file.h"
#include "report/store/splay_code.h"

#include <QBuffer>
#include <QtEndian>
#include <benchmark/benchmark.h>

#include <random>

namespace {

using kopira::store::PageStore;

// An EMF-shaped picture of `size` bytes: header, then records of small
// integers and text, as a recorded form page looks.
QByteArray pagePicture(int size) {
  std::mt19937 rng(5);
  QByteArray b(size, '\0');
  for (int i = 88; i < size; ++i) b[i] = static_cast<char>(i % 64 < 40 ? rng() % 8 : 'A' + rng() % 26);
  const auto put = [&](int at, uint32_t v) { qToLittleEndian(v, b.data() + at); };
  put(0, 1);
  put(4, 88);
  put(32, 21000);
  put(36, 29700);
  put(40, 0x464D4520);
  put(48, static_cast<uint32_t>(size));
  return b;
}

void BM_SplayEncode(benchmark::State& state) {
  const QByteArray page = pagePicture(200000);
  for (auto _ : state) benchmark::DoNotOptimize(kopira::store::splayEncode(page));
  state.SetBytesProcessed(state.iterations() * page.size());
}
BENCHMARK(BM_SplayEncode);

void BM_SplayDecode(benchmark::State& state) {
  const QByteArray page = pagePicture(200000);
  const QByteArray code = kopira::store::splayEncode(page);
  state.counters["ratio"] = static_cast<double>(code.size()) / static_cast<double>(page.size());
  for (auto _ : state) benchmark::DoNotOptimize(kopira::store::splayDecode(code, page.size()));
  state.SetBytesProcessed(state.iterations() * page.size());
}
BENCHMARK(BM_SplayDecode);

void BM_AppendSpilledPages(benchmark::State& state) {
  const QByteArray page = pagePicture(200000);
  for (auto _ : state) {
    PageStore store;
    for (int i = 0; i < 20; ++i) store.append(page);
    benchmark::DoNotOptimize(store.page(20));
  }
  state.SetBytesProcessed(state.iterations() * 20 * page.size());
}
BENCHMARK(BM_AppendSpilledPages)->Unit(benchmark::kMillisecond);

void BM_LoadReportFile(benchmark::State& state) {
  const bool compressed = state.range(0) != 0;
  PageStore store(compressed);
  for (int i = 0; i < 20; ++i) store.append(pagePicture(200000));
  store.markComplete();
  QBuffer saved;
  saved.open(QIODevice::WriteOnly);
  store.writeTo(saved);
  for (auto _ : state) {
    QBuffer in(&saved.buffer());
    in.open(QIODevice::ReadOnly);
    benchmark::DoNotOptimize(kopira::store::readQrp(in));
  }
  state.SetBytesProcessed(state.iterations() * 20 * 200000);
}
BENCHMARK(BM_LoadReportFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
