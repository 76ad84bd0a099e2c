#pragma once
// Printing a report page on the system printer: a printer object of its own
// for the run, the progress window while it lasts, the page generated again
// at the printer's resolution.
#include "report/print/print_outcome.h"

namespace kopira::report {

class TQRPrinter;
class TQRReport;

// Prints nothing when no printer is installed. While the run lasts,
// printerSlot points at its printer object (so a close can cancel it); the
// previous value is restored afterwards. Shows nothing itself: the outcome
// (an engine error as Failed) is for the caller to tell.
PrintOutcome PrintReport(TQRReport& report, TQRPrinter*& printerSlot);

}  // namespace kopira::report
