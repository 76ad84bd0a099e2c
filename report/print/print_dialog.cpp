#include "report/print/print_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "report/print/print_shift_tab.h"
#include "report/print/printer_device.h"

namespace kopira::report {
namespace {

// Presses the dialog's 「オプション」 button as the dialog is shown: before
// that the button cannot unfold the options.
class UnfoldOnShow : public QObject {
 public:
  UnfoldOnShow(QAbstractButton* options, QObject* dialog) : QObject(dialog), options_(options) {
    dialog->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      watched->removeEventFilter(this);
      options_->click();
    }
    return false;
  }

 private:
  QAbstractButton* options_;
};

// Qt's dialog names its confirm button 「印刷」, which would promise a print
// the set-up never makes; its one button beside OK and Cancel unfolds the
// options.
void presentAsSetUp(QPrintDialog& dialog, bool printerInstalled) {
  dialog.setWindowTitle(QStringLiteral("プリンタの設定"));
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  if (!buttons) return;
  if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
    ok->setText(QStringLiteral("OK"));
    ok->setEnabled(printerInstalled);
  }
  for (QAbstractButton* button : buttons->buttons())
    if (buttons->standardButton(button) == QDialogButtonBox::NoButton) new UnfoldOnShow(button, &dialog);
  if (printerInstalled) return;
  if (auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers")))
    printers->setPlaceholderText(QStringLiteral("プリンタが見つかりません"));
  if (auto* properties = dialog.findChild<QPushButton*>(QStringLiteral("properties"))) properties->setEnabled(false);
}

class SetupDialogRunner : public PrintDialogRunner {
 public:
  bool Run(QWidget* parent, PrintDialogRequest& request) override {
    PrintSetupDialog setup(request, parent);
    if (setup.dialog().exec() != QDialog::Accepted) return false;
    setup.takeChoices(request);
    return true;
  }
};

PrintDialogRunner* installed = nullptr;

}  // namespace

PrintSetupDialog::PrintSetupDialog(const PrintDialogRequest& request, QWidget* parent)
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  QPrinter& printer = *printer_;
  if (!request.printerName.isEmpty()) printer.setPrinterName(request.printerName);
  printer.setPageOrientation(request.orientation);
  printer.setCopyCount(request.copies);
  printer.setDuplex(duplexModeFor(request.duplex));
  printer.setFromTo(request.fromPage, request.toPage);
  if (request.fromPage > 0) printer.setPrintRange(QPrinter::PageRange);

  dialog_ = std::make_unique<QPrintDialog>(&printer, parent);
  QPrintDialog& dialog = *dialog_;
  dialog.setMinMax(request.minPage, request.maxPage);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  shiftTab_ = new PrintShiftTab(printer.printerName());
  dialog.setOptionTabs({shiftTab_});
  // The dialog's printer list: the tab follows the printer chosen there.
  if (auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers")))
    QObject::connect(printers, &QComboBox::currentTextChanged, shiftTab_, &PrintShiftTab::setQueue);
  presentAsSetUp(dialog, printerInstalled());
}

PrintSetupDialog::~PrintSetupDialog() = default;

void PrintSetupDialog::takeChoices(PrintDialogRequest& request) const {
  const QPrinter& printer = *printer_;
  request.shifts = shiftTab_->changedShifts();
  request.printerName = printer.printerName();
  request.orientation = printer.pageLayout().orientation();
  request.copies = printer.copyCount();
  request.duplex = duplexOf(printer.duplex());
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
}

PrintDialogRunner& printDialogRunner() {
  static SetupDialogRunner setupRunner;
  return installed ? *installed : setupRunner;
}

void setPrintDialogRunner(PrintDialogRunner* runner) { installed = runner; }

}  // namespace kopira::report
