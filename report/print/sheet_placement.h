#pragma once
// Where the drawing goes on the printer's sheet. CUPS centres the job's
// page, which Qt sizes in whole points, on the queue's exact sheet; the
// drawing is moved back by that centring so every element lands at its
// distance from the sheet's edge, and then by the queue's print-position
// adjustment.
#include <QPointF>

#include "report/print/print_shift.h"

class QPainter;
class QPrinter;

namespace kopira::report {

// The move in device pixels of the printer for a shift.
QPointF sheetPlacement(const QPrinter& printer, const PrintShift& shift);

// Moves the painter, begun on the printer, by the placement with the
// queue's stored shift.
void placeOnSheet(QPainter& painter, const QPrinter& printer);

}  // namespace kopira::report
