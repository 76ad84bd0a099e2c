// The recovery file behind the real windows (offscreen): what taking a
// snapshot costs the user-interface thread, how long a key typed into the
// history takes to be painted while every flush of the recovery file takes
// 500 ms, and what a start with a recovery file to offer costs beside one
// without and beside reading the file alone.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <dlfcn.h>
#include <thread>
#include <time.h>

#include "app/files/text_file.h"
#include "app/printing/tform5.h"
#include "app/recovery/recovery_slot.h"
#include "app/startup.h"
#include "app/window/tform1.h"
#include "app/window/window_recovery.h"
#include "bench/program_bench.h"
#include "platform/message_box_recorder.h"

namespace {

// Every fsync of the process waits this long first, as an LD_PRELOAD shim
// would make it: the program's own calls bind to this definition.
std::atomic<int> flushDelayMs{0};
std::atomic<int> flushes{0};

}  // namespace

extern "C" int fsync(int fd) {
  static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
  if (const int delay = flushDelayMs.load()) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
  ++flushes;
  return real(fd);
}

namespace {

using kopira::bench::application;

// A user's folder (settings, history of rows lines, both notes) and a state
// folder of its own for the recovery file.
class UserFolder {
 public:
  explicit UserFolder(int historyRows) {
    kopira::bench::useAsProgramFolder(dir_);
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("state"))));
    QStringList history;
    for (int i = 0; i < historyRows; ++i) history << QStringLiteral("東京都千代田区霞が関１丁目%1番地　株式会社コピラ").arg(i);
    save("kopiralog.txt", history.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    save("memo2.txt", QStringLiteral("メモ"));
    save("memo3.txt", QString());
  }

 private:
  void save(const char* name, const QString& text) { kopira::text_file::save(dir_.filePath(QLatin1String(name)), text); }
  QTemporaryDir dir_;
};

// The windows as start-up makes them, with their recovery file, shown and
// their history in its box.
class RunningProgram {
 public:
  RunningProgram() {
    kopira::startup::createWindows(application());
    recovery_ = std::make_unique<kopira::WindowRecovery>(*Form1, *Form5, false);
    kopira::startup::showMainWindow();
    while (!Form1->historyInBox()) QApplication::processEvents();
    QApplication::processEvents();
  }
  ~RunningProgram() {
    recovery_.reset();
    kopira::startup::destroyWindows();
    QApplication::processEvents();
  }
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;
  kopira::WindowRecovery& recovery() { return *recovery_; }

 private:
  std::unique_ptr<kopira::WindowRecovery> recovery_;
};

double threadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void type(QWidget* box, QChar c) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(c));
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QString(c));
  QApplication::sendEvent(box, &press);
  QApplication::sendEvent(box, &release);
}

// The snapshot the keeper takes on the user-interface thread, and its
// comparison with the last one (which differs only at its end).
void SnapshotOnInterfaceThread(benchmark::State& state) {
  const UserFolder folder(static_cast<int>(state.range(0)));
  RunningProgram program;
  const std::optional<kopira::recovery::Snapshot> before = program.recovery().take();
  type(Form1->Memo5, u'x');
  for (auto _ : state) {
    const std::optional<kopira::recovery::Snapshot> now = program.recovery().take();
    benchmark::DoNotOptimize(now->sameTexts(*before));
  }
}
BENCHMARK(SnapshotOnInterfaceThread)->Arg(100)->Arg(10'000)->Unit(benchmark::kMillisecond);

// Bursts of 20 keys 40 ms apart into the history, each followed by a pause
// of 1.2 s after which the recovery file is written, each of its flushes
// taking 500 ms, so that the next burst is typed while it is written. The
// time is the longest from a key's delivery until the box has painted
// (max_ms), beside the interface thread's processor time for that key.
void KeyToPaintWhileFlushing(benchmark::State& state) {
  const UserFolder folder(100);
  RunningProgram program;
  TMemo* box = Form1->Memo5;
  box->setFocus();
  bool painted = false;
  struct PaintWatch final : QObject {
    explicit PaintWatch(bool& seen) : seen_(seen) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) seen_ = true;
      return false;
    }
    bool& seen_;
  } watch(painted);
  box->viewport()->installEventFilter(&watch);
  const auto wait = [](int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  };
  flushDelayMs = static_cast<int>(state.range(0));
  for (auto _ : state) {
    flushes = 0;
    std::vector<double> keyToPaint;
    // The interface thread's own time for the slowest key: far below its
    // wall time, the thread waited for a processor, not for the disk.
    double slowestKeysCpuMs = 0;
    for (int burst = 0; burst < 10; ++burst) {
      for (int key = 0; key < 20; ++key) {
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = threadCpuMs();
        painted = false;
        type(box, QChar(u'あ' + key));
        while (!painted && clock.elapsed() < 1000) QApplication::processEvents(QEventLoop::AllEvents);
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (keyToPaint.empty() || ms > *std::max_element(keyToPaint.begin(), keyToPaint.end()))
          slowestKeysCpuMs = threadCpuMs() - cpuBefore;
        keyToPaint.push_back(ms);
        wait(40);
      }
      wait(1200);
    }
    std::sort(keyToPaint.begin(), keyToPaint.end());
    state.SetIterationTime(keyToPaint.back() / 1e3);
    state.counters["max_ms"] = keyToPaint.back();
    state.counters["max_cpu_ms"] = slowestKeysCpuMs;
    state.counters["median_ms"] = keyToPaint[keyToPaint.size() / 2];
    state.counters["flushes"] = flushes.load();
  }
  flushDelayMs = 0;
  box->viewport()->removeEventFilter(&watch);
}
BENCHMARK(KeyToPaintWhileFlushing)->Arg(500)->Arg(0)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// A recovery file of the inputs after typing into each, with a history of
// the folder's rows: the program is left without a close.
void leaveRecoveryFile() {
  RunningProgram program;
  for (TEdit* edit : {Form1->Edit1, Form5->Edit1}) type(edit, u'支');
  type(Form1->Memo3, u'メ');
  type(Form1->Memo5, u'履');
  QEventLoop loop;
  QTimer::singleShot(1500, &loop, &QEventLoop::quit);
  loop.exec();
}

// From creating the windows to the main window shown with its history in
// the box: without a recovery file, and with one to offer (its texts put
// back, as Enter at the question does).
void StartWithRecoveryFile(benchmark::State& state) {
  const UserFolder folder(static_cast<int>(state.range(1)));
  if (state.range(0)) leaveRecoveryFile();
  kopira::MessageBoxRecorder answers;
  for (auto _ : state) {
    answers.answers = {0};
    const RunningProgram program;
    state.PauseTiming();
    if (answers.boxes.size() != static_cast<size_t>(state.range(0))) state.SkipWithError("no offer");
    answers.boxes.clear();
    state.ResumeTiming();
  }
}
BENCHMARK(StartWithRecoveryFile)->ArgsProduct({{0, 1}, {100, 10'000}})->ArgNames({"file", "rows"})
    ->Unit(benchmark::kMillisecond);

// The floor of the offer: reading the recovery file and taking it apart.
void ReadRecoveryFile(benchmark::State& state) {
  const UserFolder folder(static_cast<int>(state.range(0)));
  leaveRecoveryFile();
  const QStringList files = QDir(kopira::recovery::recoveryFolder()).entryList({QStringLiteral("*.kopira-recovery")});
  if (files.isEmpty()) state.SkipWithError("no recovery file");
  const QString path = QDir(kopira::recovery::recoveryFolder()).filePath(files.value(0));
  for (auto _ : state) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    benchmark::DoNotOptimize(kopira::recovery::decode(file.readAll()));
  }
}
BENCHMARK(ReadRecoveryFile)->Arg(100)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return kopira::bench::runProgramBenchmarks(argc, argv); }
