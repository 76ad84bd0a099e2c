// The request dialog's print button: checks the office block, fills the
// request page, shows it in the preview and then records the request in the
// main window's history.
#include <array>

#include "app/controls/tmemo.h"
#include "app/history/held_history.h"
#include "app/printing/print_inputs.h"
#include "app/printing/tform5.h"
#include "forms/tform6.h"
#include "platform/clock.h"
#include "platform/era_date.h"
#include "platform/message_box.h"
#include "report/preview/show_preview.h"
#include "report/model/qr_label.h"

namespace {
// The office block prints into a box of three lines on the request form.
constexpr int kOfficeLinesOnRequest = 3;
}  // namespace

void TForm5::BitBtn2Click() {
  kopira::report::TQRReport& page = *Form6->QRReport1;
  // A press while the request's preview is still open only brings it to the
  // front; that preview's own wait appends the fields when it closes.
  if (kopira::report::PreviewIsOpen(page)) {
    kopira::report::ShowPreviewAndWait(page);
    return;
  }
  const kopira::print::PrintInputs& main = *kopira::print::MainWindowInputs;
  TMemoLines& office = main.Memo6->Lines();
  if (office.Count() > kOfficeLinesOnRequest) {
    kopira::messageBoxes().plain(QStringLiteral("このページを閉じて事務所住所を３行以内に書き替えてください。"));
    return;
  }
  const std::array<TEdit*, 6> fields{Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
  for (size_t i = 0; i < fields.size(); ++i) {
    page.label(QStringLiteral("QRLabel%1").arg(i + 1))->setCaption(fields[i]->text());
  }
  page.memo(QStringLiteral("QRMemo1"))->setLines(office.toStringList());
  page.label(QStringLiteral("QRLabel9"))->setCaption(main.Edit1->text());
  page.label(QStringLiteral("QRLabel8"))->setCaption(main.Edit2->text());
  page.label(QStringLiteral("QRLabel10"))->setCaption(main.Edit5->text());
  page.label(QStringLiteral("QRLabel7"))->setCaption(kopira::era::format(kopira::clock::today(), kopira::era::kRequestStamp));
  // Recorded when the preview closes, whether or not the page went to the
  // printer.
  const kopira::HeldHistory::Hold request(*main.history, [fields] {
    QStringList entries;
    for (const TEdit* field : fields) entries << field->text();
    return entries;
  });
  kopira::report::ShowPreviewAndWait(page);
}
