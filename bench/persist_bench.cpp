// The close of the main window for a long history: tidy, cap to 100 rows and
// save, as FormClose does; and loading a large history file.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "app/files/text_file.h"
#include "app/history/history_file.h"

namespace {

// A history held as plain rows, one per line.
class RowsPane final : public kopira::TextPane {
 public:
  explicit RowsPane(TStringList& rows) : rows_(rows) {}
  QString text() const override { return rows_.lines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }
  void setText(const QString& text) override { rows_ = TStringList(text.split(QStringLiteral("\r\n"))); }
  bool isModified() const override { return false; }

 private:
  TStringList& rows_;
};

QStringList historyRows(int count) {
  QStringList rows;
  for (int i = 0; i < count; ++i)
    rows << (i % 5 == 4 ? QString() : QStringLiteral("東京都千代田区霞が関１丁目%1番地　株式会社コピラ").arg(i));
  return rows;
}

// 10,000 rows, every fifth empty.
void BM_CloseWith10000Rows(benchmark::State& state) {
  QTemporaryDir dir;
  kopira::HistoryFile history(dir.path());
  const QStringList rows = historyRows(10'000);
  for (auto _ : state) {
    state.PauseTiming();
    TStringList memo(rows);
    RowsPane pane(memo);
    kopira::CloseReport report;
    state.ResumeTiming();
    history.close(memo, pane, report);
    if (!report.empty()) state.SkipWithError("the history was not saved");
  }
}
BENCHMARK(BM_CloseWith10000Rows)->Unit(benchmark::kMillisecond);

// A 10 MB history file read, checked and decoded.
void BM_Load10MegabyteHistory(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("kopiralog.txt"));
  const QString line = historyRows(1).first() + QStringLiteral("\r\n");
  if (kopira::text_file::save(path, line.repeated(10 * 1024 * 1024 / 80)))
    state.SkipWithError("cannot write the history file");
  for (auto _ : state) benchmark::DoNotOptimize(kopira::text_file::load(path));
}
BENCHMARK(BM_Load10MegabyteHistory)->Unit(benchmark::kMillisecond);

}  // namespace
