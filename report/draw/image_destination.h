#pragma once
// Pages drawn as images at a chosen resolution, one white QImage per page.
#include <QImage>
#include <QList>
#include <QPainter>
#include <memory>

#include "report/draw/destination.h"
#include "report/draw/painter_surface.h"

namespace kopira::report {

class ImageDestination : public ReportDestination {
 public:
  explicit ImageDestination(int dpi = 96) : dpi_(dpi > 0 ? dpi : 96) {}
  ~ImageDestination() override;

  const QList<QImage>& pages() const { return pages_; }

 protected:
  void startDocument() override;
  void openPage() override;
  void closePage() override;
  void finishDocument() override {}
  void abortDocument() override {}
  DrawSurface* pageSurface() override { return surface_.get(); }

 private:
  int dpi_;
  QList<QImage> pages_;
  QImage image_;
  QPainter painter_;
  std::unique_ptr<PainterSurface> surface_;
};

}  // namespace kopira::report
