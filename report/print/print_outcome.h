#pragma once
// What became of a press of 印刷, and the words that tell the clerk: a
// job handed to the queue, nothing to print, no printer, the queue's
// refusal or the engine's failure.
#include <QString>

namespace kopira::report {

struct PrintOutcome {
  enum class Kind { Sent, NothingInRange, Cancelled, NoPrinter, Refused, Failed };
  PrintOutcome(Kind what = Kind::Sent) : kind(what) {}  // implicit: most outcomes are their kind alone
  static PrintOutcome failed(const QString& why) {
    PrintOutcome outcome(Kind::Failed);
    outcome.reason = why;
    return outcome;
  }

  Kind kind;
  QString queue;   // the queue the job went to (Sent, Refused)
  int copies = 1;  // Sent
  QString reason;  // CUPS's reason (Refused), the engine's message (Failed)

  // The clerk must act: shown in a message box rather than the status bar.
  bool needsAnswer() const { return kind == Kind::NoPrinter || kind == Kind::Refused || kind == Kind::Failed; }
};

// The Japanese text for the outcome.
QString describePrintOutcome(const PrintOutcome& outcome);

// After a QPrinter on a CUPS queue has ended (and so handed its job to
// CUPS): the job's outcome, Refused with CUPS's reason when the queue did
// not take it.
PrintOutcome handedToQueue(const QString& queue, int copies);

}  // namespace kopira::report
