#pragma once
// Printing a report page on the system printer: a printer object of its own
// for the run, the progress window while it lasts, the page generated again
// at the printer's resolution.
namespace kopira::report {

class TQRPrinter;
class TQRReport;

// Does nothing when no printer is installed. While the run lasts,
// printerSlot points at its printer object (so a close can cancel it); the
// previous value is restored afterwards. An engine error is shown in a plain
// message box.
void PrintReport(TQRReport& report, TQRPrinter*& printerSlot);

}  // namespace kopira::report
