#pragma once
// Keeps a top-level window's outer size, frame included, and applies its
// size limits to that outer size. Qt sizes the client area, and the frame
// is known only once the window manager has framed the window, so the
// client size and limits are set again whenever the frame changes; the
// controls keep their places in the client area.
#include <QObject>
#include <QSize>

class QWidget;

namespace kopira {

class OuterBounds final : public QObject {
 public:
  // Gives the window its outer size at once (no frame is known yet); the
  // helper belongs to the window.
  OuterBounds(QWidget* window, QSize outer, QSize minimum, QSize maximum);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fitToFrame();

  QWidget* window_;
  QSize minimum_;
  QSize maximum_;
  QSize frame_{0, 0};
};

}  // namespace kopira
