#pragma once
// The page image of the preview control: the page picture stretched over the
// widget, framed by a one-pixel outline and a two-pixel shadow. Large images
// are drawn from the picture for the exposed part only; smaller ones are
// rendered once and kept, so scrolling only copies pixels.
#include <QByteArray>
#include <QImage>
#include <QWidget>

namespace kopira::report {

class PageImage : public QWidget {
 public:
  explicit PageImage(QWidget* parent = nullptr);

  // Shows a recorded page picture (EMF bytes); an empty one shows a blank page.
  void SetPicture(const QByteArray& picture);
  // Sets the image size (the page at its zoom plus 4 pixels of border).
  void SetImageSize(const QSize& size);

  // Draws the framed page into a painter whose origin is the image's corner.
  static void PaintPage(QPainter& painter, const QSize& size, const QByteArray& picture);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  // Images up to this many pixels are rendered once and kept.
  static constexpr qint64 kMaxCachedPixels = 16 * 1024 * 1024;

  QByteArray picture_;
  QImage cache_;
};

}  // namespace kopira::report
