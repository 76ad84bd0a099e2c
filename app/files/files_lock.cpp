#include "app/files/files_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

#include "platform/file_io.h"
#include "platform/save_temporary.h"

namespace kopira {
namespace {

// A holder that ends between the try and the look is tried again.
constexpr int kAttempts = 3;

// The lock files this process holds. A record lock is dropped when its
// process closes any descriptor of the file, so a file held here is never
// opened a second time in this process: it is known by device and inode.
struct HeldHere {
  dev_t device;
  ino_t inode;
  const FilesLock* by;
};
std::vector<HeldHere> heldHere;

const HeldHere* heldHereAs(const struct stat& file) {
  const auto found = std::find_if(heldHere.begin(), heldHere.end(), [&](const HeldHere& held) {
    return held.device == file.st_dev && held.inode == file.st_ino;
  });
  return found == heldHere.end() ? nullptr : &*found;
}

QByteArray lockPathIn(const QString& folder) {
  return QFile::encodeName(QDir(folder).absoluteFilePath(QLatin1String(FilesLock::kFileName)));
}

// Makes the folder's lock file, lockable by everyone who may write there:
// the folder's group (and, made by the superuser, its owner) and group
// write, whatever the mode mask and the folder's set-group-id bit. Made
// whole under another name and linked into place. True when a lock file is
// there now.
bool makeLockFile(const QByteArray& path) {
  const QByteArray folderPath = file_io::folderOf(path);
  struct stat folder {};
  if (::stat(folderPath.constData(), &folder) != 0) return false;
  // What a start killed here before left.
  save_temporary::removeAbandoned(QFile::decodeName(folderPath), QLatin1String(FilesLock::kFileName));
  const save_temporary::TemporaryFile made(path);
  if (!made.isOpen()) return false;
  const uid_t owner = ::geteuid() == 0 ? folder.st_uid : static_cast<uid_t>(-1);
  if (::fchown(made.fd(), owner, folder.st_gid) != 0) {
    // Not a member of the folder's group: the maker's group, lockable by
    // those who share it.
  }
  if (::fchmod(made.fd(), 0664 | (folder.st_mode & S_IWOTH)) != 0) return false;
  return ::link(made.path().constData(), path.constData()) == 0 || errno == EEXIST;
}

// Who holds the lock file, looked at without locking it; nothing when
// nobody does.
std::optional<LockHolder> lookAt(const QByteArray& path, const struct stat& file) {
  if (heldHereAs(file)) return lock_holder::thisProcess();
  const file_io::Descriptor look(
      S_ISREG(file.st_mode) ? ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC) : -1);
  if (look.fd < 0) return lock_holder::unopenable(path, file);
  return lock_holder::of(look.fd, file);
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

FilesLock::~FilesLock() { release(); }

void FilesLock::release() {
  for (const int fd : held_) ::close(fd);
  held_.clear();
  std::erase_if(heldHere, [this](const HeldHere& held) { return held.by == this; });
}

std::optional<LockHolder> FilesLock::take(const QStringList& folders) {
  release();
  const QByteArray entry = lock_holder::entryOf(lock_holder::thisProcess());
  for (const QString& folder : distinct(folders)) {
    if (std::optional<LockHolder> holder = lockFolder(folder, entry)) {
      release();
      return holder;
    }
  }
  return std::nullopt;
}

std::optional<LockHolder> FilesLock::lockFolder(const QString& folder, const QByteArray& entry) {
  const QByteArray path = lockPathIn(folder);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    struct stat file {};
    if (::lstat(path.constData(), &file) != 0) {
      if (errno != ENOENT || !makeLockFile(path)) return std::nullopt;
      continue;
    }
    if (const HeldHere* held = heldHereAs(file)) {
      if (held->by == this) return std::nullopt;  // the same folder by another name
      return lock_holder::thisProcess();
    }
    const int fd = S_ISREG(file.st_mode) ? ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC) : -1;
    if (fd < 0) return lookAt(path, file).value_or(lock_holder::unopenable(path, file));
    struct flock range = {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    if (::fcntl(fd, F_SETLK, &range) == 0) {
      held_.push_back(fd);
      heldHere.push_back({file.st_dev, file.st_ino, this});
      // Written over the last holder's entry, then cut to its length: a
      // reader meanwhile sees no whole entry and reads again.
      if (::pwrite(fd, entry.constData(), entry.size(), 0) != entry.size() || ::ftruncate(fd, entry.size()) != 0) {
        // The entry is for other computers to read; the lock excludes them without it.
      }
      return std::nullopt;
    }
    const int error = errno;
    const std::optional<LockHolder> holder = error == EAGAIN || error == EACCES ? lock_holder::of(fd, file) : std::nullopt;
    ::close(fd);
    // A file system without locks guards nothing here.
    if (error != EAGAIN && error != EACCES) return std::nullopt;
    if (holder) return holder;
  }
  // Held again each time: held, by whom is not to be caught.
  return lock_holder::cannotBeNamed();
}

std::optional<LockHolder> FilesLock::holderOf(const QStringList& folders) {
  for (const QString& folder : distinct(folders)) {
    const QByteArray path = lockPathIn(folder);
    struct stat file {};
    if (::lstat(path.constData(), &file) != 0) continue;
    if (std::optional<LockHolder> holder = lookAt(path, file)) return holder;
  }
  return std::nullopt;
}

}  // namespace kopira
