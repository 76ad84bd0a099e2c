#pragma once
// TQRPreview: the scrolling control of the preview window that shows one
// page of a printer object's page store as an image with a border and a
// shadow, at a zoom in percent (2 to 2000), to fit, or to the control's
// width.
#include <QPointer>
#include <QScrollArea>

#include "report/print/qr_printer.h"

namespace kopira::report {

class PageImage;

enum class TQRZoomState { ZoomToFit, ZoomToWidth, ZoomOther };

class TQRPreview : public QScrollArea {
  Q_OBJECT
 public:
  explicit TQRPreview(QWidget* parent = nullptr);
  ~TQRPreview() override;

  // The printer object whose pages are shown (not owned); nullptr for none.
  void SetQRPrinter(TQRPrinter* printer);
  TQRPrinter* QRPrinter() const { return printer_; }

  int Zoom() const { return zoom_; }
  void SetZoom(int percent);
  void ZoomToFit();
  void ZoomToWidth();
  TQRZoomState ZoomState() const { return zoomState_; }

  int PageNumber() const { return pageNumber_; }
  void SetPageNumber(int page);
  // Shows the current page again.
  void UpdateImage();
  // After the printer object's pages were replaced: page 1, the zoom mode
  // applied again for the new paper.
  void ShowFirstPage();
  // Whether the image shows a page yet.
  bool ShowsPage() const { return showsPage_; }

  // The page image widget inside the scroll area.
  QWidget* Image() const;

 Q_SIGNALS:
  // Announcements of the printer object, passed on to the window.
  void PageAvailable(int availablePages);
  void ProgressUpdate(int percent);

 protected:
  bool event(QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  // Page size in screen pixels at zoom 100.
  QSize PagePixels() const;
  void ApplyZoom(int percent);
  void ApplyZoomState();
  void ResetScroll();

  QPointer<TQRPrinter> printer_;
  PageImage* image_;
  int zoom_ = 100;
  TQRZoomState zoomState_ = TQRZoomState::ZoomOther;
  int pageNumber_ = 1;
  bool showsPage_ = false;
};

}  // namespace kopira::report
