#pragma once
// The printer set-up dialog behind one small interface, so a test can
// answer it. The request carries what the dialog is prepared with; on OK
// the runner writes the user's choices back into it.
#include <QHash>
#include <QPageLayout>
#include <QString>
#include <memory>

#include "report/core/printer_settings.h"
#include "report/print/print_shift.h"

class QPrintDialog;
class QPrinter;
class QWidget;

namespace kopira::report {

class PrintShiftTab;

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
  TQRDuplex duplex = TQRDuplex::None;
  // Chosen by the user.
  Range range = Range::All;
  // Print-position adjustments the user changed, per printer queue.
  QHash<QString, PrintShift> shifts;
};

// The system Print dialog as the set-up dialog: it keeps the choices for
// the next print and prints nothing, so it is titled 「プリンタの設定」 and
// confirmed with 「OK」; its options, with the 「印刷位置の調整」 tab, are
// shown from the start. With no printer installed 「OK」 is disabled and the
// printer list says 「プリンタが見つかりません」.
class PrintSetupDialog {
 public:
  PrintSetupDialog(const PrintDialogRequest& request, QWidget* parent);
  ~PrintSetupDialog();

  QPrintDialog& dialog() const { return *dialog_; }
  // The choices made in the dialog, written into the request.
  void takeChoices(PrintDialogRequest& request) const;

 private:
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPrintDialog> dialog_;
  PrintShiftTab* shiftTab_;
};

class PrintDialogRunner {
 public:
  virtual ~PrintDialogRunner() = default;
  // True on OK (the request then holds the choices), false on cancel.
  virtual bool Run(QWidget* parent, PrintDialogRequest& request) = 0;
};

// The runner in use; PrintSetupDialog unless a test installed another.
PrintDialogRunner& printDialogRunner();
// Installs a runner (not owned); nullptr restores PrintSetupDialog.
void setPrintDialogRunner(PrintDialogRunner* runner);

}  // namespace kopira::report
