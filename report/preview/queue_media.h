#pragma once
// The sheets of a print queue in the exact sizes its driver gives them.
// Qt lists a driver's sheet under the nearest standard size (JIS B4 as
// 729 x 1032 pt where the queue's own B4 is 727 x 1029 pt), and CUPS centres
// a page of the standard size on the driver's sheet: laid out on the
// driver's own size, the page lands at its distances from the sheet's edge.
#include <QPageSize>
#include <QString>
#include <optional>

namespace kopira::report {

// The queue's own sheet within 3 mm of a standard size (portrait), in whole
// points as the job describes it (the standard size itself where the two
// agree); none when the queue is not a CUPS queue or lists no such sheet.
std::optional<QPageSize> queueSheet(const QString& printerName, const QPageSize& standard);

}  // namespace kopira::report
