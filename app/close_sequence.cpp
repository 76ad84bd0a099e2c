#include "app/close_sequence.h"

#include <QFileInfo>
#include <exception>

namespace kopira {

void saveAtClose(const ClosingWindow& window, bool interactive) {
  CloseReport report;
  window.history.close(window.historyRows, window.historyPane, report);
  try {
    stored_settings::writeAll(window.ini, window.mainWindow, window.dialog);
  } catch (const std::exception&) {
    report.notSaved(QFileInfo(window.ini.path()).fileName());
  }
  window.notes.save(window.memo4, window.memo3, report);
  report.tell(interactive);
}

}  // namespace kopira
