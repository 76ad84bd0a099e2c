#include "report/preview/print_setup.h"

#include <QPrinterInfo>

#include "report/preview/print_dialog.h"
#include "report/preview/printer_device.h"
#include "report/qr_report.h"

namespace kopira::report {

void RunPrintSetup(TQRReport& report, int finishedPages, QWidget* parent) {
  TQRPrinterSettings& settings = report.printerSettings;
  PrintDialogRequest request;
  const QStringList printers = QPrinterInfo::availablePrinterNames();
  if (settings.printerIndex >= 0 && settings.printerIndex < printers.size())
    request.printerName = printers.at(settings.printerIndex);
  if (finishedPages > 0) {
    request.minPage = 1;
    request.maxPage = finishedPages;
    request.fromPage = 1;
    request.toPage = finishedPages;
  }
  request.orientation = report.page().orientation() == TQROrientation::poLandscape ? QPageLayout::Landscape
                                                                                   : QPageLayout::Portrait;
  request.copies = settings.copies;

  if (!printDialogRunner().Run(parent, request)) {
    report.tag = 1;
    return;
  }

  settings.copies = qMax(1, request.copies);
  const int chosen = printerIndexOf(request.printerName);
  if (chosen >= 0) settings.printerIndex = chosen;
  report.page().setOrientation(request.orientation == QPageLayout::Landscape ? TQROrientation::poLandscape
                                                                             : TQROrientation::poPortrait);
  if (request.range == PrintDialogRequest::Range::Pages) {
    settings.firstPage = request.fromPage;
    settings.lastPage = request.toPage;
  } else {
    settings.firstPage = 0;
    settings.lastPage = 0;
  }
  report.tag = 0;
}

}  // namespace kopira::report
