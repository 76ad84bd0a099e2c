#pragma once
// The calibration sheet from which the user reads a printer's
// print-position adjustment with a ruler: crosses at known distances from
// the sheet's edges, labelled with them, and a millimetre scale along the
// top and the left edge, numbered from the edge.
#include <QSizeF>
#include <QString>
#include <optional>

#include "report/core/paper_sizes.h"
#include "report/print/print_shift.h"

class QPainter;

namespace kopira::report {

// Draws the sheet onto a painter whose device has the given resolution,
// with the origin at the sheet's corner.
void drawCalibrationSheet(QPainter& painter, double dpi, const QSizeF& sheetMm, const PrintShift& shift);

// Prints the sheet on the queue on A4 or B4, moved as everything printed on
// that queue is, by the given shift. A message for the user when it could
// not be printed.
std::optional<QString> PrintCalibrationSheet(const QString& queue, TQRPaperSize paper, const PrintShift& shift);

}  // namespace kopira::report
