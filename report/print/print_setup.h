#pragma once
// RunPrintSetup: the printer-setup action of a report page. Opens the system
// Print dialog for the report's printer and stores the choices in the report
// for its next print; the report's Tag tells whether the user confirmed (0)
// or cancelled (1).
class QWidget;

namespace kopira::report {

class TQRReport;

// finishedPages: the preview's page count once its pages are finished, else 0
// (the dialog then offers pages 0 to 9999).
void RunPrintSetup(TQRReport& report, int finishedPages, QWidget* parent = nullptr);

}  // namespace kopira::report
