#pragma once
// Pages written to a PDF file: the whole paper at a chosen resolution, the
// origin at the paper's corner.
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "report/destination.h"
#include "report/painter_surface.h"

namespace kopira::report {

class PdfDestination : public ReportDestination {
 public:
  PdfDestination(const QString& fileName, int dpi = 600);
  ~PdfDestination() override;

 protected:
  void startDocument() override;
  void openPage() override;
  void closePage() override {}
  void finishDocument() override;
  void abortDocument() override { finishDocument(); }
  DrawSurface* pageSurface() override { return surface_.get(); }

 private:
  QString fileName_;
  int dpi_;
  std::unique_ptr<QPdfWriter> writer_;
  QPainter painter_;
  std::unique_ptr<PainterSurface> surface_;
};

}  // namespace kopira::report
