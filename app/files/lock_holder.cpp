#include "app/files/lock_holder.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QSysInfo>
#include <QThread>

#include "platform/file_io.h"

namespace kopira::lock_holder {
namespace {

// How long a lock just taken on another computer may stay without its
// holder's entry.
constexpr int kEntryWaitMs = 1000;
constexpr int kEntryPollMs = 5;

QString userName(uid_t user) {
  if (const passwd* entry = ::getpwuid(user)) return QString::fromLocal8Bit(entry->pw_name);
  return QString::number(user);
}

QString thisHost() { return QSysInfo::machineHostName(); }

LockHolder unnamed(const QString& why) { return {LockHolder::Where::Unknown, {}, {}, 0, why}; }

// The effective user of a process, from its status in /proc; nothing when
// the process cannot be seen (gone, or hidden from this user).
std::optional<uid_t> userOfProcess(pid_t pid) {
  const file_io::Descriptor status(::open(QByteArray("/proc/" + QByteArray::number(pid) + "/status").constData(),
                                          O_RDONLY | O_CLOEXEC));
  char bytes[4096];
  const ssize_t size = status.fd < 0 ? -1 : ::read(status.fd, bytes, sizeof bytes);
  if (size <= 0) return std::nullopt;
  for (const QByteArray& line : QByteArray(bytes, size).split('\n')) {
    if (!line.startsWith("Uid:")) continue;
    const QList<QByteArray> ids = line.simplified().split(' ');  // Uid: real effective saved file-system
    bool ok = false;
    const uint effective = ids.size() > 2 ? ids[2].toUInt(&ok) : 0;
    if (ok) return static_cast<uid_t>(effective);
  }
  return std::nullopt;
}

// Whether a process of this computer holds a lock on the file, as
// /proc/locks lists them (also on network folders). Matched by inode
// alone: a match that is not this file only costs a name.
bool lockedHere(const struct stat& file) {
  const file_io::Descriptor locks(::open("/proc/locks", O_RDONLY | O_CLOEXEC));
  if (locks.fd < 0) return true;
  QByteArray list;
  char bytes[65536];
  for (ssize_t size; (size = ::read(locks.fd, bytes, sizeof bytes)) > 0;) list.append(bytes, size);
  return list.contains(':' + QByteArray::number(static_cast<qulonglong>(file.st_ino)) + ' ');
}

// The entry of a holder on another computer, waiting for it to be written.
LockHolder holderElsewhere(int fd) {
  for (int waited = 0; waited < kEntryWaitMs; waited += kEntryPollMs) {
    char bytes[1024];
    const ssize_t size = ::pread(fd, bytes, sizeof bytes, 0);
    const QStringList lines = size > 0 ? QString::fromUtf8(bytes, size).split(u'\n') : QStringList();
    bool ok = false;
    const qint64 pid = lines.size() == 4 && lines[3].isEmpty() ? lines[2].toLongLong(&ok) : 0;
    if (ok) {
      // An entry naming this computer, where the system knows better, is false.
      if (lines[0].isEmpty() || lines[0] == thisHost()) return cannotBeNamed();
      return {LockHolder::Where::Elsewhere, lines[0], lines[1], pid, {}};
    }
    QThread::msleep(kEntryPollMs);
  }
  return unnamed(QStringLiteral("Kopira のファイルはほかのコンピュータで使用中ですが、だれが使っているかは確かめられません。"));
}

}  // namespace

LockHolder cannotBeNamed() {
  return unnamed(QStringLiteral("Kopira のファイルは使用中ですが、だれが使っているかは確かめられません。"));
}

LockHolder thisProcess() {
  return {LockHolder::Where::ThisUserHere, thisHost(), userName(::geteuid()), QCoreApplication::applicationPid(), {}};
}

QByteArray entryOf(const LockHolder& holder) {
  return (holder.host + u'\n' + holder.user + u'\n' + QString::number(holder.pid) + u'\n').toUtf8();
}

std::optional<LockHolder> of(int fd, const struct stat& file) {
  struct flock range = {};
  range.l_type = F_WRLCK;
  range.l_whence = SEEK_SET;
  if (::fcntl(fd, F_GETLK, &range) != 0 || range.l_type == F_UNLCK) return std::nullopt;
  // A process of this computer (a lock of a network folder's other
  // computers has no process here).
  if (range.l_pid > 0) {
    const std::optional<uid_t> user = userOfProcess(range.l_pid);
    if (!user) return cannotBeNamed();
    const LockHolder::Where where = *user == ::geteuid() ? LockHolder::Where::ThisUserHere : LockHolder::Where::OtherUserHere;
    return LockHolder{where, thisHost(), userName(*user), range.l_pid, {}};
  }
  return lockedHere(file) ? cannotBeNamed() : holderElsewhere(fd);
}

LockHolder unopenable(const QByteArray& path, const struct stat& file) {
  return unnamed(QStringLiteral("ロックファイル %1 を開けないため、ほかの人が Kopira を使用中か確かめられません"
                                "（ファイルの持ち主：%2）。")
                     .arg(QDir::toNativeSeparators(QFile::decodeName(path)), userName(file.st_uid)));
}

}  // namespace kopira::lock_holder

namespace kopira {

QString LockHolder::description() const {
  if (where == Where::Unknown) return why;
  return QStringLiteral("Kopira は %1 で %2 が使用中です。").arg(host, user);
}

}  // namespace kopira
