#include "app/printing/print_scheme.h"

#include "app/controls/tedit.h"
#include "app/controls/tmemo.h"
#include "app/history/held_history.h"
#include "platform/clock.h"
#include "platform/era_date.h"
#include "platform/message_box.h"
#include "report/preview/show_preview.h"
#include "report/model/qr_label.h"
#include "report/model/qr_report.h"

namespace kopira::print {

const PrintInputs* MainWindowInputs = nullptr;

namespace {

using report::TQRLabel;
using report::TQRMemo;
using report::TQRReport;

// Every form receives the office address in this memo.
const QString kOfficeMemo = QStringLiteral("QRMemo2");

// A table naming an element the page lacks is a fault of the program.
TQRMemo& memoOf(TQRReport& page, const QString& name) {
  TQRMemo* memo = page.memo(name);
  if (!memo) qFatal("print scheme: no memo %s on the page", qPrintable(name));
  return *memo;
}

TQRLabel& labelOf(TQRReport& page, const QString& name) {
  TQRLabel* label = page.label(name);
  if (!label) qFatal("print scheme: no label %s on the page", qPrintable(name));
  return *label;
}

// The company block broken into the rows of the hidden 216-pixel box.
QStringList rebrokenCompany(const PrintInputs& inputs) {
  inputs.Memo7->setText(inputs.Memo2->Text());
  return inputs.Memo7->Lines().toStringList();
}

void write(const PrintInputs& inputs, TQRReport& page, const FillIn& fillIn) {
  switch (fillIn.source) {
    case Source::CompanyLines:
      memoOf(page, fillIn.element).setLines(inputs.Memo2->Lines().toStringList());
      return;
    case Source::CompanyRebroken:
      memoOf(page, fillIn.element).setLines(rebrokenCompany(inputs));
      return;
    case Source::RealEstateLines:
      memoOf(page, fillIn.element).setLines(inputs.Memo1->Lines().toStringList());
      return;
    case Source::RegistryOffice:
      labelOf(page, fillIn.element).setCaption(inputs.Edit3->text());
      return;
    case Source::Municipality:
      labelOf(page, fillIn.element).setCaption(inputs.Edit4->text());
      return;
    case Source::Telephone:
      labelOf(page, fillIn.element).setCaption(inputs.Edit5->text());
      return;
  }
}

}  // namespace

void runPrintScheme(const PrintInputs& inputs, TQRReport& page, const PrintScheme& scheme) {
  // A press while this page's preview is still open only brings it to the
  // front: the open preview shows the earlier fill-ins, and its own wait
  // appends them to the history when it closes.
  if (report::PreviewIsOpen(page)) {
    report::ShowPreviewAndWait(page);
    return;
  }
  if (inputs.Memo6->Lines().Count() > kOfficeAddressLines) {
    messageBoxes().plain(scheme.officeMessage);
    return;
  }
  // Written before the remaining checks: a print they stop leaves it so.
  memoOf(page, kOfficeMemo).setLines(inputs.Memo6->Lines().toStringList());

  for (const RowCheck& check : scheme.checks) {
    const int rows = (inputs.*check.block)->Lines().Count();
    if (rows > check.limit) {
      messageBoxes().plain(check.before + QString::number(rows) + check.after);
      return;
    }
  }

  for (const FillIn& fillIn : scheme.fillIns) write(inputs, page, fillIn);
  labelOf(page, scheme.dateStamp).setCaption(era::format(clock::today(), era::kRegistryStamp));

  // Both blocks reach the history when the preview closes, whether or not
  // the user printed.
  const HeldHistory::Hold blocks(*inputs.history, [inputs] { return QStringList{inputs.Memo2->Text(), inputs.Memo1->Text()}; });
  report::ShowPreviewAndWait(page);
}

}  // namespace kopira::print
