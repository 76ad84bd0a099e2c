#pragma once
// The lock a copy of the program holds on the folders whose files it keeps,
// so that a second copy never writes them at the same time. Each folder gets
// a lock file ".kopira.lock" that everyone who may write the folder's files
// can lock: it is made with the folder's group and group write, whatever the
// file mode mask and the folder's set-group-id bit. The lock is a record
// lock of the system (fcntl): the system drops it when the process ends
// however it ends, so the lock of a copy that was killed is simply taken by
// the next start, and it names the process that holds it. On this computer
// the holder is therefore who the system says, the process and its user,
// never what the file says. The holder writes its computer, user and
// process id into the file all the same, read only for a holder on another
// computer (a network folder). A lock file that is there but cannot be
// locked is never passed over: the files count as held by someone who
// cannot be named.
#include <QStringList>
#include <optional>
#include <vector>

#include "app/files/lock_holder.h"

namespace kopira {

class FilesLock {
 public:
  FilesLock() = default;
  ~FilesLock();
  FilesLock(const FilesLock&) = delete;
  FilesLock& operator=(const FilesLock&) = delete;

  // Locks every folder, or none: returns who holds the first folder that
  // another copy holds. A folder in which no lock file is and none can be
  // made (nobody may write there, so there is nothing to guard), or whose
  // file system has no locks, is passed over.
  std::optional<LockHolder> take(const QStringList& folders);

  // Who holds the first of the folders that is held, without locking any;
  // nothing when none is. A lock this process holds names this process.
  static std::optional<LockHolder> holderOf(const QStringList& folders);

  // Whether a lock is held now.
  bool holds() const { return !held_.empty(); }
  void release();

  static constexpr char kFileName[] = ".kopira.lock";

 private:
  std::optional<LockHolder> lockFolder(const QString& folder, const QByteArray& entry);

  std::vector<int> held_;
};

}  // namespace kopira
