#include "report/preview/page_image.h"

#include <QPaintEvent>
#include <QPainter>

#include "report/draw/page_picture.h"

namespace kopira::report {

PageImage::PageImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageImage::SetPicture(const QByteArray& picture) {
  picture_ = picture;
  cache_ = QImage();
  update();
}

void PageImage::SetImageSize(const QSize& size) {
  if (size == this->size()) return;
  cache_ = QImage();
  resize(size);
}

void PageImage::PaintPage(QPainter& painter, const QSize& size, const QByteArray& picture) {
  const int w = size.width();
  const int h = size.height();
  // GDI rectangles exclude their right and bottom edges.
  painter.fillRect(QRect(QPoint(1, 1), QPoint(w - 4, h - 4)), Qt::white);
  playPagePicture(painter, picture, QRect(0, 0, w, h));
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, 0, w - 4, h - 4);  // a 1-pixel pen covers 0..w-4
  painter.fillRect(QRect(QPoint(w - 2, 2), QPoint(w - 1, h - 1)), Qt::black);
  painter.fillRect(QRect(QPoint(2, h - 2), QPoint(w - 1, h - 1)), Qt::black);
}

void PageImage::paintEvent(QPaintEvent* e) {
  QPainter painter(this);
  const QColor background = palette().color(QPalette::Window);
  const qint64 pixels = static_cast<qint64>(width()) * height();
  if (pixels <= kMaxCachedPixels) {
    if (cache_.size() != size()) {
      cache_ = QImage(size(), QImage::Format_RGB32);
      cache_.setDotsPerMeterX(3780);
      cache_.setDotsPerMeterY(3780);
      cache_.fill(background);
      QPainter cachePainter(&cache_);
      PaintPage(cachePainter, size(), picture_);
    }
    painter.drawImage(e->rect(), cache_, e->rect());
    return;
  }
  painter.fillRect(e->rect(), background);
  painter.setClipRect(e->rect());
  PaintPage(painter, size(), picture_);
}

}  // namespace kopira::report
