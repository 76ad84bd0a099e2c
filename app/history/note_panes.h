#pragma once
// The two note panes' files: "memo3.txt" behind Memo4 (real-estate group)
// and "memo2.txt" behind Memo3 (company group).
#include <QString>

#include "app/files/close_report.h"
#include "app/files/pane_file.h"

namespace kopira {

class NotePaneFiles {
 public:
  // What happens to a note file missing at start.
  enum class WhenMissing {
    Ask,          // a message asks the user to create it
    CreateEmpty,  // it is created empty, silently: the folder is the program's
  };

  // The files in the given folder.
  explicit NotePaneFiles(const QString& folder, WhenMissing whenMissing = WhenMissing::Ask);

  // Loads "memo3.txt" into memo4, then "memo2.txt" into memo3. A file that
  // cannot be loaded is named in a plain message box; its pane keeps the
  // text it had.
  void load(TextPane& memo4, TextPane& memo3);

  // Saves each pane the user modified, memo4 first; a failure of one does
  // not keep the other from being saved. Failures go to the report.
  void save(const TextPane& memo4, const TextPane& memo3, CloseReport& report);

 private:
  void loadOrAsk(PaneFile& file, TextPane& pane);

  PaneFile memo3Txt_;
  PaneFile memo2Txt_;
  WhenMissing whenMissing_;
};

}  // namespace kopira
