#pragma once
// Pages recorded as EMF page pictures at the screen's resolution, as the
// preview shows them and saved report files keep them.
#include <QByteArray>
#include <QList>
#include <memory>

#include "report/draw/destination.h"
#include "report/emf/emf_recorder.h"

namespace kopira::report {

class EmfDestination : public ReportDestination {
 public:
  explicit EmfDestination(int dpi = 96) : dpi_(dpi > 0 ? dpi : 96) {}

  // One complete EMF file per finished page.
  const QList<QByteArray>& pages() const { return pages_; }

 protected:
  void startDocument() override;
  void openPage() override;
  void closePage() override;
  void finishDocument() override {}
  void abortDocument() override {}
  DrawSurface* pageSurface() override { return recorder_.get(); }

 private:
  int dpi_;
  QList<QByteArray> pages_;
  std::unique_ptr<EmfRecorder> recorder_;
};

}  // namespace kopira::report
