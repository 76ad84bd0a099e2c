#include "app/window/outer_bounds.h"

#include <QEvent>
#include <QWidget>

namespace kopira {

OuterBounds::OuterBounds(QWidget* window, QSize outer, QSize minimum, QSize maximum)
    : QObject(window), window_(window), minimum_(minimum), maximum_(maximum) {
  window_->setMinimumSize(minimum_);
  window_->setMaximumSize(maximum_);
  window_->resize(outer);
  window_->installEventFilter(this);
}

bool OuterBounds::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
      fitToFrame();
      break;
    default:
      break;
  }
  return false;
}

void OuterBounds::fitToFrame() {
  const QSize frame = window_->frameGeometry().size() - window_->size();
  if (frame == frame_ || frame.width() < 0 || frame.height() < 0) return;
  // The outer size the window had with the frame known so far stays.
  const QSize outer = window_->size() + frame_;
  frame_ = frame;
  window_->setMinimumSize(minimum_ - frame);
  window_->setMaximumSize(maximum_ - frame);
  window_->resize(outer - frame);
}

}  // namespace kopira
