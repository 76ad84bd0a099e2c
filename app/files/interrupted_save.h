#pragma once
// What a save that was killed halfway left beside a kept file, cleared at
// start by a copy that may write the files (see file_replace.h). A copy of
// old content left by a user who may not write the file is never put back,
// and the user is told.
#include <QString>

namespace kopira {

// Clears what a killed save of the file at path left. Safe off the
// user-interface thread: the message waits for it.
void clearInterruptedSave(const QString& path);

}  // namespace kopira
