// Settings reads: each ReadText loads the file and finds its entry, as the
// main window does for every stored value at start.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "settings/tinigt.h"

namespace {

// 1,000 ReadText calls on a 200-key file (four sections of 50 keys).
void BM_ReadText1000On200Keys(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Bench.ini"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) state.SkipWithError("cannot create the settings file");
    for (int s = 0; s < 4; ++s) {
      file.write(QStringLiteral("[section%1]\r\n").arg(s).toLatin1());
      for (int k = 0; k < 50; ++k)
        file.write(QStringLiteral("edit%1.text=value %1 \x93\x8c\x8b\x9e\x96\x40\x96\xb1\x8b\xc7\r\n").arg(k).toLatin1());
    }
  }
  TIniGT ini;
  ini.setFileName(path);
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) {
      const QString section = QStringLiteral("section%1").arg(i % 4);
      const QString key = QStringLiteral("edit%1.text").arg((i * 7) % 50);
      benchmark::DoNotOptimize(ini.ReadText(section, key, QStringLiteral("default")));
    }
  }
}
BENCHMARK(BM_ReadText1000On200Keys)->Unit(benchmark::kMillisecond);

}  // namespace
