#pragma once
// TSplitter: a vertical bar between a box that fills the space on its left
// and a panel aligned right of it. Dragging it to the left widens the panel
// and narrows the box by the same amount.
#include <QFrame>

class TSplitter : public QFrame {
  Q_OBJECT
 public:
  // The bar takes its place between client and panel, which already stand
  // side by side in the same parent; the panel keeps its right edge.
  TSplitter(QWidget* client, QWidget* panel, int barWidth, int minSize);

  int panelWidth() const;
  // Widens or narrows the panel. Neither side may fall below the minimum
  // size; a panel asked to be narrower folds to its minimum width.
  void setPanelWidth(int requested);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QWidget* client_;
  QWidget* panel_;
  int minSize_;
  int panelRight_;
  int grabOffset_ = 0;
};
