// The close of the real main window with a long history: FormClose tidies
// the history's display rows, caps them at 100 and saves it, then writes
// the settings.
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "app/text_file.h"
#include "app/tform1.h"
#include "bench/program_bench.h"

namespace {

using kopira::bench::application;
using kopira::bench::useAsProgramFolder;

// count lines, every fifth empty and every seventh wrapping into two rows.
QString historyText(int count) {
  QStringList lines;
  for (int i = 0; i < count; ++i) {
    QString line = QStringLiteral("東京都千代田区霞が関１丁目%1番地　株式会社コピラ").arg(i);
    if (i % 7 == 6) line += QStringLiteral("　代表取締役　山田太郎");
    lines << (i % 5 == 4 ? QString() : line);
  }
  return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void CloseWith10000RowHistory(benchmark::State& state) {
  QTemporaryDir dir;
  useAsProgramFolder(dir);
  for (const char* note : {"memo2.txt", "memo3.txt"}) kopira::text_file::save(dir.filePath(QLatin1String(note)), {});
  kopira::startup::createWindows(application());
  kopira::startup::showMainWindow();
  QApplication::processEvents();
  const QString history = historyText(10'000);
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
BENCHMARK(CloseWith10000RowHistory)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) { return kopira::bench::runProgramBenchmarks(argc, argv); }
