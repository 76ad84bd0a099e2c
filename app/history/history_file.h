#pragma once
// The history pane's file "kopiralog.txt": loaded when the main window is
// shown, tidied, capped and saved when it closes.
#include <QString>

#include "app/files/close_report.h"
#include "app/files/pane_file.h"
#include "platform/tstrings.h"

namespace kopira {

class HistoryFile {
 public:
  // The file in the given folder (the working directory in the program).
  explicit HistoryFile(const QString& folder);

  const PaneFile& file() const { return file_; }

  // Loads the history into the pane. Any failure leaves the pane as it
  // was, without a message.
  void load(TextPane& pane);

  // The history's part of the close: tidies and caps the rows, saves the
  // pane's text, and when that fails reloads the pane from the file and
  // notes the failure in the report. rows is the pane's line list.
  void close(TStrings& rows, TextPane& pane, CloseReport& report);

 private:
  PaneFile file_;
};

}  // namespace kopira
