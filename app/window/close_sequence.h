#pragma once
// What the main window keeps when it closes: the history, the stored
// settings and the modified note panes, each in a step of its own so that a
// failure of one costs none of the others.
#include "app/files/stored_settings.h"
#include "app/history/history_file.h"
#include "app/history/note_panes.h"

namespace kopira {

struct ClosingWindow {
  HistoryFile& history;
  TStrings& historyRows;  // Memo5's line list
  TextPane& historyPane;  // Memo5
  TIniGT& ini;            // Form1's IniGT1
  const stored_settings::MainWindowFields& mainWindow;
  const stored_settings::DialogFields& dialog;
  NotePaneFiles& notes;
  const TextPane& memo4;
  const TextPane& memo3;
};

struct CloseOutcome {
  // False when nothing could keep some content and the user chose to try
  // again: the window is to stay open.
  bool ends = true;
  // Every file saved, or its new content kept where the message says.
  bool complete = true;
};

// Tidies, caps and saves the history, writes the settings, saves the note
// panes the user changed, then names whatever could not be saved in one
// plain message (or in the log when nobody is there to read it). Never
// throws.
CloseOutcome saveAtClose(const ClosingWindow& window, bool interactive);

}  // namespace kopira
