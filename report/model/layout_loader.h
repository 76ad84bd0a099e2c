#pragma once
// Reading a page layout (docs/layout-format.md) into a report page. A file
// with a missing required value, an unknown key or a malformed value is
// refused as a whole with ELayoutError naming the element and property
// ("QRLabel25.size: expected 4 numbers").
#include <QByteArray>
#include <QString>
#include <memory>

#include "report/model/qr_report.h"

namespace kopira::report {

// From a file or a Qt resource (":/layouts/land.json").
std::unique_ptr<TQRReport> loadLayout(const QString& fileName);
// From the JSON text itself; sourceName only goes into messages.
std::unique_ptr<TQRReport> loadLayoutJson(const QByteArray& json,
                                          const QString& sourceName = QStringLiteral("layout"));

}  // namespace kopira::report
