#include "report/preview/qr_preview.h"

#include <QScrollBar>

#include "report/core/paper_sizes.h"
#include "report/preview/page_image.h"
#include "report/print/qr_events.h"
#include "report/core/rounding.h"

namespace kopira::report {

TQRPreview::TQRPreview(QWidget* parent) : QScrollArea(parent), image_(new PageImage) {
  setObjectName(QStringLiteral("QRPreview"));
  setWidgetResizable(false);
  setAlignment(Qt::AlignCenter);
  setWidget(image_);
  // Scroll bars follow the thumb while it is dragged.
  horizontalScrollBar()->setTracking(true);
  verticalScrollBar()->setTracking(true);
  ApplyZoom(zoom_);
}

TQRPreview::~TQRPreview() = default;

QWidget* TQRPreview::Image() const { return image_; }

void TQRPreview::SetQRPrinter(TQRPrinter* printer) {
  printer_ = printer;
  showsPage_ = false;
  image_->SetPicture(QByteArray());
}

QSize TQRPreview::PagePixels() const {
  const QSizeF paper = printer_ ? printer_->PaperSizeNative()
                                : paperSizeNative(TQRPaperSize::Letter, TQROrientation::poPortrait);
  return {roundHalfEven(paper.width() * kScreenFactor), roundHalfEven(paper.height() * kScreenFactor)};
}

void TQRPreview::ApplyZoom(int percent) {
  zoom_ = percent;
  const QSizeF paper = printer_ ? printer_->PaperSizeNative()
                                : paperSizeNative(TQRPaperSize::Letter, TQROrientation::poPortrait);
  image_->SetImageSize({roundHalfEven(paper.width() * percent / 100 * kScreenFactor) + 4,
                        roundHalfEven(paper.height() * percent / 100 * kScreenFactor) + 4});
  ResetScroll();
}

void TQRPreview::SetZoom(int percent) {
  if (percent < 2 || percent > 2000) return;
  zoomState_ = TQRZoomState::ZoomOther;
  ApplyZoom(percent);
}

void TQRPreview::ZoomToFit() {
  const QSize page = PagePixels();
  if (page.isEmpty()) return;
  const int byWidth = roundHalfEven(static_cast<double>(width()) / page.width() * 95);
  const int byHeight = roundHalfEven(static_cast<double>(height()) / page.height() * 95);
  ApplyZoom(qBound(2, qMin(byWidth, byHeight), 2000));
  zoomState_ = TQRZoomState::ZoomToFit;
}

void TQRPreview::ZoomToWidth() {
  const QSize page = PagePixels();
  if (page.isEmpty()) return;
  ApplyZoom(qBound(2, roundHalfEven(static_cast<double>(width()) / page.width() * 90), 2000));
  zoomState_ = TQRZoomState::ZoomToWidth;
}

void TQRPreview::ApplyZoomState() {
  switch (zoomState_) {
    case TQRZoomState::ZoomToFit:
      ZoomToFit();
      break;
    case TQRZoomState::ZoomToWidth:
      ZoomToWidth();
      break;
    case TQRZoomState::ZoomOther:
      ApplyZoom(zoom_);
      break;
  }
}

void TQRPreview::SetPageNumber(int page) {
  if (!printer_ || page < 1 || page > printer_->PageCount() || page == pageNumber_) return;
  pageNumber_ = page;
  UpdateImage();
  ResetScroll();
}

void TQRPreview::UpdateImage() {
  if (!printer_) return;
  image_->SetPicture(printer_->GetPage(pageNumber_));
  showsPage_ = true;
}

void TQRPreview::ShowFirstPage() {
  pageNumber_ = 1;
  ApplyZoomState();
  UpdateImage();
}

void TQRPreview::ResetScroll() {
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
}

bool TQRPreview::event(QEvent* e) {
  if (e->type() == TQRPageAvailableEvent::type()) {
    if (!showsPage_ && printer_) {
      ZoomToWidth();
      UpdateImage();
    }
    Q_EMIT PageAvailable(static_cast<TQRPageAvailableEvent*>(e)->pages());
    return true;
  }
  if (e->type() == TQRProgressEvent::type()) {
    Q_EMIT ProgressUpdate(static_cast<TQRProgressEvent*>(e)->percent());
    return true;
  }
  return QScrollArea::event(e);
}

void TQRPreview::resizeEvent(QResizeEvent* e) {
  QScrollArea::resizeEvent(e);
  ApplyZoomState();
}

}  // namespace kopira::report
