#pragma once
// The page layouts compiled into the program as resources (":/layouts/…").
#include <QString>
#include <memory>

#include "report/qr_report.h"

namespace kopira::forms {

// The report page of a compiled-in layout, e.g. ":/layouts/company.json".
// Throws ELayoutError when the layout cannot be read.
std::unique_ptr<report::TQRReport> loadPageLayout(const QString& resource);

}  // namespace kopira::forms
