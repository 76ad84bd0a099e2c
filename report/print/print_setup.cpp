#include "report/print/print_setup.h"

#include <QPrinterInfo>

#include "platform/message_box.h"
#include "report/print/print_dialog.h"
#include "report/print/printer_device.h"
#include "report/model/qr_report.h"

namespace kopira::report {
namespace {

// The shifts take effect from the next print; one that cannot be saved is
// said so, as it would be lost at the next start.
void storeShifts(const QHash<QString, PrintShift>& shifts) {
  PrintShiftStore* store = printShiftStore();
  if (!store) return;
  QStringList unsaved;
  for (auto it = shifts.cbegin(); it != shifts.cend(); ++it)
    if (!store->store(it.key(), it.value())) unsaved << it.key();
  if (!unsaved.isEmpty())
    messageBoxes().plain(QStringLiteral("印刷位置の調整（%1）を設定ファイルに保存できませんでした。")
                             .arg(unsaved.join(QStringLiteral("、"))));
}

}  // namespace

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
  request.duplex = settings.duplex;

  if (!printDialogRunner().Run(parent, request)) {
    report.tag = 1;
    return;
  }

  settings.copies = qMax(1, request.copies);
  settings.duplex = request.duplex;
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
  storeShifts(request.shifts);
}

}  // namespace kopira::report
