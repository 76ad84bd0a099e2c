#pragma once
// Pages generated into a PDF file (see pdf_document.h): the whole paper at a
// chosen resolution, the origin at the paper's corner. The file is written
// when the document ends; an aborted or unfinished run writes nothing.
#include <memory>
#include <optional>

#include "report/draw/destination.h"
#include "report/draw/painter_surface.h"
#include "report/draw/pdf_document.h"

namespace kopira::report {

class PdfDestination : public ReportDestination {
 public:
  explicit PdfDestination(const QString& fileName, int dpi = 600);
  ~PdfDestination() override;

  // Why the file could not be written at the end of the document.
  const std::optional<QString>& saveError() const { return saveError_; }

 protected:
  void startDocument() override;
  void openPage() override;
  void closePage() override {}
  void finishDocument() override;
  void abortDocument() override;
  DrawSurface* pageSurface() override { return surface_.get(); }

 private:
  QString fileName_;
  int dpi_;
  std::unique_ptr<PdfDocument> document_;
  std::unique_ptr<PainterSurface> surface_;
  std::optional<QString> saveError_;
};

}  // namespace kopira::report
