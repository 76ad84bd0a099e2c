#pragma once
// Where the program keeps its files. In a folder the user can write (a build
// tree, a program folder copied from another office) the settings file lives
// beside the program file. An installed program (its folder not writable, or
// the folder the package installs to) keeps the user's settings in
// $XDG_CONFIG_HOME/kopira/ and reads the office's defaults, for keys the
// user's file lacks, from the settings file beside the program or in
// $XDG_CONFIG_DIRS/kopira/ (/etc/xdg/kopira/). The history and note files
// live in $XDG_DATA_HOME/kopira/ when the program was started from the
// desktop menu (its desktop entry passes kStartedFromMenuFlag), else in the
// working folder.
#include <QString>
#include <QStringList>

namespace kopira::file_locations {

// The argument the desktop entry adds to the command line.
inline constexpr char kStartedFromMenuFlag[] = "--desktop";

// Set from the command line before the main window is created.
void setStartedFromMenu(bool fromMenu);

struct SettingsFiles {
  QString file;            // the file read and written
  QString officeDefaults;  // read-only defaults for missing keys; empty when none
};

// The settings files for the settings file name (e.g. "Kopira.ini") of the
// program file.
SettingsFiles settingsFiles(const QString& programFile, const QString& iniName);

// The folder of the history and note files; created when it is missing.
QString dataFolder();

// True when that folder is the one the program made for its files (started
// from the menu), not a working folder the user chose.
bool dataFolderIsProgramsOwn();

// The user's folder for what the program keeps of its own:
// $XDG_STATE_HOME/kopira (~/.local/state/kopira); not created here.
QString stateFolder();

}  // namespace kopira::file_locations
