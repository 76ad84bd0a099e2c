// The history of the real main window: its close with a long history
// (FormClose tidies the display rows, caps them at 100, saves them, then
// writes the settings) beside the same tidy-up on a plain list, and how long
// the window stops answering while a long history loads at start.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include "app/files/text_file.h"
#include "app/history/history_tidy.h"
#include "app/startup.h"
#include "app/window/tform1.h"
#include "bench/program_bench.h"

namespace {

using kopira::bench::application;
using kopira::bench::useAsProgramFolder;

// count lines, every fifth empty and every seventh wrapping into two rows;
// 100,000 lines make 5.3 MB of CP932.
QStringList historyLines(int count) {
  QStringList lines;
  for (int i = 0; i < count; ++i) {
    QString line = QStringLiteral("東京都千代田区霞が関１丁目%1番地　株式会社コピラ").arg(i);
    if (i % 7 == 6) line += QStringLiteral("　代表取締役　山田太郎");
    lines << (i % 5 == 4 ? QString() : line);
  }
  return lines;
}

QString historyText(int count) { return historyLines(count).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }

// A user's folder with both note files, so that no message box waits.
void prepareFolder(const QTemporaryDir& dir) {
  useAsProgramFolder(dir);
  for (const char* note : {"memo2.txt", "memo3.txt"}) kopira::text_file::save(dir.filePath(QLatin1String(note)), {});
}

// The floor: the same tidy-up and cap on a plain list of the rows.
void TidyOnPlainList(benchmark::State& state) {
  const QStringList rows = historyLines(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TStringList list(rows);
    kopira::tidyAndCap(list);
    benchmark::DoNotOptimize(list.Count());
  }
}
BENCHMARK(TidyOnPlainList)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Closes the main window with the history in its box, once per iteration
// (the history goes back into the box between closes).
void closeWith(benchmark::State& state, const QString& history) {
  QTemporaryDir dir;
  prepareFolder(dir);
  kopira::startup::createWindows(application());
  kopira::startup::showMainWindow();
  QApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    Form1->Memo5->setText(history);
    Form1->FormActivate();  // as after the history was loaded at start
    QApplication::processEvents();
    state.ResumeTiming();
    Form1->FormClose();
    state.PauseTiming();
    if (Form1->Memo5->Lines().Count() != 100) state.SkipWithError("the history was not capped");
    state.ResumeTiming();
  }
  kopira::startup::destroyWindows();
}

void CloseWithHistory(benchmark::State& state) { closeWith(state, historyText(static_cast<int>(state.range(0)))); }
// A history of 10,000 rows; one of 100,000 lines (5.3 MB).
BENCHMARK(CloseWithHistory)->Arg(10'000)->Arg(100'000)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// A history of one line of N characters, some thousand rows wrapped: 30,000,
// and 524,288 (the line of 1 MiB in CP932).
void CloseWithOneLongLine(benchmark::State& state) {
  closeWith(state, QStringLiteral("東京都千代田区霞が関").repeated(state.range(0) / 10 + 1).left(state.range(0)) + QStringLiteral("\r\n"));
}
BENCHMARK(CloseWithOneLongLine)->Arg(30'000)->Arg(524'288)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// From showing the main window until its history of 100,000 lines is loaded
// and shown to its end: the longest time the event loop did not turn (what
// a click then waits at most). The window is created beforehand.
void LongestStallLoadingHistory(benchmark::State& state) {
  QTemporaryDir dir;
  prepareFolder(dir);
  kopira::text_file::save(dir.filePath(QStringLiteral("kopiralog.txt")), historyText(100'000));
  for (auto _ : state) {
    kopira::startup::createWindows(application());
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
      longest = std::max(longest, clock.nsecsElapsed() - last);
      last = clock.nsecsElapsed();
    });
    tick.start(0);
    clock.start();
    kopira::startup::showMainWindow();
    while (clock.elapsed() < 2000) QApplication::processEvents();
    tick.stop();
    state.SetIterationTime(static_cast<double>(longest) / 1e9);
    const QString text = Form1->Memo5->Text();
    if (text.size() < 2'500'000 || !text.endsWith(QStringLiteral("\r\n")))
      state.SkipWithError("the history was not loaded and ended with a line break");
    kopira::startup::destroyWindows();
    QApplication::processEvents();
  }
}
BENCHMARK(LongestStallLoadingHistory)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true)->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return kopira::bench::runProgramBenchmarks(argc, argv); }
