#include "app/window/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <memory>

namespace kopira {
namespace {

using Steps = std::shared_ptr<std::vector<std::function<void()>>>;

void runNext(QObject* context, const Steps& steps, size_t next) {
  if (next >= steps->size()) return;
  QTimer::singleShot(0, context, [context, steps, next] {
    (*steps)[next]();
    runNext(context, steps, next + 1);
  });
}

// Starts the steps after the window's first paint has been handled.
class FirstPaintWatch final : public QObject {
 public:
  FirstPaintWatch(QWidget* window, Steps steps) : QObject(window), window_(window), steps_(std::move(steps)) {
    window->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Paint) {
      window_->removeEventFilter(this);
      runNext(window_, steps_, 0);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* window_;
  Steps steps_;
};

}  // namespace

void afterFirstPaint(QWidget* window, std::vector<std::function<void()>> steps) {
  new FirstPaintWatch(window, std::make_shared<std::vector<std::function<void()>>>(std::move(steps)));
}

}  // namespace kopira
