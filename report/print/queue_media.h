#pragma once
// The sheets of a print queue in the exact sizes its driver gives them.
// Qt lists a driver's sheet under the nearest standard size (JIS B4 as
// 729 x 1032 pt where the queue's own B4 is 727 x 1029 pt, or a driverless
// printer's 728.50 x 1031.81 pt), and CUPS centres the job's page on the
// driver's sheet.
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <optional>

namespace kopira::report {

// The queue's own sheet within 3 mm of a portrait size in millimetres, in
// exact points; none when the queue is not a CUPS queue or lists no such sheet.
std::optional<QSizeF> queueSheetPoints(const QString& printerName, const QSizeF& portraitMm);

// The queue's own sheet near a standard size (portrait), in whole points as
// the job describes it (the standard size itself where the two agree).
std::optional<QPageSize> queueSheet(const QString& printerName, const QPageSize& standard);

}  // namespace kopira::report
