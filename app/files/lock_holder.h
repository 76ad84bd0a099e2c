#pragma once
// Who holds the lock on a lock file (see files_lock.h). On this computer the
// system names the holding process, and /proc its user; only a holder on
// another computer is known by the entry it wrote into the file: its
// computer, user and process id.
#include <sys/stat.h>

#include <QByteArray>
#include <QString>
#include <optional>

namespace kopira {

struct LockHolder {
  enum class Where {
    ThisUserHere,   // a process of this user on this computer
    OtherUserHere,  // a process of another user on this computer
    Elsewhere,      // another computer, as the holder's entry says
    Unknown,        // nobody can be named: see why
  };
  Where where = Where::Unknown;
  QString host;
  QString user;
  qint64 pid = 0;
  QString why;

  // A copy that can be asked to come forward.
  bool isThisUserHere() const { return where == Where::ThisUserHere; }
  // 「Kopira は HOST で USER が使用中です。」, or why nobody can be named.
  QString description() const;
};

namespace lock_holder {

// This process, as it names itself.
LockHolder thisProcess();

// The entry the holder writes into the lock file.
QByteArray entryOf(const LockHolder& holder);

// Who holds a lock on the open lock file whose status is file; nothing
// when nobody does.
std::optional<LockHolder> of(int fd, const struct stat& file);

// A holder that cannot be named (hidden from this user, say).
LockHolder cannotBeNamed();

// The holder of a lock file that this process cannot open for locking.
LockHolder unopenable(const QByteArray& path, const struct stat& file);

}  // namespace lock_holder
}  // namespace kopira
