#include "report/draw/destination.h"

#include "report/core/qr_error.h"
#include "report/core/rounding.h"

namespace kopira::report {

void ReportDestination::BeginDoc() {
  if (status_ != Status::Ready) throw EQRError(kNotReadyMessage);
  pageCount_ = 0;
  availablePages_ = 0;
  cancelled_ = false;
  status_ = Status::Busy;
  startDocument();
}

void ReportDestination::NewPage() {
  if (status_ != Status::Busy) throw EQRError(kBadNewPageMessage);
  closeOpenPage();
  ++pageCount_;
  openPage();
  pageOpen_ = true;
}

void ReportDestination::EndDoc() {
  if (status_ != Status::Busy) return;
  closeOpenPage();
  status_ = Status::Finished;
  processPendingEvents();
  finishDocument();
}

void ReportDestination::Abort() {
  if (status_ != Status::Busy) return;
  closeOpenPage();
  status_ = Status::Finished;
  abortDocument();
}

void ReportDestination::closeOpenPage() {
  if (!pageOpen_) return;
  pageOpen_ = false;
  closePage();
  ++availablePages_;
  if (pageAvailable_) pageAvailable_(availablePages_);
}

int ReportDestination::ToDeviceX(double v) const {
  return roundHalfEven((v - leftOffset_) * xFactor_);
}
int ReportDestination::ToDeviceY(double v) const {
  return roundHalfEven((v - topOffset_) * yFactor_);
}
int ReportDestination::ToDeviceWidth(double v) const { return roundHalfEven(v * xFactor_); }
int ReportDestination::ToDeviceHeight(double v) const { return roundHalfEven(v * yFactor_); }

DrawSurface& ReportDestination::surface() {
  DrawSurface* s = pageOpen_ ? pageSurface() : nullptr;
  if (s == nullptr) throw EQRError(kBadNewPageMessage);
  return *s;
}

void ReportDestination::processPendingEvents() {
  if (eventHook_) eventHook_();
}

QSizeF ReportDestination::paperNative() const {
  if (hasTableSize(values_.paperSize)) return paperSizeNative(values_.paperSize, values_.orientation);
  return {values_.paperWidth, values_.paperLength};
}

QSize ReportDestination::pagePixelSize() const {
  const QSizeF paper = paperNative();
  return {ToDeviceWidth(paper.width()), ToDeviceHeight(paper.height())};
}

}  // namespace kopira::report
