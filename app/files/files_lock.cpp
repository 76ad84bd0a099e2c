#include "app/files/files_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kopira {
namespace {

// How long a lock just taken may stay without its holder's entry.
constexpr int kEntryWaitMs = 1000;
constexpr int kEntryPollMs = 5;

QString userName() {
  if (const passwd* entry = ::getpwuid(::geteuid())) return QString::fromLocal8Bit(entry->pw_name);
  return QString::number(::geteuid());
}

QByteArray entryOf(const LockHolder& holder) {
  return (holder.host + u'\n' + holder.user + u'\n' + QString::number(holder.pid) + u'\n').toUtf8();
}

// The holder's entry; nothing while it is not (yet) written whole.
std::optional<LockHolder> readEntry(int fd) {
  char bytes[1024];
  const ssize_t size = ::pread(fd, bytes, sizeof bytes, 0);
  if (size <= 0) return std::nullopt;
  const QStringList lines = QString::fromUtf8(bytes, size).split(u'\n');
  if (lines.size() != 4 || !lines[3].isEmpty()) return std::nullopt;
  bool ok = false;
  const qint64 pid = lines[2].toLongLong(&ok);
  if (!ok) return std::nullopt;
  return LockHolder{lines[0], lines[1], pid};
}

// The entry of the copy that holds the lock, waiting for it to be written.
LockHolder holderOf(int fd) {
  for (int waited = 0; waited < kEntryWaitMs; waited += kEntryPollMs) {
    if (std::optional<LockHolder> holder = readEntry(fd)) return *holder;
    QThread::msleep(kEntryPollMs);
  }
  return LockHolder{QStringLiteral("?"), QStringLiteral("?"), 0};
}

struct flock wholeFile(short type) {
  struct flock range = {};
  range.l_type = type;
  range.l_whence = SEEK_SET;
  return range;
}

bool heldByAnother(int fd) {
  struct flock range = wholeFile(F_WRLCK);
  return ::fcntl(fd, F_OFD_GETLK, &range) == 0 && range.l_type != F_UNLCK;
}

// A new lock file may be locked by whoever may write its folder: it takes
// the folder's owner (when made by the superuser) and its group write bit.
void shareLikeFolder(int fd, const QString& folder) {
  struct stat folderStat = {};
  if (::stat(QFile::encodeName(folder).constData(), &folderStat) != 0) return;
  ::fchmod(fd, 0644 | (folderStat.st_mode & S_IWGRP));
  if (::geteuid() == 0 && ::fchown(fd, folderStat.st_uid, folderStat.st_gid) != 0) {
    // Left as made: it still excludes other copies.
  }
}

// Opens the folder's lock file for writing, making it when missing; -1 when
// this process may not.
int openLockFile(const QString& folder) {
  const QByteArray path = QFile::encodeName(QDir(folder).filePath(QLatin1String(FilesLock::kFileName)));
  const int made = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (made >= 0) {
    shareLikeFolder(made, folder);
    return made;
  }
  if (errno != EEXIST) return -1;
  return ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
}

// The lock file opened for reading only, to see who holds it.
int openToLook(const QString& folder) {
  const QByteArray path = QFile::encodeName(QDir(folder).filePath(QLatin1String(FilesLock::kFileName)));
  return ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
}

// Each folder once, however it is named.
QStringList distinct(const QStringList& folders) {
  QStringList seen, result;
  for (const QString& folder : folders) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QString key = canonical.isEmpty() ? QFileInfo(folder).absoluteFilePath() : canonical;
    if (seen.contains(key)) continue;
    seen << key;
    result << folder;
  }
  return result;
}

}  // namespace

bool LockHolder::isThisUserHere() const {
  const LockHolder self = thisProcess();
  return host == self.host && user == self.user;
}

LockHolder thisProcess() { return {QSysInfo::machineHostName(), userName(), QCoreApplication::applicationPid()}; }

FilesLock::~FilesLock() { release(); }

void FilesLock::release() {
  for (const int fd : descriptors_) ::close(fd);
  descriptors_.clear();
}

std::optional<LockHolder> FilesLock::take(const QStringList& folders) {
  release();
  const QByteArray entry = entryOf(thisProcess());
  for (const QString& folder : distinct(folders)) {
    const int fd = openLockFile(folder);
    if (fd < 0) {
      // Held by a copy whose lock file this user may only read?
      const int look = openToLook(folder);
      if (look >= 0 && heldByAnother(look)) {
        const LockHolder holder = holderOf(look);
        ::close(look);
        release();
        return holder;
      }
      if (look >= 0) ::close(look);
      continue;
    }
    struct flock range = wholeFile(F_WRLCK);
    if (::fcntl(fd, F_OFD_SETLK, &range) != 0) {
      // A file system without locks guards nothing here.
      if (errno != EAGAIN && errno != EACCES) {
        ::close(fd);
        continue;
      }
      const LockHolder holder = holderOf(fd);
      ::close(fd);
      release();
      return holder;
    }
    descriptors_.push_back(fd);
    // Written over the last holder's entry, then cut to its length: a reader
    // meanwhile sees no whole entry and reads again.
    struct stat lockStat = {};
    if (::pwrite(fd, entry.constData(), entry.size(), 0) != entry.size() || ::fstat(fd, &lockStat) != 0 ||
        (lockStat.st_size > entry.size() && ::ftruncate(fd, entry.size()) != 0)) {
      // The entry is for others to read; the lock excludes them without it.
    }
  }
  return std::nullopt;
}

}  // namespace kopira
