#pragma once
// The lock a copy of the program holds on the folders whose files it keeps,
// so that a second copy never writes them at the same time. Each folder gets
// a lock file ".kopira.lock" with an open-file lock of the system (fcntl),
// which the system drops when the process ends however it ends: the lock of
// a copy that was killed or crashed is simply taken by the next start. The
// holder writes its computer, user and process id into the file, for
// whoever finds it held (also over a network folder).
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kopira {

// Who holds a lock, as the holder wrote it.
struct LockHolder {
  QString host;
  QString user;
  qint64 pid = 0;
  // The same user on this computer: a copy that can be asked to come forward.
  bool isThisUserHere() const;
};

// This process as it writes itself into the locks it takes.
LockHolder thisProcess();

class FilesLock {
 public:
  FilesLock() = default;
  ~FilesLock();
  FilesLock(const FilesLock&) = delete;
  FilesLock& operator=(const FilesLock&) = delete;

  // Locks every folder, or none: returns who holds the first folder that
  // another copy holds. A folder in which no lock file can be made or
  // written (nobody may write there, so there is nothing to guard) is
  // passed over.
  std::optional<LockHolder> take(const QStringList& folders);

  // Whether a lock is held now.
  bool holds() const { return !descriptors_.empty(); }
  void release();

  static constexpr char kFileName[] = ".kopira.lock";

 private:
  std::vector<int> descriptors_;
};

}  // namespace kopira
