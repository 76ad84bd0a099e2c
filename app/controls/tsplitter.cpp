#include "app/controls/tsplitter.h"

#include <QMouseEvent>
#include <algorithm>

TSplitter::TSplitter(QWidget* client, QWidget* panel, int barWidth, int minSize)
    : QFrame(panel->parentWidget()),
      client_(client),
      panel_(panel),
      minSize_(minSize),
      panelRight_(panel->x() + panel->width()) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setCursor(Qt::SplitHCursor);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(panel->x() - barWidth, panel->y(), barWidth, panel->height());
}

int TSplitter::panelWidth() const { return panel_->width(); }

void TSplitter::setPanelWidth(int requested) {
  const int widest = panelRight_ - width() - client_->x() - minSize_;
  int newWidth = std::min(requested, widest);
  if (newWidth < minSize_) newWidth = panel_->minimumWidth();
  const int panelLeft = panelRight_ - newWidth;
  panel_->setGeometry(panelLeft, panel_->y(), newWidth, panel_->height());
  move(panelLeft - width(), y());
  client_->resize(x() - client_->x(), client_->height());
}

void TSplitter::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) grabOffset_ = qRound(event->position().x());
}

void TSplitter::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const int barLeft = x() + qRound(event->position().x()) - grabOffset_;
  setPanelWidth(panelRight_ - barLeft - width());
}
