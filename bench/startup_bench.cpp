// Start-up to the main window shown (offscreen), claiming the kept files,
// and counting the display rows of a large word-wrapped box.
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/controls/control_fonts.h"
#include "app/controls/tmemo.h"
#include "app/files/copy_handover.h"
#include "app/files/files_lock.h"
#include "app/files/one_copy.h"
#include "app/files/text_file.h"
#include "app/startup.h"
#include "app/window/tform1.h"
#include "bench/program_bench.h"

namespace {

using kopira::bench::application;
using kopira::bench::useAsProgramFolder;

// A folder as a user's: a 100-row history, both note files and settings;
// the program's folder and the working directory.
void prepareFolder(const QTemporaryDir& dir) {
  useAsProgramFolder(dir);
  const auto save = [&](const char* name, const QString& text) {
    kopira::text_file::save(dir.filePath(QLatin1String(name)), text);
  };
  QStringList history;
  for (int i = 0; i < 100; ++i) history << QStringLiteral("東京都千代田区霞が関１丁目%1番地　株式会社コピラ").arg(i);
  save("kopiralog.txt", history.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
  save("memo2.txt", history.mid(0, 30).join(QStringLiteral("\r\n")));
  save("memo3.txt", history.mid(30, 30).join(QStringLiteral("\r\n")));
  save("Kopira.ini", QStringLiteral("[memo]\r\nmemo.lines.Count=2\r\nmemo.lines.0=東京都千代田区\r\n"
                                    "memo.lines.1=弁護士　山田太郎\r\nedit1.text=第一東京\r\n[form]\r\ntop=80\r\nleft=90\r\n"));
}

void StartupToMainWindowShown(benchmark::State& state) {
  QTemporaryDir dir;
  prepareFolder(dir);
  for (auto _ : state) {
    kopira::startup::createWindows(application());
    kopira::startup::showMainWindow();
    QApplication::processEvents();
    state.PauseTiming();
    kopira::startup::destroyWindows();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(StartupToMainWindowShown)->Unit(benchmark::kMillisecond);

// What a start adds to claim the kept files: the lock on both folders and
// the listener for later starts.
void ClaimKeptFiles(benchmark::State& state) {
  application();
  QTemporaryDir settings, data;
  for (auto _ : state) {
    kopira::FilesLock lock;
    if (kopira::one_copy::claim(lock, {settings.path(), data.path()}) != kopira::one_copy::Start::Editable)
      state.SkipWithError("the folders were held");
    const kopira::HandoverServer handover([] {});
    benchmark::DoNotOptimize(handover.listening());
  }
}
BENCHMARK(ClaimKeptFiles)->Unit(benchmark::kMicrosecond);

// A company block of 10,000 lines of 40 wide characters, each wrapping into
// three rows at the block's width.
std::unique_ptr<TMemo> largeBlock() {
  auto memo = std::make_unique<TMemo>();
  memo->setGeometry(0, 0, 470, 188);
  kopira::applyControlFont(memo.get(), kopira::ControlFont::F2);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QStringList lines;
  for (int i = 0; i < 10000; ++i) lines << QStringLiteral("東京都千代田区霞が関一丁目").repeated(3) + QString::number(i);
  memo->setText(lines.join(QLatin1Char('\n')));
  return memo;
}

void CountRowsOfLaidOutBlock(benchmark::State& state) {
  auto memo = largeBlock();
  memo->Lines().Count();
  for (auto _ : state) benchmark::DoNotOptimize(memo->Lines().Count());
}
BENCHMARK(CountRowsOfLaidOutBlock)->Unit(benchmark::kMillisecond);

// After a width change every line must be broken again.
void CountRowsAfterWidthChange(benchmark::State& state) {
  auto memo = largeBlock();
  int width = 470;
  for (auto _ : state) {
    width = width == 470 ? 320 : 470;
    memo->resize(width, 188);
    benchmark::DoNotOptimize(memo->Lines().Count());
  }
}
BENCHMARK(CountRowsAfterWidthChange)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return kopira::bench::runProgramBenchmarks(argc, argv); }
