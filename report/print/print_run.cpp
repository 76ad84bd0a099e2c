#include "report/print/print_run.h"

#include <memory>

#include "report/print/progress_form.h"
#include "report/print/qr_printer.h"
#include "report/core/qr_error.h"
#include "report/model/qr_report.h"

namespace kopira::report {

PrintOutcome PrintReport(TQRReport& report, TQRPrinter*& printerSlot) {
  TQRPrinter printer(TQRPrinter::Destination::Printer);
  if (!printer.PrinterOK()) return {PrintOutcome::Kind::NoPrinter};

  std::unique_ptr<TQRProgressForm> progress;
  if (report.showProgress) {
    progress = std::make_unique<TQRProgressForm>();
    progress->setOnCancel([&printer] { printer.Cancel(); });
    printer.SetClient(progress.get());
    progress->show();
  }
  // The slot's object is set aside for the run and restored however it ends.
  struct SetAside {
    TQRPrinter*& slot;
    TQRPrinter* const previous;
    ~SetAside() { slot = previous; }
  } setAside{printerSlot, printerSlot};
  printerSlot = &printer;
  try {
    report.GeneratePages(printer);
  } catch (const EQRError& error) {
    return PrintOutcome::failed(error.message());
  }
  if (printer.cancelled()) return {PrintOutcome::Kind::Cancelled};
  return printer.Outcome();
}

}  // namespace kopira::report
