#pragma once
// Renders a report page to a file and lists element boxes.
#include <QString>
#include <QStringList>

#include "report/model/qr_report.h"
#include "tools/render_options.h"

namespace kopira::tools {

// Writes the fill-ins into the report: a label's caption or a memo's lines.
// Throws std::runtime_error for an unknown element name.
void applyFillIns(report::TQRReport& report, const RenderOptions& options);

// Generates the page into the output file (by its extension) and returns the
// device boxes "name left top right bottom" of every element.
QStringList renderToFile(report::TQRReport& report, const RenderOptions& options);

}  // namespace kopira::tools
