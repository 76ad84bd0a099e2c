#include "forms/page_layout.h"

#include "report/model/layout_loader.h"

// A resource in a static library is registered only when something refers
// to it; this must stand outside any namespace.
static void registerLayoutResources() { Q_INIT_RESOURCE(layouts); }

namespace kopira::forms {

std::unique_ptr<report::TQRReport> loadPageLayout(const QString& resource) {
  static const bool registered = (registerLayoutResources(), true);
  Q_UNUSED(registered);
  return report::loadLayout(resource);
}

report::TQRReport& DeferredPage::page() const {
  if (!page_) page_ = loadPageLayout(resource_);
  return *page_;
}

}  // namespace kopira::forms
