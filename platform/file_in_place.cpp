#include "platform/file_in_place.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/file_identity.h"
#include "platform/file_io.h"
#include "platform/save_temporary.h"

namespace kopira::file_in_place {
namespace {

using file_io::Descriptor;

QByteArray copyPathOf(const QByteArray& path) { return path + ".kopira-old"; }

// Whether the user belongs to the group (also as a further group). The
// history may be loaded off the user-interface thread: the reentrant calls.
bool isMember(uid_t user, gid_t group) {
  passwd entry {};
  passwd* found = nullptr;
  char buffer[4096];
  if (::getpwuid_r(user, &entry, buffer, sizeof buffer, &found) != 0 || !found) return false;
  if (entry.pw_gid == group) return true;
  int count = 32;
  std::vector<gid_t> groups(count);
  while (::getgrouplist(entry.pw_name, entry.pw_gid, groups.data(), &count) < 0) groups.resize(count);
  groups.resize(count);
  for (const gid_t member : groups) {
    if (member == group) return true;
  }
  return false;
}

}  // namespace

int write(const QByteArray& path, QByteArrayView bytes) {
  const Descriptor file(::open(path.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
  struct stat old {};
  if (file.fd < 0 || ::fstat(file.fd, &old) != 0) return errno;
  const QByteArray folder = file_io::folderOf(path);
  const QByteArray copyPath = copyPathOf(path);
  save_temporary::TemporaryFile copy(path);
  if (!copy.isOpen()) return errno;
  if (!file_identity::shareLike(copy.fd(), old) || !file_io::copyWhole(file.fd, copy.fd()) || !copy.renameTo(copyPath))
    return errno;
  file_io::syncFolder(folder);
  const auto dropCopy = [&] {
    ::unlink(copyPath.constData());
    copy.keep();
    file_io::syncFolder(folder);
  };
  // Space for the new content is asked for before the old content is
  // touched (where the file system can reserve it).
  if (!bytes.isEmpty() && ::fallocate(file.fd, FALLOC_FL_KEEP_SIZE, 0, bytes.size()) != 0 && errno == ENOSPC) {
    dropCopy();
    return ENOSPC;
  }
  if (!file_io::writeWhole(file.fd, bytes)) {
    const int error = errno;
    if (file_io::copyWhole(copy.fd(), file.fd))
      dropCopy();
    else
      copy.keep();
    return error;
  }
  dropCopy();
  return 0;
}

bool mayWrite(uid_t copyOwner, const struct stat& file) {
  if (copyOwner == 0 || copyOwner == file.st_uid || (file.st_mode & S_IWOTH)) return true;
  return (file.st_mode & S_IWGRP) && isMember(copyOwner, file.st_gid);
}

Restore restoreInterrupted(const QByteArray& path) {
  const QByteArray copyPath = copyPathOf(path);
  struct stat found {}, file {};
  if (::lstat(copyPath.constData(), &found) != 0 || !S_ISREG(found.st_mode)) return Restore::Nothing;
  const bool fileThere = ::lstat(path.constData(), &file) == 0;
  // An empty copy was emptied once put back, or is that of an empty file.
  if (found.st_size > 0 && fileThere && !mayWrite(found.st_uid, file)) return Restore::Refused;
  const Descriptor copy(save_temporary::takeAbandoned(copyPath));
  struct stat opened {};
  if (copy.fd < 0 || ::fstat(copy.fd, &opened) != 0 || opened.st_ino != found.st_ino || opened.st_dev != found.st_dev)
    return Restore::Nothing;
  if (opened.st_size == 0) {
    ::unlink(copyPath.constData());
    return Restore::Nothing;
  }
  if (!fileThere) {
    // The file itself is gone: the copy becomes it.
    if (::rename(copyPath.constData(), path.constData()) != 0) return Restore::Nothing;
  } else {
    const Descriptor target(::open(path.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    if (target.fd < 0 || !file_io::copyWhole(copy.fd, target.fd)) return Restore::Nothing;
    // Where the copy may not be removed (a sticky folder) it is emptied.
    if (::unlink(copyPath.constData()) != 0) file_io::writeWhole(copy.fd, {});
  }
  file_io::syncFolder(file_io::folderOf(path));
  return Restore::PutBack;
}

}  // namespace kopira::file_in_place
