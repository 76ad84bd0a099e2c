#include "app/window/close_sequence.h"

#include <QFileInfo>

namespace kopira {

CloseOutcome saveAtClose(const ClosingWindow& window, bool interactive) {
  CloseReport report;
  window.history.close(window.historyRows, window.historyPane, report);
  const QString settingsName = QFileInfo(window.ini.path()).fileName();
  const stored_settings::WriteOutcome settings = stored_settings::writeAll(window.ini, window.mainWindow, window.dialog);
  report.refused(settingsName, settings.refused);
  if (!settings.keptAs.isEmpty()) report.keptAside(settingsName, settings.keptAs);
  if (settings.unsaved) report.notSaved(settingsName, *settings.unsaved);
  window.notes.save(window.memo4, window.memo3, report);
  return {report.tell(interactive), report.complete()};
}

}  // namespace kopira
