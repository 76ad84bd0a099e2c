#include "report/print/print_dialog.h"

#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>

#include "report/print/print_shift_tab.h"

namespace kopira::report {
namespace {

class QtPrintDialogRunner : public PrintDialogRunner {
 public:
  bool Run(QWidget* parent, PrintDialogRequest& request) override {
    QPrinter printer(QPrinter::HighResolution);
    if (!request.printerName.isEmpty()) printer.setPrinterName(request.printerName);
    printer.setPageOrientation(request.orientation);
    printer.setCopyCount(request.copies);
    printer.setFromTo(request.fromPage, request.toPage);
    if (request.fromPage > 0) printer.setPrintRange(QPrinter::PageRange);

    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(request.minPage, request.maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    auto* shiftTab = new PrintShiftTab(printer.printerName());
    dialog.setOptionTabs({shiftTab});
    // The dialog's printer list: the tab follows the printer chosen there.
    if (auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers")))
      QObject::connect(printers, &QComboBox::currentTextChanged, shiftTab, &PrintShiftTab::setQueue);
    if (dialog.exec() != QDialog::Accepted) return false;
    request.shifts = shiftTab->changedShifts();

    request.printerName = printer.printerName();
    request.orientation = printer.pageLayout().orientation();
    request.copies = printer.copyCount();
    request.fromPage = printer.fromPage();
    request.toPage = printer.toPage();
    switch (printer.printRange()) {
      case QPrinter::PageRange:
        request.range = PrintDialogRequest::Range::Pages;
        break;
      case QPrinter::Selection:
        request.range = PrintDialogRequest::Range::Selection;
        break;
      default:
        request.range = PrintDialogRequest::Range::All;
        break;
    }
    return true;
  }
};

PrintDialogRunner* installed = nullptr;

}  // namespace

PrintDialogRunner& printDialogRunner() {
  static QtPrintDialogRunner qtRunner;
  return installed ? *installed : qtRunner;
}

void setPrintDialogRunner(PrintDialogRunner* runner) { installed = runner; }

}  // namespace kopira::report
