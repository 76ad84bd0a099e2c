#pragma once
// The calibration sheet from which the user reads a printer's
// print-position adjustment with a ruler: crosses at known distances from
// the sheet's left and top edges, labelled with them, and a millimetre
// scale along the top and the left with which the user checks that the
// printer does not stretch the page. Nothing lies within 9 mm of an edge,
// so printers that cannot print the outer 5 mm print the whole sheet.
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "report/core/paper_sizes.h"
#include "report/print/print_outcome.h"
#include "report/print/print_shift.h"

class QPainter;

namespace kopira::report {

struct CalibrationCross {
  QPointF centreMm;  // from the sheet's left and top edge
  QString label;     // what the sheet prints beside it
};

// The crosses of a sheet of the given size.
QList<CalibrationCross> calibrationCrosses(const QSizeF& sheetMm);

// The boxes of the sheet's texts in mm, as they are drawn at the resolution.
QList<QRectF> calibrationTextBoxes(const QSizeF& sheetMm, const PrintShift& shift, double dpi);

// Draws the sheet onto a painter whose device has the given resolution,
// with the origin at the sheet's corner.
void drawCalibrationSheet(QPainter& painter, double dpi, const QSizeF& sheetMm, const PrintShift& shift);

// Prints the sheet on the queue on A4 or B4, moved as everything printed on
// that queue is, by the given shift.
PrintOutcome PrintCalibrationSheet(const QString& queue, TQRPaperSize paper, const PrintShift& shift);

}  // namespace kopira::report
