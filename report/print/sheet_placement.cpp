#include "report/print/sheet_placement.h"

#include <QPainter>
#include <QPrinter>

#include "report/print/queue_media.h"

namespace kopira::report {
namespace {

// The centring CUPS applies to the page, undone, in points (portrait sheet).
QPointF centringUndone(const QPrinter& printer) {
  const QPageLayout layout = printer.pageLayout();
  const QSizeF page = layout.pageSize().sizePoints();
  const std::optional<QSizeF> sheet =
      queueSheetPoints(printer.printerName(), layout.pageSize().size(QPageSize::Millimeter));
  if (!sheet) return {};
  const QPointF portrait((page.width() - sheet->width()) / 2, (page.height() - sheet->height()) / 2);
  return layout.orientation() == QPageLayout::Landscape ? QPointF(portrait.y(), portrait.x()) : portrait;
}

}  // namespace

QPointF sheetPlacement(const QPrinter& printer, const PrintShift& shift) {
  const double pixelsPerPoint = printer.resolution() / 72.0;
  const double pixelsPerTenth = printer.resolution() / 254.0;
  return centringUndone(printer) * pixelsPerPoint + QPointF(shift.across, shift.down) * pixelsPerTenth;
}

void placeOnSheet(QPainter& painter, const QPrinter& printer) {
  painter.translate(sheetPlacement(printer, storedPrintShift(printer.printerName())));
}

}  // namespace kopira::report
