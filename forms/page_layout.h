#pragma once
// The page layouts compiled into the program as resources (":/layouts/…").
#include <QString>
#include <memory>

#include "report/model/qr_report.h"

namespace kopira::forms {

// The report page of a compiled-in layout, e.g. ":/layouts/company.json".
// Throws ELayoutError when the layout cannot be read.
std::unique_ptr<report::TQRReport> loadPageLayout(const QString& resource);

// The report page of a page window, read from its layout when first used
// (or by load()): the windows are created at start, their pages are needed
// only by a print.
class DeferredPage {
 public:
  explicit DeferredPage(QString resource) : resource_(std::move(resource)) {}
  report::TQRReport& operator*() const { return page(); }
  report::TQRReport* operator->() const { return &page(); }
  void load() const { page(); }

 private:
  report::TQRReport& page() const;

  QString resource_;
  mutable std::unique_ptr<report::TQRReport> page_;
};

}  // namespace kopira::forms
