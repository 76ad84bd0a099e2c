#include "app/window/anchor.h"

#include <QEvent>
#include <QMargins>

namespace kopira {
namespace {

class SideAnchor final : public QObject {
 public:
  SideAnchor(QWidget* child, QMargins margins) : QObject(child), child_(child), margins_(margins) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize && watched == child_->parentWidget()) {
      child_->setGeometry(child_->parentWidget()->rect().marginsRemoved(margins_));
    }
    return false;
  }

 private:
  QWidget* child_;
  QMargins margins_;
};

}  // namespace

void anchorToAllSides(QWidget* child) {
  QWidget* parent = child->parentWidget();
  const QRect inner = child->geometry();
  const QMargins margins(inner.left(), inner.top(), parent->width() - inner.left() - inner.width(),
                         parent->height() - inner.top() - inner.height());
  parent->installEventFilter(new SideAnchor(child, margins));
}

}  // namespace kopira
