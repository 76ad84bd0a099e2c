#include "report/print/print_outcome.h"

#include <cups/cups.h>

namespace kopira::report {

QString describePrintOutcome(const PrintOutcome& outcome) {
  switch (outcome.kind) {
    case PrintOutcome::Kind::Sent:
      return QStringLiteral("%1 に送りました（%2部）").arg(outcome.queue).arg(outcome.copies);
    case PrintOutcome::Kind::NothingInRange:
      return QStringLiteral("印刷するページが範囲にないため、何も印刷しませんでした");
    case PrintOutcome::Kind::Cancelled:
      return QStringLiteral("印刷を中止しました");
    case PrintOutcome::Kind::NoPrinter:
      return QStringLiteral("プリンタが見つかりません。プリンタを設定してから印刷してください。");
    case PrintOutcome::Kind::Refused:
      return QStringLiteral("%1 が印刷を受け付けませんでした（%2）。").arg(outcome.queue, outcome.reason);
    case PrintOutcome::Kind::Failed:
      return outcome.reason;
  }
  return outcome.reason;
}

// Qt hands the job over with cupsPrintFile as the painter ends and keeps
// no answer; the answer is still CUPS's last one on this thread.
PrintOutcome handedToQueue(const QString& queue, int copies) {
  PrintOutcome outcome;
  outcome.queue = queue;
  outcome.copies = copies;
  if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
    outcome.kind = PrintOutcome::Kind::Refused;
    outcome.reason = QString::fromUtf8(cupsLastErrorString());
  }
  return outcome;
}

}  // namespace kopira::report
