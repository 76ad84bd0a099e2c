#include "app/window/activation_watch.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {
// A message box belongs to the window that showed it: leaving and returning
// to that window through it is no change of the active window.
bool isMessageBox(const QWindow* window) {
  for (const QWidget* top : QApplication::topLevelWidgets()) {
    if (top->windowHandle() == window) return qobject_cast<const QMessageBox*>(top) != nullptr;
  }
  return false;
}
}  // namespace

ActivationWatch::ActivationWatch(QWidget* window, std::function<void()> onActivate)
    : QObject(window), window_(window), onActivate_(std::move(onActivate)) {
  connect(qApp, &QGuiApplication::focusWindowChanged, this, &ActivationWatch::focusWindowChanged);
}

void ActivationWatch::focusWindowChanged(QWindow* window) {
  if (window == nullptr || isMessageBox(window)) return;
  const bool returning = window == window_->windowHandle() && lastActive_ != window;
  lastActive_ = window;
  if (returning) onActivate_();
}
