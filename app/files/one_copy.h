#pragma once
// One copy of the program per set of files: before its windows are made, a
// start locks the folders of the files it keeps. When another copy of the
// same user on this computer holds them, that copy comes to the front and
// this start ends; when a copy elsewhere (another computer, another user)
// holds them, or a holder that cannot be named, the user is told who and
// where (or why nobody can be named) and may open a read-only copy that
// writes none of the shared files.
#include <QStringList>

#include "app/files/files_lock.h"

namespace kopira::one_copy {

enum class Start {
  Editable,  // the lock is held: this copy keeps the files
  ReadOnly,  // another copy keeps them; this one writes none of them
  End,       // handed over to the running copy, or the user chose to quit
};

// The folders of the settings file and of the history and note files.
QStringList keptFolders(const QString& settingsFile, const QString& dataFolder);

// Takes the lock on the folders, handing over or asking as above.
Start claim(FilesLock& lock, const QStringList& folders);

// What the main window's title says of a read-only copy, and why its saves
// are refused.
QString readOnlyTitleSuffix();
QString readOnlyReason();

}  // namespace kopira::one_copy
