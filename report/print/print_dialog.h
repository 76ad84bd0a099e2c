#pragma once
// The system Print dialog behind one small interface, so a test can answer
// it. The request carries what the dialog is prepared with; on OK the runner
// writes the user's choices back into it.
#include <QHash>
#include <QPageLayout>
#include <QString>

#include "report/print/print_shift.h"

class QWidget;

namespace kopira::report {

struct PrintDialogRequest {
  enum class Range { All, Selection, Pages };

  // Prepared before the dialog opens, changed by the user on OK.
  QString printerName;  // empty: the system default
  int minPage = 0;
  int maxPage = 9999;
  int fromPage = 0;  // 0 with toPage 0: no range preset
  int toPage = 0;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  int copies = 1;
  // Chosen by the user.
  Range range = Range::All;
  // Print-position adjustments the user changed, per printer queue.
  QHash<QString, PrintShift> shifts;
};

class PrintDialogRunner {
 public:
  virtual ~PrintDialogRunner() = default;
  // True on OK (the request then holds the choices), false on cancel.
  virtual bool Run(QWidget* parent, PrintDialogRequest& request) = 0;
};

// The runner in use; QPrintDialog unless a test installed another.
PrintDialogRunner& printDialogRunner();
// Installs a runner (not owned); nullptr restores QPrintDialog.
void setPrintDialogRunner(PrintDialogRunner* runner);

}  // namespace kopira::report
