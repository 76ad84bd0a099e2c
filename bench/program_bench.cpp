#include "bench/program_bench.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/startup.h"
#include "bench/bench_support.h"
#include "settings/tinigt.h"

namespace kopira::bench {

int runProgramBenchmarks(int argc, char** argv) {
  useOffscreenPlatform();
  QApplication app(argc, argv);
  startup::initialiseApplication(app);
  return runBenchmarks(argc, argv);
}

QApplication& application() { return *qobject_cast<QApplication*>(QCoreApplication::instance()); }

void useAsProgramFolder(const QTemporaryDir& dir) {
  QDir::setCurrent(dir.path());
  TIniGT::setProgramFilePath(dir.filePath(QStringLiteral("kopira")));
}

}  // namespace kopira::bench
