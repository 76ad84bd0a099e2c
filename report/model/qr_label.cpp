#include "report/model/qr_label.h"

#include <algorithm>
#include <cmath>

#include "report/draw/destination.h"
#include "report/model/line_breaker.h"
#include "report/model/text_measure.h"

namespace kopira::report {

void TQRCustomLabel::setFont(const TQRFont& font) {
  font_ = font;
  BreakLines();
}

void TQRLabel::setCaption(const QString& caption) {
  caption_ = caption;
  BreakLines();
}

void TQRCustomLabel::BreakLines() {
  if (owner() == nullptr) return;
  const TextMeasure measure(font(), zoom());
  const auto width = [&measure](const QString& s) { return measure.width(s); };
  if (isMemo() && autoSize_) {
    formatted_ = sourceLines();
  } else {
    formatted_ = breakLines(sourceLines(), {autoSize_, wordWrap, pixelBounds().width()}, width);
  }
  QRect bounds = pixelBounds();
  if (autoSize_) {
    int widest = 0;
    for (const QString& line : formatted_) widest = std::max(widest, width(line));
    bounds = autoSizedBounds(widest);
  }
  if (!isMemo() || autoSize_) {
    const int minimum = measure.lineHeight() * zoom() / 100 + 1;
    if (bounds.height() < minimum) bounds.setHeight(minimum);
  }
  setPixelBounds(bounds);
}

QRect TQRCustomLabel::autoSizedBounds(int widest) const {
  QRect bounds = pixelBounds();
  const int change = widest - bounds.width();
  if (alignment == TAlignment::taRightJustify) bounds.moveLeft(bounds.left() - change);
  if (alignment == TAlignment::taCenter) {
    bounds.moveLeft(bounds.left() - static_cast<int>(std::floor(change / 2.0)));
  }
  bounds.setWidth(widest);
  return bounds;
}

void TQRCustomLabel::PrintAt(ReportDestination& destination, double offsetX, double offsetY) {
  if (!enabled) return;
  DrawSurface& surface = destination.surface();
  surface.setFont(font_.fontSpec(surface.dpiY()));
  const double pitch = surface.textExtent(QStringLiteral("W")).height() / destination.yFactor();

  double left = size().left + offsetX;
  double top = size().top + offsetY;
  const double height = size().height;
  const double width0 = size().width;
  BreakLines();
  const double width = size().width;

  if (!transparent) {
    const DeviceRect box = deviceBox(destination, left, top, width, height);
    surface.fillRect(box.left, box.top, box.right, box.bottom, color);
  }
  if (frame.drawTop) top += frame.nativeWidth();
  if (frame.drawLeft) left += frame.nativeWidth();
  const double bottomLimit = top + height + 1;

  double x = left;
  if (autoSize_ && alignment == TAlignment::taRightJustify) x = left - (width - width0);
  if (autoSize_ && alignment == TAlignment::taCenter) x = left - (width - width0) / 2;
  TextAlign align = TextAlign::Left;
  double anchor = x;
  if (alignment == TAlignment::taRightJustify) {
    align = TextAlign::Right;
    anchor = x + width;
  } else if (alignment == TAlignment::taCenter) {
    align = TextAlign::Center;
    anchor = x + width / 2;
  }

  int line = printFinished_ ? 0 : nextLine_;
  double y = top;
  while (line < formatted_.size() && y + pitch <= bottomLimit) {
    const QString& text = formatted_.at(line);
    if (!text.isEmpty()) {
      surface.textOut(destination.ToDeviceX(anchor), destination.ToDeviceY(y), align, text);
    }
    y += pitch;
    ++line;
  }
  nextLine_ = line;
  // Stretching is defined only inside a band; on the page surface what did
  // not fit is simply not printed.
  printFinished_ = !(line < formatted_.size() && autoStretch && inBand());

  if (frame.present()) {
    const DeviceRect box = deviceBox(destination, left, top, width, height);
    frame.draw(destination, box.left, box.top, box.right, box.bottom);
  }
}

}  // namespace kopira::report
