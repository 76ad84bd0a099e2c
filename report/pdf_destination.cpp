#include "report/pdf_destination.h"

#include <QPageLayout>
#include <QPageSize>

#include "report/qr_error.h"

namespace kopira::report {

PdfDestination::PdfDestination(const QString& fileName, int dpi)
    : fileName_(fileName), dpi_(dpi > 0 ? dpi : 600) {}

PdfDestination::~PdfDestination() { finishDocument(); }

void PdfDestination::startDocument() {
  setFactors(dpi_ / 254.0, dpi_ / 254.0);
  setOffsets(0, 0);
  const QSizeF paper = paperNative() / 10.0;  // mm
  writer_ = std::make_unique<QPdfWriter>(fileName_);
  writer_->setResolution(dpi_);
  writer_->setTitle(printerValues().title);
  QPageLayout layout(QPageSize(paper, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                     QPageLayout::Portrait, QMarginsF());
  layout.setMode(QPageLayout::FullPageMode);
  writer_->setPageLayout(layout);
}

void PdfDestination::openPage() {
  if (painter_.isActive()) {
    surface_.reset();
    writer_->newPage();
  } else if (!painter_.begin(writer_.get())) {
    throw EQRError(QStringLiteral("cannot write %1").arg(fileName_));
  }
  surface_ = std::make_unique<PainterSurface>(painter_);
}

void PdfDestination::finishDocument() {
  surface_.reset();
  if (painter_.isActive()) painter_.end();
  writer_.reset();
}

}  // namespace kopira::report
