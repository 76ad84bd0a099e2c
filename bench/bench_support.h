#pragma once
// What every benchmark's main shares: an offscreen application object and
// the run of the benchmarks the command line selects.
#include <QByteArray>
#include <benchmark/benchmark.h>

namespace kopira::bench {

// Before the application object: the benchmarks need no screen.
inline void useOffscreenPlatform() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

// Runs the selected benchmarks; the process's exit code.
inline int runBenchmarks(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// The whole main of a benchmark that needs only an Application object
// (QGuiApplication, QApplication).
template <class Application>
int runOffscreen(int argc, char** argv) {
  useOffscreenPlatform();
  Application app(argc, argv);
  return runBenchmarks(argc, argv);
}

}  // namespace kopira::bench
