#include "report/model/qr_report.h"

#include <algorithm>

#include "report/model/qr_label.h"
#include "report/model/qr_shape.h"
#include "report/core/rounding.h"
#include "report/model/text_measure.h"

namespace kopira::report {

TQRReport::TQRReport(QString name)
    : name_(std::move(name)), page_([this] { recomputeGeometry(); }) {
  recomputeGeometry();
}

TQRReport::~TQRReport() = default;

void TQRReport::setZoom(int zoom) {
  if (zoom < 1 || zoom > 300 || zoom == zoom_) return;
  zoom_ = zoom;
  recomputeGeometry();
}

double TQRReport::presented(double nativeValue, ValueDirection direction) const {
  const TextMeasure measure(font, 100);
  const UnitContext context{zoom_, QSizeF(measure.width(QStringLiteral("0")) - 1,
                                          measure.lineHeight())};
  return toPresented(nativeValue, units_, direction, context);
}

double TQRReport::native(double presentedValue, ValueDirection direction) const {
  const TextMeasure measure(font, 100);
  const UnitContext context{zoom_, QSizeF(measure.width(QStringLiteral("0")) - 1,
                                          measure.lineHeight())};
  return fromPresented(presentedValue, units_, direction, context);
}

void TQRReport::addBand(std::unique_ptr<TQRBand> band) {
  for (const auto& child : band->elements()) child->setParent(this, true);
  bands_.push_back(std::move(band));
  std::stable_sort(bands_.begin(), bands_.end(), [](const auto& a, const auto& b) {
    return printRank(a->bandType()) < printRank(b->bandType());
  });
  recomputeBandGeometry();
}

void TQRReport::addElement(std::unique_ptr<TQRPrintable> element) {
  element->setParent(this, false);
  elements_.push_back(std::move(element));
}

TQRPrintable* TQRReport::element(const QString& name) const {
  for (const auto& e : elements_) {
    if (e->name() == name) return e.get();
  }
  for (const auto& b : bands_) {
    for (const auto& e : b->elements()) {
      if (e->name() == name) return e.get();
    }
  }
  return nullptr;
}

TQRLabel* TQRReport::label(const QString& name) const {
  return dynamic_cast<TQRLabel*>(element(name));
}
TQRMemo* TQRReport::memo(const QString& name) const {
  return dynamic_cast<TQRMemo*>(element(name));
}
TQRShape* TQRReport::shape(const QString& name) const {
  return dynamic_cast<TQRShape*>(element(name));
}

TQRBand* TQRReport::band(const QString& name) const {
  for (const auto& b : bands_) {
    if (b->name() == name) return b.get();
  }
  return nullptr;
}

void TQRReport::recomputeGeometry() {
  pixelSize_ = QSize(roundHalfEven(nativeToPixels(page_.value(TQRPage::Width), zoom_)),
                     roundHalfEven(nativeToPixels(page_.value(TQRPage::Length), zoom_)));
  recomputeBandGeometry();
  for (const auto& e : elements_) e->recomputePixelBounds();
}

void TQRReport::recomputeBandGeometry() {
  const double width = page_.value(TQRPage::Width) - page_.value(TQRPage::LeftMargin) -
                       page_.value(TQRPage::RightMargin);
  const int left = roundHalfEven(nativeToPixels(page_.value(TQRPage::LeftMargin), zoom_));
  const int pixelWidth = roundHalfEven(nativeToPixels(width, zoom_));
  int top = roundHalfEven(nativeToPixels(page_.value(TQRPage::TopMargin), zoom_));
  for (const auto& b : bands_) {
    b->width = width;
    const int height = roundHalfEven(nativeToPixels(b->height, zoom_));
    b->pixelBounds = QRect(left, top, pixelWidth, height);
    top += height;
    for (const auto& child : b->elements()) child->recomputePixelBounds();
  }
}

}  // namespace kopira::report
