// Whole processes against their floors, in the same run: each iteration
// starts the floor program and then the real one, and the benchmark reports
// the medians of both and their ratio.
//   StartToWindowMapped: from the start of the process to its main window
//     mapped on the X server (needs DISPLAY, e.g. under xvfb-run), and the
//     peak memory once it is up.
//   LandBuildingToPdf: the land and building page rendered to a PDF file by
//     kopira-render, against bare Qt drawing the same boxes and texts.
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Medians of the floor's and the program's samples, and their ratio.
struct Pair {
  std::vector<double> floor, program;
  void report(benchmark::State& state, const char* unit) const {
    const double f = median(floor), p = median(program);
    state.counters[std::string("floor_") + unit] = f;
    state.counters[std::string("kopira_") + unit] = p;
    state.counters["ratio"] = f > 0 ? p / f : 0;
  }
};

pid_t spawn(const QStringList& command, const QString& folder) {
  std::vector<QByteArray> bytes;
  for (const QString& part : command) bytes.push_back(part.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& part : bytes) argv.push_back(part.data());
  argv.push_back(nullptr);
  const QString previous = QDir::currentPath();
  QDir::setCurrent(folder);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) pid = -1;
  QDir::setCurrent(previous);
  return pid;
}

int waitFor(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The peak resident memory of a process so far, in MB.
double peakMegabytes(pid_t pid) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
  }
  return 0;
}

// Watches the X server's root window for top-level windows being mapped.
class MapWatch {
 public:
  MapWatch() : connection_(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(connection_)) return;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
  }
  ~MapWatch() { xcb_disconnect(connection_); }
  bool ok() const { return !xcb_connection_has_error(connection_); }

  // Drops the events of earlier processes.
  void drain() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) free(event);
  }

  // Waits until a top-level window is mapped; false when the process ended
  // or nothing was mapped within the time.
  bool waitForMap(pid_t pid, std::chrono::seconds limit) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                            reinterpret_cast<xcb_map_notify_event_t*>(event)->event == root_;
        free(event);
        if (mapped) return true;
      }
      if (waitpid(pid, nullptr, WNOHANG) == pid) return false;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
  }

 private:
  xcb_connection_t* connection_;
  xcb_window_t root_ = 0;
};

// One connection for the whole run: the X server resets when its last
// client leaves, and a connection made during the reset fails.
MapWatch& mapWatch() {
  static MapWatch watch;
  return watch;
}

// A user's folder with a copy of the program (its settings file lies
// beside it), both note files, a 100-row history and, when asked, a
// settings file of the given number of extra keys.
void prepareFolder(const QTemporaryDir& dir, int extraSettingsKeys) {
  QFile::copy(QStringLiteral(KOPIRA_PROGRAM), dir.filePath(QStringLiteral("kopira")));
  for (const char* note : {"memo2.txt", "memo3.txt"}) {
    QFile file(dir.filePath(QLatin1String(note)));
    if (file.open(QIODevice::WriteOnly)) file.write("note\r\n");
  }
  QFile history(dir.filePath(QStringLiteral("kopiralog.txt")));
  if (history.open(QIODevice::WriteOnly)) {
    for (int i = 0; i < 100; ++i) history.write(QByteArray("entry ") + QByteArray::number(i) + "\r\n");
  }
  QFile settings(dir.filePath(QStringLiteral("Kopira.ini")));
  if (settings.open(QIODevice::WriteOnly)) {
    settings.write("[memo]\r\nmemo.lines.Count=2\r\nmemo.lines.0=office\r\nmemo.lines.1=lawyer\r\n"
                   "[form]\r\ntop=80\r\nleft=90\r\n[extra]\r\n");
    for (int i = 0; i < extraSettingsKeys; ++i) settings.write("key" + QByteArray::number(i) + "=value\r\n");
  }
}

// One start of a program: the time until its window is mapped, in ms, and
// its peak memory a moment later, in MB; nothing when it failed.
std::optional<std::pair<double, double>> startOnce(MapWatch& watch, const QStringList& command, const QString& folder) {
  watch.drain();
  const auto start = Clock::now();
  const pid_t pid = spawn(command, folder);
  if (pid < 0) return std::nullopt;
  const bool mapped = watch.waitForMap(pid, std::chrono::seconds(20));
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  // What start-up left for after the first paint runs now.
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  const double megabytes = peakMegabytes(pid);
  kill(pid, SIGKILL);
  waitFor(pid);
  if (!mapped) return std::nullopt;
  return std::make_pair(ms, megabytes);
}

void StartToWindowMapped(benchmark::State& state) {
  MapWatch& watch = mapWatch();
  if (!watch.ok()) {
    state.SkipWithError("no X display (run under xvfb-run)");
    return;
  }
  QTemporaryDir dir;
  prepareFolder(dir, static_cast<int>(state.range(0)));
  Pair times, memory;
  // The floor that shows Japanese text pays the font database too.
  std::vector<double> textFloorMs, textFloorMB;
  for (auto _ : state) {
    const auto floor = startOnce(watch, {QStringLiteral(KOPIRA_BARE_WINDOW)}, dir.path());
    const auto textFloor = startOnce(watch, {QStringLiteral(KOPIRA_BARE_WINDOW), QStringLiteral("--text")}, dir.path());
    const auto program = startOnce(watch, {dir.filePath(QStringLiteral("kopira"))}, dir.path());
    if (!floor || !textFloor || !program) {
      state.SkipWithError("a window was not mapped");
      return;
    }
    times.floor.push_back(floor->first);
    times.program.push_back(program->first);
    memory.floor.push_back(floor->second);
    memory.program.push_back(program->second);
    textFloorMs.push_back(textFloor->first);
    textFloorMB.push_back(textFloor->second);
    state.SetIterationTime(program->first / 1000);
  }
  times.report(state, "ms");
  state.counters["floor_peak_MB"] = median(memory.floor);
  state.counters["kopira_peak_MB"] = median(memory.program);
  state.counters["peak_over_floor_MB"] = median(memory.program) - median(memory.floor);
  state.counters["text_floor_ms"] = median(textFloorMs);
  state.counters["ratio_to_text_floor"] = median(textFloorMs) > 0 ? median(times.program) / median(textFloorMs) : 0;
  state.counters["peak_over_text_floor_MB"] = median(memory.program) - median(textFloorMB);
}
// Without and with a settings file of 100,000 further keys.
BENCHMARK(StartToWindowMapped)->Arg(0)->Arg(100'000)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);

double runMs(const QStringList& command, const QString& folder, bool* ok) {
  const auto start = Clock::now();
  const pid_t pid = spawn(command, folder);
  *ok = *ok && pid >= 0 && waitFor(pid) == 0;
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void LandBuildingToPdf(benchmark::State& state) {
  QTemporaryDir dir;
  const QString layout = QStringLiteral(KOPIRA_SOURCE_DIR "/forms/layouts/land_building.json");
  const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
  Pair times;
  for (auto _ : state) {
    bool ok = true;
    times.floor.push_back(runMs({QStringLiteral(KOPIRA_BARE_PDF_PAGE), layout, pdf}, dir.path(), &ok));
    const double program = runMs({QStringLiteral(KOPIRA_RENDER), layout, QStringLiteral("-o"), pdf}, dir.path(), &ok);
    times.program.push_back(program);
    if (!ok) {
      state.SkipWithError("a program failed");
      return;
    }
    state.SetIterationTime(program / 1000);
  }
  times.report(state, "ms");
}
BENCHMARK(LandBuildingToPdf)->Iterations(9)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
