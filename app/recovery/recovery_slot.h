#pragma once
// Where a copy of the program keeps its recovery file:
// $XDG_STATE_HOME/kopira/recovery/ (~/.local/state/kopira/recovery/, mode
// 0700), one file per set of kept files, named from the settings file and
// the history folder. An editable copy holds the lock on the kept files, so
// the file named after them is its own, and one found there was left by a
// copy that has ended. A read-only copy keeps its own file in the first of
// the folders "read-only-1", "read-only-2", ... whose lock no other copy
// holds.
#include <QString>
#include <memory>
#include <optional>

#include "app/files/files_lock.h"
#include "app/recovery/recovery_snapshot.h"

namespace kopira::recovery {

// The recovery folder, beside the unsaved folder.
QString recoveryFolder();

class Slot {
 public:
  // The slot of this copy for the kept files; nothing when no folder for it
  // can be made (or every read-only slot is taken).
  static std::optional<Slot> claim(const KeptFiles& files, bool readOnly);

  // The kept files, their paths made absolute and resolved.
  const KeptFiles& files() const { return files_; }
  const QString& path() const { return path_; }

 private:
  Slot(KeptFiles files, QString path, std::shared_ptr<FilesLock> lock)
      : files_(std::move(files)), path_(std::move(path)), lock_(std::move(lock)) {}

  KeptFiles files_;
  QString path_;
  std::shared_ptr<FilesLock> lock_;  // a read-only copy's hold on its folder
};

}  // namespace kopira::recovery
