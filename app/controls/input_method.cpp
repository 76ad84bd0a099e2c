#include "app/controls/input_method.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QWidget>

namespace kopira {
namespace {

// The input method answers a reset within milliseconds, even on a busy
// machine well within this; a commit after it is the user's own.
constexpr qint64 kEchoWindowMs = 3000;

// Answers the input method's question for a box as "takes no composed
// text" (a line edit would say it does, whatever its attribute says) and
// drops composed text sent to it anyway.
class NoComposedText final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* box, QEvent* event) override {
    if (event->type() == QEvent::InputMethod) return true;
    if (event->type() != QEvent::InputMethodQuery) return false;
    auto* query = static_cast<QInputMethodQueryEvent*>(event);
    box->event(query);
    if (query->queries() & Qt::ImEnabled) query->setValue(Qt::ImEnabled, false);
    return true;
  }
};

}  // namespace

void switchInputMethodOff(QWidget* box) {
  box->setAttribute(Qt::WA_InputMethodEnabled, false);
  box->installEventFilter(new NoComposedText(box));
}

CompositionGuard::CompositionGuard(QObject* owner) : QObject(owner) {
  QCoreApplication::instance()->installEventFilter(this);
}

bool CompositionGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == committedInto_ && !committed_.isEmpty() && committedAt_.elapsed() < kEchoWindowMs) expectEcho_ = true;
    return false;
  }
  if (event->type() != QEvent::InputMethod) return false;
  const auto* input = static_cast<QInputMethodEvent*>(event);
  const bool composing = !input->preeditString().isEmpty();
  const bool commitOnly = !composing && !input->commitString().isEmpty();
  if (expectEcho_ && commitOnly && input->commitString() == committed_ && committedAt_.elapsed() < kEchoWindowMs) {
    expectEcho_ = false;
    committed_.clear();
    return true;
  }
  if (composing) {
    // A new composition: the input method is past any reset.
    expectEcho_ = false;
    committed_.clear();
  } else if (commitOnly && watched == composing_) {
    committedInto_ = watched;
    committed_ = input->commitString();
    committedAt_.start();
  }
  composing_ = composing ? watched : nullptr;
  return false;
}

}  // namespace kopira
