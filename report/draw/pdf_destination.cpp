#include "report/draw/pdf_destination.h"

namespace kopira::report {

PdfDestination::PdfDestination(const QString& fileName, int dpi)
    : fileName_(fileName), dpi_(dpi > 0 ? dpi : 600) {}

PdfDestination::~PdfDestination() { abortDocument(); }

void PdfDestination::startDocument() {
  setFactors(dpi_ / 254.0, dpi_ / 254.0);
  setOffsets(0, 0);
  saveError_.reset();
  document_ = std::make_unique<PdfDocument>(printerValues().title, dpi_);
}

void PdfDestination::openPage() {
  surface_.reset();
  const PrinterValues& values = printerValues();
  surface_ = std::make_unique<PainterSurface>(document_->newPage(values.paperSize, values.orientation, paperNative()));
}

void PdfDestination::finishDocument() {
  surface_.reset();
  if (document_) saveError_ = document_->saveTo(fileName_);
  document_.reset();
}

void PdfDestination::abortDocument() {
  surface_.reset();
  document_.reset();
}

}  // namespace kopira::report
