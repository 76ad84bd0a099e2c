#include "report/draw/emf_destination.h"

#include "report/core/rounding.h"

namespace kopira::report {

void EmfDestination::startDocument() {
  pages_.clear();
  setFactors(dpi_ / 254.0, dpi_ / 254.0);
  setOffsets(0, 0);
}

void EmfDestination::openPage() {
  const QSizeF paper = paperNative();
  const QSize frame(roundHalfEven(paper.width() * 10), roundHalfEven(paper.height() * 10));
  recorder_ = std::make_unique<EmfRecorder>(pagePixelSize(), dpi_, frame);
}

void EmfDestination::closePage() {
  pages_.append(recorder_->finish());
  recorder_.reset();
}

}  // namespace kopira::report
