#include "app/history/history_file.h"

#include <QDir>

#include "app/history/history_tidy.h"

namespace kopira {

HistoryFile::HistoryFile(const QString& folder) : file_(QDir(folder).filePath(QStringLiteral("kopiralog.txt"))) {}

void HistoryFile::load(TextPane& pane) { file_.loadInto(pane); }

void HistoryFile::close(TStrings& rows, TextPane& pane, CloseReport& report) {
  tidyAndCap(rows);
  const PaneFile::SaveOutcome outcome = file_.saveFrom(pane);
  report.record(file_, outcome);
  if (!outcome.saved()) file_.loadInto(pane);
}

}  // namespace kopira
