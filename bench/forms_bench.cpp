// The registry print buttons: from the click to the preview's first page
// painted, for each of the three forms (offscreen, no printer).
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "app/window/tform1.h"
#include "bench/program_bench.h"
#include "forms/tform2.h"
#include "forms/tform3.h"
#include "forms/tform4.h"
#include "platform/message_box.h"
#include "report/preview/qr_preview.h"
#include "report/preview/show_preview.h"
#include "report/preview/standard_preview.h"

namespace {

using kopira::bench::application;
using kopira::report::PreviewLoop;
using kopira::report::TQRStandardPreview;

// Notes the first paint of the page image.
class PaintWatch : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
  bool painted = false;
};

// Lets the preview paint its first page, stops the clock, closes it.
class FirstPaintWait : public kopira::report::PreviewWait {
 public:
  void Wait(TQRStandardPreview& preview, PreviewLoop& loop) override {
    QWidget* image = preview.QRPreview()->Image();
    PaintWatch watch;
    image->installEventFilter(&watch);
    QCoreApplication::processEvents();
    if (!watch.painted) image->repaint();
    elapsedNs = timer.nsecsElapsed();
    showsPage = preview.QRPreview()->ShowsPage();
    image->removeEventFilter(&watch);
    preview.close();
    loop.Run();
  }
  QElapsedTimer timer;
  qint64 elapsedNs = 0;
  bool showsPage = false;
};

// Message boxes would wait for a person.
class NoBoxes : public kopira::MessageBoxes {
 public:
  void plain(const QString&) override { ++shown; }
  void information(const QString&, const QString&) override { ++shown; }
  int choose(const QString&, const QStringList& choices) override {
    ++shown;
    return static_cast<int>(choices.size()) - 1;
  }
  int shown = 0;
};

void fillInputs(TForm1& form) {
  form.Memo6->setText(QStringLiteral("東京都千代田区霞が関一丁目１番１号\n山田法律事務所\n弁護士　山田太郎"));
  form.Memo2->setText(QStringLiteral("東京都中央区銀座一丁目２番３号\n株式会社コピラ"));
  QStringList estate;
  for (int i = 1; i <= 8; ++i) estate << QStringLiteral("所在　東京都港区芝公園四丁目　地番　%1番").arg(i);
  form.Memo1->setText(estate.join(QLatin1Char('\n')));
}

void ClickToFirstPaint(benchmark::State& state, QPushButton* TForm1::*button) {
  QTemporaryDir folder;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(folder.path());
  NoBoxes boxes;
  kopira::installMessageBoxes(&boxes);
  kopira::startup::createWindows(application());
  fillInputs(*Form1);
  boxes.shown = 0;  // the note files asked for at start
  FirstPaintWait wait;
  kopira::report::setPreviewWait(&wait);
  for (auto _ : state) {
    wait.timer.start();
    (Form1->*button)->click();
    state.SetIterationTime(static_cast<double>(wait.elapsedNs) / 1e9);
    if (!wait.showsPage || boxes.shown) {
      state.SkipWithError(boxes.shown ? "a message box was shown" : "the preview did not show the page");
      break;
    }
    state.PauseTiming();
    Form1->Memo5->setText(QString());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  kopira::report::setPreviewWait(nullptr);
  kopira::startup::destroyWindows();
  kopira::installMessageBoxes(nullptr);
  QDir::setCurrent(previous);
}

BENCHMARK_CAPTURE(ClickToFirstPaint, LandAndBuilding, &TForm1::BitBtn1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClickToFirstPaint, Company, &TForm1::BitBtn2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClickToFirstPaint, Valuation, &TForm1::BitBtn3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return kopira::bench::runProgramBenchmarks(argc, argv); }
