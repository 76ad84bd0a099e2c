#include "report/draw/image_destination.h"

#include <cmath>

#include "report/draw/page_buffer.h"
#include "report/core/qr_error.h"

namespace kopira::report {

ImageDestination::~ImageDestination() {
  if (painter_.isActive()) painter_.end();
}

void ImageDestination::startDocument() {
  pages_.clear();
  setFactors(dpi_ / 254.0, dpi_ / 254.0);
  setOffsets(0, 0);
}

void ImageDestination::openPage() {
  // A page beyond a gigabyte of pixels is an absurd layout, not a picture.
  constexpr long long kMaxPixels = 1LL << 28;
  const QSize size = pagePixelSize();
  const bool sane = !size.isEmpty() && static_cast<long long>(size.width()) * size.height() <= kMaxPixels;
  image_ = sane ? makeWhitePageImage(size) : QImage();
  if (image_.isNull()) {
    throw EQRError(QStringLiteral("page image %1 x %2 cannot be made").arg(size.width()).arg(size.height()));
  }
  const int dotsPerMetre = static_cast<int>(std::lround(dpi_ / 0.0254));
  image_.setDotsPerMeterX(dotsPerMetre);
  image_.setDotsPerMeterY(dotsPerMetre);
  painter_.begin(&image_);
  surface_ = std::make_unique<PainterSurface>(painter_);
}

void ImageDestination::closePage() {
  surface_.reset();
  painter_.end();
  pages_.append(image_);
  image_ = QImage();
}

}  // namespace kopira::report
