#include "report/model/qr_page.h"

namespace kopira::report {

void TQRPage::setPaperSize(TQRPaperSize size) {
  paperSize_ = size;
  if (!hasTableSize(size)) return;
  const QSizeF paper = paperSizeNative(size, orientation_);
  values_[Width] = paper.width();
  values_[Length] = paper.height();
  changed();
}

void TQRPage::setOrientation(TQROrientation orientation) {
  orientation_ = orientation;
  setPaperSize(paperSize_);
}

void TQRPage::setValues(const Values& values) {
  values_ = values;
  changed();
}

void TQRPage::setWidth(double width) {
  if (paperSize_ != TQRPaperSize::Custom) return;
  values_[Width] = width;
  changed();
}

void TQRPage::setLength(double length) {
  if (paperSize_ != TQRPaperSize::Custom) return;
  values_[Length] = length;
  changed();
}

void TQRPage::setMargin(Value which, double length) {
  if (which == Width || which == Length) return;
  values_[which] = length;
  changed();
}

}  // namespace kopira::report
