// Settings reads, as the windows make them for every stored value at start:
// many reads of a small file, and the first and a later read of a file of
// 100,000 keys.
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

// A settings file of 100,000 keys in one section before the main window's.
QString largeSettings(const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("Large.ini"));
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    file.write("[extra]\r\n");
    for (int i = 0; i < 100'000; ++i) file.write("key" + QByteArray::number(i) + "=value\r\n");
    file.write("[memo]\r\nedit1.text=value\r\n");
  }
  return path;
}

// The first read of a component: the file is read and parsed.
void BM_FirstReadOf100kKeys(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = largeSettings(dir);
  for (auto _ : state) {
    TIniGT ini;
    ini.setFileName(path);
    benchmark::DoNotOptimize(ini.ReadText(QStringLiteral("memo"), QStringLiteral("edit1.text"), QString()));
  }
}
BENCHMARK(BM_FirstReadOf100kKeys)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A later read: served from what the first one parsed.
void BM_LaterReadOf100kKeys(benchmark::State& state) {
  QTemporaryDir dir;
  TIniGT ini;
  ini.setFileName(largeSettings(dir));
  ini.ReadText(QStringLiteral("memo"), QStringLiteral("edit1.text"), QString());
  for (auto _ : state)
    benchmark::DoNotOptimize(ini.ReadText(QStringLiteral("memo"), QStringLiteral("edit1.text"), QString()));
}
BENCHMARK(BM_LaterReadOf100kKeys)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
